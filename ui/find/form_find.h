#pragma once
// The advanced search window, FormFind: created hidden by the main window once it is
// drawn, and only shown and hidden afterwards. It searches the rows that the main window's list
// shows, selects a match there or lists all matches in its own result list, and copies
// its results to the clipboard.

#include <QWidget>
#include <array>

#include "opcodes/find_opcodes.h"
#include "platform/platform.h"
#include "ui/opcode_row_model.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;

class TFormFind : public QWidget {
    Q_OBJECT

  public:
    // What the window takes of the main window.
    struct MainWindowParts {
        QWidget* window;      // the window it belongs to: kept above it
        OpcodeListView* list; // the list it searches and selects in
        QLabel* hintPanel;    // where its hints show
        QLabel* totalPanel;   // the opcodes' total, which its last panel repeats
    };
    TFormFind(const MainWindowParts& main, const Platform& platform, QWidget* parent = nullptr);

    void FormCreate();
    // The main list was built anew with `count` rows: nothing is found in it yet.
    void ShowListCount(int count);
    // Both search buttons: BtnAll lists all matches, any other sender finds the next one.
    void ButtonFindClick(const QObject* sender);
    // Selects the focused result's row in the main list, or warns that it is not there.
    void NShowClick();
    void NCopyOpClick(const QObject* sender);
    // Fades the window while another window is active.
    void Timer1Timer();

    // Opacity on the scale 0 (invisible) to 255 (opaque).
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value);

    // Status panels 0 to 3.
    QLabel* StatusPanel(int index) const {
        return statusPanels_.at(static_cast<std::size_t>(index));
    }

    QLabel* LabelYes = nullptr;
    QLineEdit* EditYes = nullptr;
    QLabel* LabelNo = nullptr;
    QLineEdit* EditNo = nullptr;
    QLabel* LabelOr = nullptr;
    QLineEdit* EditOr = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BtnAll = nullptr;
    QPushButton* ButtonFind = nullptr;
    OpcodeListView* ListViewFind = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* OpListPopupMenu = nullptr;
    QAction* NShow = nullptr;
    QAction* NCopyOp = nullptr;
    QAction* NCopyAddOp = nullptr;
    QAction* NCopyAll = nullptr;
    QAction* NCopyAddAll = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createControls();
    void createResultList();
    void createStatusBar();
    void createPopupMenu();
    void connectCommands();
    void placeControls();

    MainWindowParts main_;
    Platform platform_;
    std::array<QLabel*, 4> statusPanels_{};
    int alphaBlendValue_ = 255;
    int editLeft_ = 0; // where the word fields begin: right of the widest label
};

// One search of the main window's list with the three word lists: empties the result
// list, lists the matches there (list all) or selects the next match in the main list
// (find next), and sets the status panels when a pass has run to its end.
void FindOpcodes(TFormFind& formFind, OpcodeListView* mainList, const WordList& yesWords,
                 const WordList& noWords, const WordList& orWords, bool findAll);
