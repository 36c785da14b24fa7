// KLV: the main window, then the message loop until the main window closes; the search
// window is made hidden once the main window has been drawn.
#include <QByteArray>
#include <QTimer>
#include <QtGlobal>
#include <memory>

#include "platform/process_starter.h"
#include "platform/system_platform.h"
#include "ui/application.h"
#include "ui/find/form_find.h"
#include "ui/main/event_hooks.h"
#include "ui/main/form_main.h"

namespace {

// A restart asks for the new instance to start minimised; the request ends here.
bool StartMinimisedRequested() {
    const bool requested = qgetenv(kStartMinimizedVariable) == QByteArrayLiteral("1");
    qunsetenv(kStartMinimizedVariable);
    return requested;
}

} // namespace

int main(int argc, char** argv) {
    BeginStart();
    KelpraApplication app(argc, argv);
    SetUpApplication(app);
    const bool minimised = StartMinimisedRequested();

    SystemPlatform system;
    const Platform platform = system.Services();
    TFormMain formMain(platform);

    formMain.show();
    // Minimised on top of maximised: restoring it gives the maximised window.
    if (minimised)
        formMain.setWindowState(formMain.windowState() | Qt::WindowMinimized);
    // The search window starts hidden: it is made once the main window has been drawn.
    std::unique_ptr<TFormFind> formFind;
    OnEvent(&formMain, QEvent::Paint, [&](QEvent*) {
        if (!formFind)
            QTimer::singleShot(0, &formMain, [&] {
                if (!formFind)
                    formFind = std::make_unique<TFormFind>(formMain, platform);
            });
        return false;
    });
    return app.exec();
}
