#include "ui/application.h"

#include <QIcon>
#include <QtGlobal>

#include "ui/accessible_names.h"
#include "ui/error_info.h"
#include "ui/hint_tracker.h"
#include "ui/language.h"
#include "ui/opcode_list_accessible.h"
#include "ui/window_look.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

struct Registration {
    QPointer<QObject> owner;
    ExceptionHandler handler;
};

Registration& Registered() {
    static Registration registration;
    return registration;
}

} // namespace

KelpraApplication::KelpraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallAccessibleRoles();
    InstallOpcodeListAccessible();
}

bool KelpraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}

namespace {

// GTK's switch for its accessibility bridge, and whether the program set it.
constexpr char kGtkBridgeOff[] = "NO_AT_BRIDGE";
bool gtkBridgeTurnedOff = false;

} // namespace

void BeginStart() {
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
    BeginFontSetUp();
    // Under Qt's GTK platform theme (as on GNOME desktops), GTK starts its own
    // accessibility bridge with the application object, which shows the desktop's
    // accessibility interface a program without a single control and hides Qt's: screen
    // readers would find nothing. Off for the application object's making only, so that
    // the programs KLV starts (the browser among them) keep theirs.
    gtkBridgeTurnedOff = !qEnvironmentVariableIsSet(kGtkBridgeOff);
    if (gtkBridgeTurnedOff)
        qputenv(kGtkBridgeOff, "1");
}

void SetUpApplication(QApplication& app) {
    if (gtkBridgeTurnedOff)
        qunsetenv(kGtkBridgeOff);
    // The task bar's name. No display name is set: the desktop would append it to the
    // main window's caption.
    app.setApplicationName(QStringLiteral("KLV"));
    // The icon of the installed menu entry (kelpra.desktop), for every window.
    app.setDesktopFileName(QStringLiteral("kelpra"));
    app.setWindowIcon(QIcon(QStringLiteral(":/kelpra.png")));
    InstallTranslations(app);
    InstallHintStyle();
}

void SetExceptionHandler(QObject* owner, ExceptionHandler handler) {
    Registered() = Registration{owner, std::move(handler)};
}

void ReportException(std::exception_ptr error) noexcept {
    try {
        Registration& registration = Registered();
        if (registration.owner && registration.handler) {
            registration.handler(error);
            return;
        }
        const ErrorInfo info = DescribeError(error);
        qWarning("%s: %s", info.className.c_str(), info.message.c_str());
    } catch (...) {
        // Reporting must never raise again; there is nowhere left to send this one.
    }
}
