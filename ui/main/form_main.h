#pragma once
// The main window, FormMain: the category tree and type filter on the left, the quick
// search and the opcode list in the middle, the description panel on the right, the
// status bar, the menus and the actions. Its creation loads the whole database.

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <exception>
#include <future>
#include <memory>
#include <string_view>
#include <vector>

#include "opcodes/categories.h"
#include "opcodes/category_listing.h"
#include "opcodes/lookup_sites.h"
#include "opcodes/opcode.h"
#include "platform/platform.h"
#include "ui/main/database_read.h"
#include "ui/main/tree_fit.h"
#include "ui/opcode_row_model.h"

class HintTracker;
class MinSizeSplitter;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class TFormFind;
class ViewActionHandler;

class TFormMain : public QMainWindow {
    Q_OBJECT

  public:
    // Builds the window and runs FormCreate; a loading error is reported through the
    // error handler and leaves the window with what was loaded until then.
    explicit TFormMain(const Platform& platform, QWidget* parent = nullptr);
    ~TFormMain() override;

    // Makes the search window, hidden: it searches this window's list, shows its hints in
    // this window's status bar and its list's counts in its own. The caller owns it; this
    // window only shows it (NFindWin).
    std::unique_ptr<TFormFind> CreateFormFind();
    // The opcode table, or null when the loading stopped before it was built.
    const TOpcodesList* OpcodeList() const { return opcodeList_.get(); }
    // The opcode list, which the search window searches and selects in.
    OpcodeListView* OpList() const { return OpListView; }
    // Status panels 0 to 4.
    QLabel* StatusPanel(int index) const {
        return statusPanels_.at(static_cast<std::size_t>(index));
    }

    // Rebuilds the list for that node of the tree (the tree's node change runs it).
    void OpTreeViewChange(QTreeWidgetItem* Node);
    // For a look-up from outside: the tree's nodes in tree order, the type filter's ticks,
    // and the choice of a category as a click makes it, its list rebuilt at once.
    std::vector<QTreeWidgetItem*> TreeNodes() const;
    TypeTicks TickedTypes() const;
    void ChooseCategory(QTreeWidgetItem* node);
    // Every error that no command handles ends here: sound, error box, "errors.log".
    void ApplicationEvents1Exception(std::exception_ptr error) noexcept;

  Q_SIGNALS:
    // The list was built anew with that many rows; the search window shows the count.
    void ListCounted(int count);

  private:
    // The loading sequence of the window's creation.
    void FormCreate();

    // The File menu (form_main_file_menu.cpp). NReExeClick starts a new instance,
    // minimised, then closes this one.
    void createFileMenu();
    void NReExeClick();
    // The Find menu (form_main_find_menu.cpp). NFindWinClick shows the search window and
    // brings it to the front; NFindInOSTClick hands the listed captions to the outside
    // search tool.
    void createFindMenu();
    void NFindWinClick();
    void NFindInOSTClick();
    // The Help menu (form_main_help_menu.cpp). HelpIntroExecute opens the introduction
    // page of the current directory: "Intro.html", or the page of the interface's
    // language where there is one.
    void createHelpMenu();
    void HelpIntroExecute();
    // The list's context menu (form_main_list_menu.cpp). NCopyOpClick runs the copy item
    // `sender` (by its tag) on the list. BeforeBrowse sets the three look-up actions'
    // addresses (property "address") from the list's focused row; ShowLookupSites gives
    // them the captions and hints of lookupSites_.
    void createListPopupMenu();
    void NCopyOpClick(const QObject* sender);
    void BeforeBrowse();
    void Browse(const QAction* action);
    void ShowLookupSites();
    void SetLookupAddresses(std::string_view opcodeText);

