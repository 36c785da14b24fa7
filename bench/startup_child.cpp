#include "bench/startup_child.h"

#include <QMainWindow>
#include <QWindow>
#include <cstring>

#include "platform/system_platform.h"
#include "ui/application.h"
#include "ui/find/form_find.h"
#include "ui/main/form_main.h"

namespace {

// Returns once the window is exposed and its first paint has been done.
void WaitUntilShown(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
}

} // namespace

int RunStartupChild(const char* what, int argc, char** argv) {
    KelpraApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("KLV"));
    if (std::strcmp(what, "empty") == 0) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Kelpra v.0.2b"));
        WaitUntilShown(window);
        return 0;
    }
    SystemPlatform system;
    const Platform platform = system.Services();
    TFormMain formMain(platform);
    TFormFind formFind(formMain, platform);
    WaitUntilShown(formMain);
    return formMain.OpcodeList() != nullptr ? 0 : 2; // a loading error would void the figure
}
