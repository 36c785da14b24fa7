// The search window's controls, where they sit and how they follow the window's size.
#include <algorithm>
#include <cmath>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>

#include "ui/accessible_names.h"
#include "ui/cell_text_delegate.h"
#include "ui/copy_commands.h"
#include "ui/find/form_find.h"
#include "ui/status_panels.h"
#include "ui/window_look.h"

namespace {

// Client-area pixels at the designed size of 347 x 137 (355 x 171 with the frame).
constexpr QSize kClientSize(347, 137);
constexpr QSize kMinimumClientSize(245, 137); // 253 x 171 with the frame
constexpr QPoint kPosition(293, 172);
constexpr int kLeft = 8, kRight = 9;
constexpr int kFieldLeft = 104, kFieldHeight = 21;
constexpr int kFieldTops[] = {8, 32, 56};
constexpr int kLabelGap = 4;
constexpr int kButtonTop = 85;
constexpr QSize kButtonSize(75, 25);
constexpr int kBtnAllLeft = 135;
// The result list fills the height beyond the designed one, between the buttons and the
// status bar: none at the minimum height.
constexpr int kListTop = 118;
constexpr int kStatusBarHeight = 19;

QLineEdit* NewField(const char16_t* name, const QString& hint) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromUtf16(name));
    field->setStatusTip(hint);
    return field;
}

QLabel* NewLabel(const char16_t* name, const QString& text, QLineEdit* field) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromUtf16(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setBuddy(field);
    return label;
}

QPushButton* NewButton(const char16_t* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromUtf16(name));
    // A focused button answers Enter itself, as on the desktop the window comes from.
    button->setAutoDefault(true);
    return button;
}

// At least the designed size, wider where the desktop's font needs it.
int ButtonWidth(const QPushButton* button) {
    return std::max(kButtonSize.width(), button->sizeHint().width());
}

} // namespace

