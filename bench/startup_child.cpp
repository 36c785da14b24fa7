#include "bench/startup_child.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWindow>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "kelpra_version.h"
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

// Lets the window take up what an action posted: its layout, then the paint it leads to.
void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// The first top-level category listed, as a click on it lists it.
void ListFirstCategory(TFormMain& form) {
    auto* tree = form.findChild<QTreeWidget*>(QStringLiteral("OpTreeView"));
    if (QTreeWidgetItem* first = tree->topLevelItem(0)) {
        tree->setCurrentItem(first);
        form.OpTreeViewChange(first);
    }
    Settle();
}

// One user action in the shown window, up to its result painted: "expand" (the tree's
// expand all), "sort" (by the translation column), "quick" (a quick search that no row
// matches), "list-all" (the search window's list of every row) or "copy-all" (the list's
// copy of all rows); the last four on the first category's list. "none": the first paint
// alone.
void RunAction(TFormMain& form, const char* action) {
    const auto is = [action](const char* name) { return std::strcmp(action, name) == 0; };
    if (is("expand")) {
        form.findChild<QAction*>(QStringLiteral("NTreeExpandAll"))->trigger();
        return Settle();
    }
    if (is("none"))
        return;
    ListFirstCategory(form);
    if (is("sort")) {
        Q_EMIT form.OpList()->header()->sectionClicked(1);
    } else if (is("quick")) {
        auto* box = form.findChild<QPlainTextEdit*>(QStringLiteral("OpMemoFind"));
        box->setPlainText(QStringLiteral("no such words"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(box, &enter);
    } else if (is("list-all")) {
        auto* find = form.CreateFormFind().release();
        find->show();
        Settle();
        find->BtnAll->click();
    } else if (is("copy-all")) {
        form.findChild<QAction*>(QStringLiteral("NCopyAll"))->trigger();
    } else {
        std::_Exit(3);
    }
    Settle();
}

} // namespace

int RunStartupChild(const char* what, int argc, char** argv) {
    // A run that the program stops with an error box would wait for a click for ever: it
    // ends after five minutes instead, and the parent reports the failed run.
    alarm(300);
    // As the program starts (main.cpp); Qt's windows start as Qt starts them.
    const char* action = std::strncmp(what, "growth:", 7) == 0 ? what + 7 : nullptr;
    if (std::strcmp(what, "full") == 0 || action != nullptr)
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
    if (action != nullptr)
        RunAction(formMain, action);
    ReportAndLeave(formMain,
                   formMain.OpcodeList() != nullptr ? 0 : 2); // a loading error voids the figure
}
