// KLV: the main window, then the message loop until the main window closes; the search
// window is made hidden once the main window has been drawn. A look-up on the command
// line is printed without a window, or shown in the window already open on this folder.
#include <QByteArray>
#include <QTimer>
#include <QtGlobal>
#include <clocale>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "opcodes/lookup_command.h"
#include "platform/lookup_socket.h"
#include "platform/process_starter.h"
#include "platform/system_platform.h"
#include "ui/application.h"
#include "ui/event_hooks.h"
#include "ui/find/form_find.h"
#include "ui/lookup_server.h"
#include "ui/main/form_main.h"

namespace {

// How long a look-up waits for the open window to take it: a window that is still
// loading takes it once its loading is done.
constexpr int kHandOverWaitMs = 30000;

// A restart asks for the new instance to start minimised; the request ends here.
bool StartMinimisedRequested() {
    const bool requested = qgetenv(kStartMinimizedVariable) == QByteArrayLiteral("1");
    qunsetenv(kStartMinimizedVariable);
    return requested;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const KlvCommand command = ParseKlvCommand(args);
    if (!command.error.empty()) {
        std::cerr << "KLV: " << command.error
                  << "\nUsage: KLV [--show WHAT | --print WHAT]; KLV --help explains.\n";
        return kLookupUnusable;
    }
    if (command.action == KlvCommand::Action::Help) {
        std::cout << kKlvHelp;
        return 0;
    }
    if (command.action == KlvCommand::Action::Print) {
        // The system's texts (strerror) in the user's language, as the window gets them.
        std::setlocale(LC_CTYPE, "");
        std::setlocale(LC_MESSAGES, "");
        return PrintLookup(command, std::cout, std::cerr);
    }
    // Only a look-up goes to an open window: a start without one (the restart's) is a new
    // window, which takes the socket over.
    const std::string socketPath = LookupSocketPath();
    const bool show = command.action == KlvCommand::Action::Show;
    if (show) {
        switch (SendLookup(socketPath, command.what, kHandOverWaitMs)) {
        case HandOver::Taken:
            return 0;
        case HandOver::NoAnswer:
            std::cerr << "KLV: the window open on this folder did not take the look-up\n";
            return 1;
        case HandOver::NoWindow:
            break;
        }
    }

    BeginStart();
    KelpraApplication app(argc, argv);
    SetUpApplication(app);
    const bool minimised = StartMinimisedRequested();

    // Listening before the loading: a look-up sent meanwhile waits for it, after this
    // process's own.
    LookupServer lookups;
    if (show)
        lookups.Enqueue(QString::fromStdString(command.what));
    lookups.Listen(QString::fromStdString(socketPath));

    SystemPlatform system;
    const Platform platform = system.Services();
    TFormMain formMain(platform);

    formMain.show();
    // Minimised on top of maximised: restoring it gives the maximised window.
    if (minimised)
        formMain.setWindowState(formMain.windowState() | Qt::WindowMinimized);
    lookups.Attach(&formMain);
    // The search window starts hidden: it is made once the main window has been drawn.
    std::unique_ptr<TFormFind> formFind;
    OnEvent(&formMain, QEvent::Paint, [&](QEvent*) {
        if (!formFind)
            QTimer::singleShot(0, &formMain, [&] {
                if (!formFind)
                    formFind = formMain.CreateFormFind();
            });
        return false;
    });
    return app.exec();
}
