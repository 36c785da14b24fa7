// The main window's controls: how they are docked and split, their sizes and texts.
#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/accessible_names.h"
#include "ui/event_hooks.h"
#include "ui/hint_tracker.h"
#include "ui/main/caption_header.h"
#include "ui/main/form_main.h"
#include "ui/main/panel_focus.h"
#include "ui/main/splitter.h"
#include "ui/main/tree_fit.h"
#include "ui/main/view_action_handler.h"
#include "ui/main/view_styles.h"
#include "ui/status_panels.h"
#include "ui/window_look.h"

namespace {

// Outer size when restored: 684 x 396 with the frame, 676 x 342 inside.
constexpr QSize kRestoredClientSize(676, 342);
constexpr int kSplitterWidth = 3;
// The least width that dragging leaves either side panel and the list.
constexpr int kSideMinimum = 30;

QWidget* NewPanel(QWidget* parent, const char16_t* name, QWidget* content) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromUtf16(name));
    panel->setMinimumSize(1, 1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return panel;
}

struct SplitSpec {
    const char16_t* handleName;
    QString spokenName;        // the handle's name for screen readers
    int minimum;               // least size on either side while dragging
    int firstSize, secondSize; // designed sizes
    bool fillFirst;            // the first control takes what the window leaves
    bool opaque;               // the controls follow the mouse, not just a line
};

// A splitter of two controls at their designed sizes; the docked one keeps its size when
// the window is resized, the filling one takes what is left.
MinSizeSplitter* NewSplit(QWidget* parent, Qt::Orientation orientation, QWidget* first,
                          QWidget* second, const SplitSpec& split) {
    auto* splitter = new MinSizeSplitter(orientation, parent);
    splitter->setHandleWidth(kSplitterWidth);
    splitter->setOpaqueResize(split.opaque);
    // The controls' own minimums would keep them from their designed sizes; the
    // splitter's minimum limits the dragging instead.
    for (QWidget* control : {first, second}) {
        control->setMinimumSize(1, 1);
        splitter->addWidget(control);
    }
    splitter->setStretchFactor(0, split.fillFirst ? 1 : 0);
    splitter->setStretchFactor(1, split.fillFirst ? 0 : 1);
    splitter->handle(1)->setObjectName(QString::fromUtf16(split.handleName));
    NameForScreenReaders(splitter->handle(1), split.spokenName);
    splitter->setHandleMinimum(1, split.minimum);
    // Sizes are taken as proportions of the splitter's current extent, so give it the
    // designed one first.
    const int extent = split.firstSize + kSplitterWidth + split.secondSize;
    splitter->resize(orientation == Qt::Horizontal ? QSize(extent, 100) : QSize(100, extent));
    splitter->setSizes({split.firstSize, split.secondSize});
    return splitter;
}

// Only a left click on a node selects in the tree (Ctrl and Shift add to the selection):
// the other buttons, a click on the empty space below the nodes and a drag across them
// select nothing (the tree has no context menu). Set up before the tree's other mouse
// handlers, which thus still see every press and movement.
void SelectOnlyByClicks(QTreeWidget* tree) {
    const auto nodeAt = [tree](QEvent* event) {
        return tree->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    };
    const auto leftButton = [](QEvent* event) {
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    };
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick})
        OnEvent(tree->viewport(), type, [nodeAt, leftButton](QEvent* event) {
            return !leftButton(event) || !nodeAt(event).isValid();
        });
    OnEvent(tree->viewport(), QEvent::MouseMove, [](QEvent* event) {
        return static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
    });
    // A release away from the pressed node would select the node it ends on.
    OnEvent(tree->viewport(), QEvent::MouseButtonRelease,
            [tree, nodeAt, leftButton](QEvent* event) {
                return !leftButton(event) || nodeAt(event) != tree->currentIndex();
            });
}

} // namespace

// The views: made before the window has its font (they lay out no text until they are
// shown), inside the window, whose font they then take.
void TFormMain::createViews() {
    OpTreeView = new QTreeWidget(this);
    OpTreeView->setObjectName(QStringLiteral("OpTreeView"));
    OpTreeView->setHeaderHidden(true);
    OpTreeView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    OpTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OpTreeView->setIndentation(19);
    OpTreeView->setMouseTracking(true);
    KeepSelectionDrawn(OpTreeView);
    SelectOnlyByClicks(OpTreeView);
    treeFit_ = new TreeColumnFit(OpTreeView);

    CheckListBoxType = new QListWidget(this);
    CheckListBoxType->setObjectName(QStringLiteral("CheckListBoxType"));
    CheckListBoxType->setUniformItemSizes(true);

    // The third caption begins with a Latin "T", as the program has always shown it: the
    // translation and the tests match it by these very bytes.
    OpListView = new OpcodeListView(
        {tr("Опкод"), tr("Русский перевод (от Tovin)"), tr("Tип"), tr("Кол-во парам")}, this);
    OpListView->setObjectName(QStringLiteral("OpListView"));
    OpListView->setMouseTracking(true);
    OpListView->setContextMenuPolicy(Qt::CustomContextMenu);
    KeepSelectionDrawn(OpListView);
    CaptionHeader::Install(OpListView);
}

