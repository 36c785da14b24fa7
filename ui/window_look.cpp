#include "ui/window_look.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

QFont DesignedFont() {
    // Resolved once, to a face the system has: a family it lacks would be looked up again
    // for each script and weight the windows draw in.
    static const QString family = [] {
        const QString designed = QStringLiteral("MS Sans Serif");
        return QFontDatabase::hasFamily(designed) ? designed
                                                  : QFontInfo(QGuiApplication::font()).family();
    }();
    QFont font(family, 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void KeepSelectionDrawn(QWidget* view) {
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}
