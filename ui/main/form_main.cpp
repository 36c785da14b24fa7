#include "ui/main/form_main.h"

#include "ui/application.h"
#include "ui/find/form_find.h"
#include "ui/hint_tracker.h"
#include "ui/main/view_action_handler.h"
#include "ui/window_keys.h"
#include "ui/window_look.h"

#include "kelpra_version.h"

TFormMain::TFormMain(const Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform),
      databaseReading_(std::async(std::launch::async, &TFormMain::ReadDatabase)) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral(KELPRA_WINDOW_CAPTION));
    SetExceptionHandler(this,
                        [this](std::exception_ptr error) { ApplicationEvents1Exception(error); });

    // What lays out no text is made while the font configuration is still being made:
    // the views, and the menus with their commands.
    createViews();
    createFileMenu();
    createFindMenu();
    viewActions_ = new ViewActionHandler(this, OpListView, OpTreeView, platform_);
    createHelpMenu();
    createListPopupMenu();
    // Then the window takes its font (resolved once that is made), and what is measured in
    // it follows.
    setFont(DesignedFont());
    createLayout();
    createStatusBar();
    createMenuBar();
    placeRestored();
    connectListing();
    connectSort();
    connectStatusDisplays();
    connectQuickSearch();
    hints_ = new HintTracker(this, StatusPanel(0));
    KeepWindowKeys(this);

    Guarded([this] { FormCreate(); })();
}

TFormMain::~TFormMain() {
    // The rows point at the opcode records, which go before the list does: the list's
    // last layout while the window closes must find no rows.
    OpListView->Rows()->SetRows({});
}

std::unique_ptr<TFormFind> TFormMain::CreateFormFind() {
    auto formFind = std::make_unique<TFormFind>(
        TFormFind::MainWindowParts{this, OpListView, StatusPanel(0), StatusPanel(2)}, platform_);
    connect(this, &TFormMain::ListCounted, formFind.get(), &TFormFind::ShowListCount);
    formFind_ = formFind.get();
    return formFind;
}
