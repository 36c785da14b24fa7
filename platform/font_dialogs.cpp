#include "platform/font_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPixmap>

namespace {

// The sixteen basic colours of the classic font dialog.
constexpr std::pair<const char*, QRgb> kBasicColors[] = {
    {QT_TRANSLATE_NOOP("FontDialogs", "Чёрный"), 0x000000},
    {QT_TRANSLATE_NOOP("FontDialogs", "Бордовый"), 0x800000},
    {QT_TRANSLATE_NOOP("FontDialogs", "Зелёный"), 0x008000},
    {QT_TRANSLATE_NOOP("FontDialogs", "Оливковый"), 0x808000},
    {QT_TRANSLATE_NOOP("FontDialogs", "Тёмно-синий"), 0x000080},
    {QT_TRANSLATE_NOOP("FontDialogs", "Фиолетовый"), 0x800080},
    {QT_TRANSLATE_NOOP("FontDialogs", "Сине-зелёный"), 0x008080},
    {QT_TRANSLATE_NOOP("FontDialogs", "Серый"), 0x808080},
    {QT_TRANSLATE_NOOP("FontDialogs", "Серебристый"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("FontDialogs", "Красный"), 0xFF0000},
    {QT_TRANSLATE_NOOP("FontDialogs", "Ярко-зелёный"), 0x00FF00},
    {QT_TRANSLATE_NOOP("FontDialogs", "Жёлтый"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("FontDialogs", "Синий"), 0x0000FF},
    {QT_TRANSLATE_NOOP("FontDialogs", "Фуксия"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("FontDialogs", "Голубой"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("FontDialogs", "Белый"), 0xFFFFFF}};

QPixmap Swatch(const QColor& color) {
    QPixmap swatch(16, 12);
    swatch.fill(color);
    return swatch;
}

// The colour box, with the text colour of the window's palette first as an entry of its
// own (under a dark theme it is none of the sixteen).
QComboBox* NewColorBox(QWidget* parent, const QColor& windowText, const QColor& initial) {
    auto* colors = new QComboBox(parent);
    colors->setObjectName(QStringLiteral("FontColor"));
    colors->addItem(Swatch(windowText),
                    QCoreApplication::translate("FontDialogs", "Цвет текста окна"), windowText);
    for (const auto& [name, rgb] : kBasicColors)
        colors->addItem(Swatch(QColor(rgb)), QCoreApplication::translate("FontDialogs", name),
                        QColor(rgb));
    colors->setCurrentIndex(colors->findData(initial));
    return colors;
}

} // namespace

std::optional<FontChoice> QtFontDialogs::Choose(const FontChoice& initial, QWidget* parent) {
    // Opened at the face and the style that really show: given a face the system stands in
    // for, or no style name, the dialog would select the first style it lists ("Oblique",
    // say), and confirming it unchanged would change the font.
    const QFontInfo shown(initial.font);
    QFont font = initial.font;
    font.setFamily(shown.family());
    font.setStyleName(shown.styleName());
    QFontDialog dialog(font, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // Above the search window that stays on top, as the message boxes are.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    const QPalette& palette = parent ? parent->palette() : QGuiApplication::palette();
    QComboBox* colors = NewColorBox(&dialog, palette.color(QPalette::Text), initial.color);
    auto* label = new QLabel(QCoreApplication::translate("FontDialogs", "&Цвет:"), &dialog);
    label->setObjectName(QStringLiteral("FontColorLabel"));
    label->setBuddy(colors);
    // Under the effects: the group of the strikeout and underline boxes.
    const QCheckBox* effect = dialog.findChild<QCheckBox*>();
    QWidget* effects = effect ? effect->parentWidget() : nullptr;
    if (effects && effects->layout()) {
        effects->layout()->addWidget(label);
        effects->layout()->addWidget(colors);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // A colour that is none of the box's (the palette has changed since) stays until another
    // is picked.
    return FontChoice{dialog.selectedFont(), colors->currentIndex() < 0
                                                 ? initial.color
                                                 : colors->currentData().value<QColor>()};
}
