#include "platform/font_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLayout>
#include <QPixmap>

namespace {

// The sixteen basic colours of the classic font dialog.
constexpr std::pair<const char16_t*, QRgb> kBasicColors[] = {
    {u"Чёрный", 0x000000},       {u"Бордовый", 0x800000},     {u"Зелёный", 0x008000},
    {u"Оливковый", 0x808000},    {u"Тёмно-синий", 0x000080},  {u"Фиолетовый", 0x800080},
    {u"Сине-зелёный", 0x008080}, {u"Серый", 0x808080},        {u"Серебристый", 0xC0C0C0},
    {u"Красный", 0xFF0000},      {u"Ярко-зелёный", 0x00FF00}, {u"Жёлтый", 0xFFFF00},
    {u"Синий", 0x0000FF},        {u"Фуксия", 0xFF00FF},       {u"Голубой", 0x00FFFF},
    {u"Белый", 0xFFFFFF}};

QComboBox* NewColorBox(QWidget* parent, const QColor& initial) {
    auto* colors = new QComboBox(parent);
    colors->setObjectName(QStringLiteral("FontColor"));
    for (const auto& [name, rgb] : kBasicColors) {
        QPixmap swatch(16, 12);
        swatch.fill(QColor(rgb));
        colors->addItem(QIcon(swatch), QString::fromUtf16(name), QColor(rgb));
    }
    colors->setCurrentIndex(colors->findData(initial));
    return colors;
}

} // namespace

std::optional<FontChoice> QtFontDialogs::Choose(const FontChoice& initial, QWidget* parent) {
    QFontDialog dialog(initial.font, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // Above the search window that stays on top, as the message boxes are.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    QComboBox* colors = NewColorBox(&dialog, initial.color);
    // Under the effects: the group of the strikeout and underline boxes.
    const QCheckBox* effect = dialog.findChild<QCheckBox*>();
    if (QWidget* effects = effect ? effect->parentWidget() : nullptr; effects && effects->layout())
        effects->layout()->addWidget(colors);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // A colour that is none of the sixteen stays until another is picked.
    return FontChoice{dialog.selectedFont(), colors->currentIndex() < 0
                                                 ? initial.color
                                                 : colors->currentData().value<QColor>()};
}