void TFormFind::createControls() {
    EditYes =
        NewField(u"EditYes", tr("Введите сюда те слова через пробел, которые все будут в опкоде."));
    EditNo = NewField(
        u"EditNo",
        tr("Введите сюда те слова через пробел, которые все будут отсутствовать в опкоде."));
    EditOr =
        NewField(u"EditOr",
                 tr("Введите сюда те слова через пробел, хотя-бы одно из которых будет в опкоде."));
    LabelYes = NewLabel(u"LabelYes", tr("Обязательно есть:"), EditYes);
    LabelNo = NewLabel(u"LabelNo", tr("Обязательно нет:"), EditNo);
    LabelOr = NewLabel(u"LabelOr", tr("Хотя-бы одно:"), EditOr);

    BitBtn1 = NewButton(u"BitBtn1", tr("&Закрыть"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BtnAll = NewButton(u"BtnAll", tr("Искать всё"));
    ButtonFind = NewButton(u"ButtonFind", tr("Поиск!"));
    ButtonFind->setDefault(true);
    // Outside a dialog an auto-default button gives up being the default for good once
    // it loses the focus; as the default it still answers Enter when focused.
    ButtonFind->setAutoDefault(false);

    for (QWidget* control : std::initializer_list<QWidget*>{
             LabelYes, EditYes, LabelNo, EditNo, LabelOr, EditOr, BitBtn1, BtnAll, ButtonFind})
        control->setParent(this);
    int widestLabel = 0;
    for (const QLabel* label : {LabelYes, LabelNo, LabelOr})
        widestLabel = std::max(widestLabel, label->sizeHint().width());
    editLeft_ = std::max(kFieldLeft, kLeft + widestLabel + kLabelGap);

    createResultList();
    createStatusBar();

    setTabOrder(EditYes, EditNo);
    setTabOrder(EditNo, BitBtn1);
    setTabOrder(BitBtn1, ButtonFind);
    setTabOrder(ButtonFind, EditOr);
    setTabOrder(EditOr, ListViewFind);
    setTabOrder(ListViewFind, BtnAll);

    // Each field by its label's words.
    for (const auto& [field, label] :
         {std::pair{EditYes, LabelYes}, {EditNo, LabelNo}, {EditOr, LabelOr}})
        NameForScreenReaders(field, label->text().chopped(1));
    NameForScreenReaders(ListViewFind, tr("Найденные опкоды"));

    setMinimumSize(kMinimumClientSize);
    resize(kClientSize);
    move(kPosition);
    // A hidden window gets its resize event only when it is shown.
    placeControls();
}

void TFormFind::createResultList() {
    ListViewFind = new OpcodeListView({tr("Опкод")}, this);
    ListViewFind->setObjectName(QStringLiteral("ListViewFind"));
    ListViewFind->setItemDelegate(new CellTextDelegate(ListViewFind));
    ListViewFind->header()->setStretchLastSection(true);
    ListViewFind->setContextMenuPolicy(Qt::CustomContextMenu);
    // At the minimum height the list has no height at all.
    ListViewFind->setMinimumSize(0, 0);
    KeepSelectionDrawn(ListViewFind);
    createPopupMenu();
}

void TFormFind::createPopupMenu() {
    OpListPopupMenu = new QMenu(this);
    OpListPopupMenu->setObjectName(QStringLiteral("OpListPopupMenu"));
    NShow = new QAction(tr("Показать в списке"), this);
    NShow->setObjectName(QStringLiteral("NShow"));
    NShow->setProperty("tag", 0);
    OpListPopupMenu->addAction(NShow);
    OpListPopupMenu->setDefaultAction(NShow);
    OpListPopupMenu->addSeparator()->setObjectName(QStringLiteral("NSeparator1OpList"));

    const std::array<QAction*, 4> copyItems = NewCopyItems(this, ListViewFind);
    NCopyOp = copyItems[0];
    NCopyAddOp = copyItems[1];
    NCopyAll = copyItems[2];
    NCopyAddAll = copyItems[3];
    OpListPopupMenu->addActions({NCopyOp, NCopyAddOp});
    OpListPopupMenu->addSeparator()->setObjectName(QStringLiteral("NSeparator2OpList"));
    OpListPopupMenu->addActions({NCopyAll, NCopyAddAll});

    connect(ListViewFind, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        OpListPopupMenu->popup(ListViewFind->viewport()->mapToGlobal(pos));
    });
}

void TFormFind::createStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const std::vector<QLabel*> panels = AddStatusPanels(
        StatusBar1,
        {{tr("Готово."), 50}, {tr("Найдено: 0"), 80}, {tr("из: 0"), 50}, {tr("Всего: 0"), 70}});
    std::copy(panels.begin(), panels.end(), statusPanels_.begin());
}

void TFormFind::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

// The anchors: the fields stretch with the width, the close button stays at the left,
// the find button at the right, "Искать всё" keeps its centre's share of the width; the
// result list and the status bar span the width, the list taking the extra height.
void TFormFind::placeControls() {
    const int width = this->width(), height = this->height();
    QLineEdit* fields[] = {EditYes, EditNo, EditOr};
    QLabel* labels[] = {LabelYes, LabelNo, LabelOr};
    for (std::size_t i = 0; i < 3; ++i) {
        const int top = kFieldTops[i];
        labels[i]->setGeometry(kLeft, top, editLeft_ - kLeft - kLabelGap, kFieldHeight);
        fields[i]->setGeometry(editLeft_, top, std::max(0, width - editLeft_ - kRight),
                               kFieldHeight);
    }

    const int h = kButtonSize.height();
    BitBtn1->setGeometry(kLeft, kButtonTop, ButtonWidth(BitBtn1), h);
    const double centreShare =
        (kBtnAllLeft + kButtonSize.width() / 2.0) / static_cast<double>(kClientSize.width());
    const int allWidth = ButtonWidth(BtnAll);
    BtnAll->setGeometry(static_cast<int>(std::lround(centreShare * width - allWidth / 2.0)),
                        kButtonTop, allWidth, h);
    const int findWidth = ButtonWidth(ButtonFind);
    ButtonFind->setGeometry(width - kRight - findWidth, kButtonTop, findWidth, h);

    ListViewFind->setGeometry(0, kListTop, width, std::max(0, height - kClientSize.height()));
    StatusBar1->setGeometry(0, height - kStatusBarHeight, width, kStatusBarHeight);
}
