#pragma once
// The application object and the routing of errors: no exception may cross Qt's event
// loop. Every exception that leaves an event handler, and every one that a guarded slot
// lets out, goes to the one registered handler (the main window's), after which the
// program goes on with its next event.

#include <QApplication>
#include <QPointer>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

class KelpraApplication : public QApplication {
  public:
    KelpraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The program's first step, before its application object: one memory pool for all its
// threads (the loading threads hand what they make to the window, and pools of their own
// would keep the memory they free from it), the font configuration begun on a thread of
// its own, and GTK's accessibility bridge kept from hiding the program's controls.
void BeginStart();

// The program's settings of its application object, made before its first window: the
// task bar's name, the desktop entry and its icon for every window, the interface language.
void SetUpApplication(QApplication& app);

using ExceptionHandler = std::function<void(std::exception_ptr)>;

// Registers the handler for as long as `owner` lives.
void SetExceptionHandler(QObject* owner, ExceptionHandler handler);

// Passes the exception to the registered handler; without one, it is written to the
// standard error stream. Never throws.
void ReportException(std::exception_ptr error) noexcept;

// A callable that runs `f` and reports whatever it throws, for connecting to signals:
// Qt itself is not built to let exceptions pass through it. The signal's arguments are
// passed on when `f` takes them.
template <class F> auto Guarded(F f) {
    return [f = std::move(f)](auto&&... args) {
        try {
            if constexpr (std::is_invocable_v<F&, decltype(args)...>)
                f(std::forward<decltype(args)>(args)...);
            else
                f();
        } catch (...) {
            ReportException(std::current_exception());
        }
    };
}