    // The listing (form_main_listing.cpp): the tree's node changes and the type filter's
    // clicks rebuild the list.
    void connectListing();
    void CheckListBoxTypeClickCheck();
    void RebuildList(QTreeWidgetItem* node);
    void FillList(const TNodedata& node);
    void ShowListCounts(int count);
    // The column sort (form_main_list_sort.cpp).
    void connectSort();
    // Sorts the rows once, ascending, by the texts of the clicked column.
    void OpListViewColumnClick(int column);
    // The column of the last header click; it survives rebuilds, which list unsorted.
    int SortColumn = 0;
    // The status panels that follow the selection and the pointer
    // (form_main_status_displays.cpp); the pointer's position is in the view's viewport
    // coordinates.
    void connectStatusDisplays();
    void OpListViewSelectItem();
    void OpListViewMouseMove(const QPoint& pos);
    void OpTreeViewMouseMove(const QPoint& pos);
    // The quick search (form_main_quick_search.cpp): a character typed into its box; true
    // when it confirmed a search, and the box must then not receive it.
    void connectQuickSearch();
    bool OpMemoFindKeyPress(char32_t Key);
    QString QuickSearchText() const;

    // The View and Tree menus, with the view state they set (view_action_handler.cpp).
    ViewActionHandler* viewActions_ = nullptr;
    TreeColumnFit* treeFit_ = nullptr;

    // Controls, named as the window's layout names them (each has that object name).
    QWidget* Panel1 = nullptr;
    QTreeWidget* OpTreeView = nullptr;
    QListWidget* CheckListBoxType = nullptr;
    QWidget* Panel2 = nullptr;
    QPlainTextEdit* OpMemoFind = nullptr;
    OpcodeListView* OpListView = nullptr;
    QWidget* Panel3 = nullptr;
    QPlainTextEdit* OpMemoNote = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    // Restarted on every change of the tree's current node; fires after the 1 ms change
    // delay, when the tree reports the change.
    QTimer* OpTreeViewChangeDelay = nullptr;

    // Menus.
    QMenu* NFile = nullptr;
    QMenu* NFind = nullptr;
    QMenu* NHelp = nullptr;
    QMenu* OpListPopupMenu = nullptr;
    QMenu* NInternet = nullptr;

    // Menu items.
    QAction* NReExe = nullptr;
    QAction* NExit = nullptr;
    QAction* NFindWin = nullptr;
    QAction* NFindInOST = nullptr;
    QAction* SASCMINI1 = nullptr;
    QAction* NCopyOp = nullptr;
    QAction* NCopyAddOp = nullptr;
    QAction* NCopyAll = nullptr;
    QAction* NCopyAddAll = nullptr;

    // The action list, ActionManager1: the menu items NOpcodeBase, NWiki, NIniEditor and
    // NAbout are these actions themselves.
    QAction* BrowseOpcodeBase = nullptr;
    QAction* BrowseWiki = nullptr;
    QAction* BrowseIniEditor = nullptr;
    QAction* HelpIntro = nullptr;

    void createViews();
    void createLayout();
    void placeRestored();
    QWidget* createLeftPanel();
    QWidget* createCentrePanel();
    QWidget* createRightPanel();
    void createStatusBar();
    void createMenuBar();

    // FormCreate's steps: the database's loading into the controls.
    void LoadDatabase();
    void LoadTypeList(const DatabaseRead& read);

    Platform platform_;
    QPointer<TFormFind> formFind_;
    std::unique_ptr<TOpcodesList> opcodeList_;
    // The look-up sites' names and addresses: the built-in ones until the loading reads
    // the data folder's own.
    LookupSiteSettings lookupSites_;
    // The data files' reading, and the tree's names laid out, on a second thread while the
    // window builds its controls: they need nothing of them, and FormCreate takes them at
    // their turn.
    struct Reading {
        DatabaseRead read;
        // The nodes' names in tree order (their captions, or their keys where the
        // categories were not read), equal names sharing one string, and their widths.
        QStringList nodeNames;
        NameWidths nodeWidths;
    };
    static Reading ReadDatabase();
    std::future<Reading> databaseReading_;
    void LoadCategoryTree(Reading& reading);
    // The records attached to the tree's nodes; they live as long as the window.
    std::vector<CategoryInfo> categories_;
    // Whether the loading reached the tree and the type list: the designed items stand
    // in for what it did not reach.
    bool treeLoaded_ = false;
    bool typesLoaded_ = false;
    std::array<QLabel*, 5> statusPanels_{};
    MinSizeSplitter* rightSplitter_ = nullptr; // Panel2 | Splitter2 | Panel3
    HintTracker* hints_ = nullptr;
};
