#include "bench/startup_child.h"

#include <QLabel>
#include <QMainWindow>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/system_platform.h"
#include "ui/application.h"
#include "ui/main/form_main.h"
#include "kelpra_version.h"

namespace {

// Returns once the window is exposed and its first paint has been done.
void WaitUntilShown(QWidget& window) {
    window.show();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QCoreApplication::processEvents();
}

// Reports the peak resident size of this process (what the parent's rusage would report
// too, were it not inherited across exec from a parent larger than the child), then the
// window's size, and ends the process at once: the figure is the start up to the shown
// window, and the parent's clock runs until the child is gone, so no window is torn down.
[[noreturn]] void ReportAndLeave(const QWidget& window, int exitCode) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            std::printf("%ld %d %d\n", std::stol(line.substr(6)), window.width(), window.height());
    std::fflush(stdout);
    std::_Exit(exitCode);
}

} // namespace

int RunStartupChild(const char* what, int argc, char** argv) {
    // As the program starts (main.cpp); Qt's windows start as Qt starts them.
    if (std::strcmp(what, "full") == 0)
        BeginStart();
    KelpraApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("KLV"));
    if (std::strcmp(what, "empty") == 0) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral(KELPRA_WINDOW_CAPTION));
        WaitUntilShown(window);
        ReportAndLeave(window, 0);
    }
    int width = 0, height = 0;
    if (std::sscanf(what, "text:%dx%d", &width, &height) == 2) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral(KELPRA_WINDOW_CAPTION));
        window.setCentralWidget(new QLabel(window.windowTitle()));
        window.resize(width, height);
        WaitUntilShown(window);
        ReportAndLeave(window, 0);
    }
    SetUpApplication(app);
    SystemPlatform system;
    const Platform platform = system.Services();
    // As the program starts: the search window is made only after the main window is drawn.
    TFormMain formMain(platform);
    WaitUntilShown(formMain);
    ReportAndLeave(formMain,
                   formMain.OpcodeList() != nullptr ? 0 : 2); // a loading error voids the figure
}
