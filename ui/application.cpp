#include "ui/application.h"

#include <QtGlobal>

#include "ui/error_info.h"

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

KelpraApplication::KelpraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KelpraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
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
