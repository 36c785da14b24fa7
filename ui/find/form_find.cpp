#include "ui/find/form_find.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "platform/message_boxes.h"
#include "platform/qt_text.h"
#include "platform/sounds.h"
#include "ui/application.h"
#include "ui/copy_commands.h"
#include "ui/hint_tracker.h"
#include "ui/opcode_rows.h"
#include "ui/window_keys.h"
#include "ui/window_look.h"

namespace {

constexpr int kCreatedOpacity = 250, kInactiveOpacity = 200, kActiveOpacity = 252;
// A search at the minimum height grows the window so that the results can be seen.
constexpr int kGrownClientHeight = 268;

} // namespace

TFormFind::TFormFind(const MainWindowParts& main, const Platform& platform, QWidget* parent)
    : QWidget(parent), main_(main), platform_(platform) {
    setObjectName(QStringLiteral("FormFind"));
    setWindowTitle(tr("Расширенный поиск (F3)"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Only the main window's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(DesignedFont());
    createControls();
    connectCommands();
    // Hints show where all the program's hints do: in the main window's status bar.
    new HintTracker(this, main_.hintPanel);
    KeepWindowKeys(this);
    SetAlphaBlendValue(kCreatedOpacity);
    Guarded([this] { FormCreate(); })();
}

void TFormFind::connectCommands() {
    // Closing only hides the window (a close of a window without a parent hides it), so
    // the fields and the results are there at the next showing.
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* button : {BtnAll, ButtonFind})
        connect(button, &QPushButton::clicked, this,
                Guarded([this, button] { ButtonFindClick(button); }));
    connect(ListViewFind, &QAbstractItemView::doubleClicked, this,
            Guarded([this] { NShowClick(); }));
    connect(NShow, &QAction::triggered, this, Guarded([this] { NShowClick(); }));
    for (QAction* item : {NCopyOp, NCopyAddOp, NCopyAll, NCopyAddAll})
        connect(item, &QAction::triggered, this, Guarded([this, item] { NCopyOpClick(item); }));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
    Timer1->start();
}

void TFormFind::FormCreate() {
    StatusPanel(3)->setText(main_.totalPanel->text());
}

void TFormFind::ShowListCount(int count) {
    StatusPanel(2)->setText(tr("из: %1").arg(count));
    StatusPanel(1)->setText(tr("Найдено: 0"));
}

void TFormFind::ButtonFindClick(const QObject* sender) {
    StatusPanel(0)->setText(tr("Поиск..."));
    if (height() == minimumHeight())
        resize(width(), kGrownClientHeight);
    const bool findAll = sender != nullptr && IsFindAllSender(sender->objectName().toStdString());
    FindOpcodes(*this, main_.list, WordList::SplitUtf8(EditYes->text().toStdString()),
                WordList::SplitUtf8(EditNo->text().toStdString()),
                WordList::SplitUtf8(EditOr->text().toStdString()), findAll);
}

void FindOpcodes(TFormFind& formFind, OpcodeListView* mainList, const WordList& yesWords,
                 const WordList& noWords, const WordList& orWords, bool findAll) {
    OpcodeRowModel* results = formFind.ListViewFind->Rows();
    results->SetCaptions({});
    OpcodeRows rows(mainList);
    FindOutcome outcome = FindOpcodes(rows, yesWords, noWords, orWords, findAll);
    results->SetCaptions(std::move(outcome.results));
    if (outcome.passEnded) {
        formFind.StatusPanel(0)->setText(TFormFind::tr("Готово."));
        formFind.StatusPanel(1)->setText(TFormFind::tr("Найдено: %1").arg(results->Count()));
    }
}

void TFormFind::NShowClick() {
    const QModelIndex focused = ListViewFind->currentIndex();
    if (!focused.isValid())
        return;
    OpcodeRows rows(main_.list);
    if (ShowInList(rows, std::string(ListViewFind->Rows()->Bytes(focused.row(), 0))))
        return;
    platform_.sounds.Play(SystemSound::Information);
    platform_.messageBoxes.Warning(tr("Нет в списке!\n\rВозможно, Вы выбрали иную категорию,\r\n"
                                      "чем та, что была использована при поиске."));
}

void TFormFind::NCopyOpClick(const QObject* sender) {
    if (const std::optional<CopyCommand> command = CopyCommandOf(sender))
        CopyListRows(platform_, ListViewFind, *command, SelectedLine::RowText);
}

void TFormFind::Timer1Timer() {
    // The active window itself: Qt may count a tool window active with the window it
    // belongs to.
    if (QApplication::activeWindow() != this)
        SetAlphaBlendValue(kInactiveOpacity);
    else if (alphaBlendValue_ == kInactiveOpacity)
        SetAlphaBlendValue(kActiveOpacity);
}

// The opacity follows each change of the active window at once, from the state after it;
// the timer only catches up with what no change reported.
void TFormFind::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        Timer1Timer();
}

void TFormFind::SetAlphaBlendValue(int value) {
    alphaBlendValue_ = value;
    setWindowOpacity(value / 255.0);
}

// The main window's own tool window, for the desktop: kept above it, minimised and restored
// with it. Owned only there: a tool window that Qt knows as owned would take the main
// window's shortcuts as its own.
void TFormFind::showEvent(QShowEvent* event) {
    main_.window->winId(); // made where it is not yet shown
    windowHandle()->setTransientParent(main_.window->windowHandle());
    QWidget::showEvent(event);
}

void TFormFind::keyPressEvent(QKeyEvent* event) {
    // Enter that no control took presses the default button; Esc is left alone, since
    // no button of the window answers it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ButtonFind->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