// The other controls, made inside the window once it has its font: they take it once, where
// made outside they would lay their texts out again when the window adopts them.
void TFormMain::createLayout() {
    auto* centre = createCentrePanel();
    auto* right = createRightPanel();
    const int leftWidth = 185, rightWidth = 221;
    const int centreWidth =
        kRestoredClientSize.width() - leftWidth - rightWidth - 2 * kSplitterWidth;
    rightSplitter_ = NewSplit(this, Qt::Horizontal, centre, right,
                              {u"Splitter2", tr("Ширина правой панели"), kSideMinimum, centreWidth,
                               rightWidth, true, false});
    rightSplitter_->setObjectName(QStringLiteral("RightSplit"));
    auto* main = NewSplit(this, Qt::Horizontal, createLeftPanel(), rightSplitter_,
                          {u"Splitter1", tr("Ширина дерева категорий"), kSideMinimum, leftWidth,
                           rightSplitter_->width(), false, true});
    main->setObjectName(QStringLiteral("MainSplit"));
    setCentralWidget(main);

    setTabOrder(OpListView, OpMemoFind);
    setTabOrder(OpMemoFind, OpMemoNote);
    setTabOrder(OpMemoNote, Edit1);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, OpTreeView);
    setTabOrder(OpTreeView, CheckListBoxType);
    // The right panel opens closed to a strip, and the tree's may be closed so.
    new PanelFocus(Panel1, {OpTreeView, CheckListBoxType}, kSideMinimum);
    new PanelFocus(Panel3, {OpMemoNote, Edit1, Button1}, kSideMinimum);
    OpListView->setFocus();

    NameForScreenReaders(OpTreeView, tr("Категории"));
    // The tree's header is hidden, yet screen readers find it: not as "1".
    OpTreeView->setHeaderLabel(tr("Категория"));
    NameForScreenReaders(CheckListBoxType, tr("Типы опкодов"));
    NameForScreenReaders(OpMemoFind, tr("Мини-поиск"));
    NameForScreenReaders(OpListView, tr("Список опкодов"));
    NameForScreenReaders(OpMemoNote, tr("Описание опкода"));
    NameForScreenReaders(Edit1, tr("Текст для копирования"));
    NameForScreenReaders(Button1, Button1->text());
}

void TFormMain::createMenuBar() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("OpMainMenu"));
    for (QMenu* menu : {NFile, NFind, viewActions_->ViewMenu(), viewActions_->TreeMenu(), NHelp})
        bar->addMenu(menu);
}

// The restored window's client area lies below its menu bar, which it has by now.
void TFormMain::placeRestored() {
    resize(kRestoredClientSize + QSize(0, menuBar()->sizeHint().height()));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

QWidget* TFormMain::createLeftPanel() {
    auto* split = NewSplit(this, Qt::Vertical, OpTreeView, CheckListBoxType,
                           {u"Splitter5", tr("Высота списка типов"), 15, 251, 69, true, false});
    Panel1 = NewPanel(this, u"Panel1", split);
    viewActions_->SetTreePanel(Panel1);
    return Panel1;
}

QWidget* TFormMain::createCentrePanel() {
    OpMemoFind = new QPlainTextEdit(this);
    OpMemoFind->setObjectName(QStringLiteral("OpMemoFind"));
    OpMemoFind->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OpMemoFind->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    OpMemoFind->setTabChangesFocus(true);
    // The designed 21 pixels hold one line with a slim margin.
    OpMemoFind->document()->setDocumentMargin(2);
    OpMemoFind->setStatusTip(tr("Мини-поиск. Введите часть слова для поиска и нажмите Enter."));

    // The header's sections are sized in the window's font.
    QHeaderView* header = OpListView->header();
    header->setSectionsMovable(true);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    // Designed 50 pixels wide, but never so narrow that a caption is cut.
    KeepCaptionsReadable(header, {2, 3}, 50);

    auto* split = NewSplit(this, Qt::Vertical, OpMemoFind, OpListView,
                           {u"Splitter3", tr("Высота мини-поиска"), 17, 21, 299, false, false});
    return Panel2 = NewPanel(this, u"Panel2", split);
}

QWidget* TFormMain::createRightPanel() {
    OpMemoNote = new QPlainTextEdit(this);
    OpMemoNote->setObjectName(QStringLiteral("OpMemoNote"));
    OpMemoNote->setReadOnly(true);
    OpMemoNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OpMemoNote->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    OpMemoNote->setTabChangesFocus(true);
    OpMemoNote->setPlainText(tr("Здесь появляется подробное \nописание опкодов.\n"
                                "Щёлкните по опкоду для просмотра \nего описания."));

    GroupBox1 = new QGroupBox(tr("Копирование в буфер:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    // Made inside the group, so that they have the window's font from the start: the
    // button's width is measured in it.
    Edit1 = new QLineEdit(QStringLiteral("Edit1"), GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Button1 = new QPushButton(tr("Копир"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    const QString copyHint = tr("Скопировать в буфер обмена");
    Button1->setStatusTip(copyHint);
    Button1->setToolTip(HintTracker::ShortHint(copyHint));
    // At least its designed 35 pixels, wider where the font needs it to show "Копир".
    Button1->setFixedWidth(
        qMax(35, Button1->fontMetrics().horizontalAdvance(Button1->text()) + 12));
    auto* row = new QHBoxLayout(GroupBox1);
    row->setContentsMargins(8, 2, 9, 4);
    row->setSpacing(0);
    row->addWidget(Edit1, 1);
    row->addWidget(Button1);

    auto* split =
        NewSplit(this, Qt::Vertical, OpMemoNote, GroupBox1,
                 {u"Splitter4", tr("Высота группы копирования"), 40, 275, 45, true, false});
    return Panel3 = NewPanel(this, u"Panel3", split);
}

void TFormMain::createStatusBar() {
    StatusBar1 = new QStatusBar;
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    const std::vector<QLabel*> panels = AddStatusPanels(StatusBar1, {{tr("Готов"), 470},
                                                                     {tr("Опкодов: 0"), 82},
                                                                     {tr("Всего: 0"), 65},
                                                                     {tr("Текущий: нет"), 85},
                                                                     {tr("Выделено: 0"), 50}});
    std::copy(panels.begin(), panels.end(), statusPanels_.begin());
}
