#include "ui/window_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPalette>
#include <QProxyStyle>
#include <QWidget>
#include <cstdlib>
#include <future>

#if KELPRA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

std::future<void>& FontSetUp() {
    static std::future<void> setUp;
    return setUp;
}

} // namespace

void BeginFontSetUp() {
#if KELPRA_FONTCONFIG
    // The library makes its configuration once, for all threads; Qt's font database then
    // finds it made.
    FontSetUp() = std::async(std::launch::async, [] { FcInit(); });
#endif
}

QFont DesignedFont() {
    // Resolved once, to a face the system has: a family it lacks would be looked up again
    // for each script and weight the windows draw in.
    static const QString family = [] {
        // Two threads that both find the configuration unmade would each make it.
        if (FontSetUp().valid())
            FontSetUp().get();
        const QString designed = QStringLiteral("MS Sans Serif");
        return QFontDatabase::hasFamily(designed) ? designed
                                                  : QFontInfo(QGuiApplication::font()).family();
    }();
    QFont font(family, 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString ApplicationStyleName() {
    const QStyle* style = QApplication::style();
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style->name();
}

void KeepSelectionDrawn(QWidget* view) {
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

QColor LineColor(const QPalette& palette) {
    // Lightness apart, out of 255, that reads as a line at a glance.
    constexpr int kContrast = 64;
    const QColor base = palette.color(QPalette::Base);
    const QColor mid = palette.color(QPalette::Mid);
    if (std::abs(mid.lightness() - base.lightness()) >= kContrast)
        return mid;
    // The window's text colour, which the user's choice of the list's text colour leaves.
    const QColor text = palette.color(QPalette::WindowText);
    const auto blend = [](int from, int to) { return from + (to - from) * 2 / 5; };
    return QColor(blend(base.red(), text.red()), blend(base.green(), text.green()),
                  blend(base.blue(), text.blue()));
}
