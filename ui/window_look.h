#pragma once
// The look both windows share.

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// Starts the system's font configuration (its configuration files and font cache read) on
// a second thread; the program calls it first, as the application object's making and the
// window's first steps need no font. Qt's first use of a font would otherwise do it.
void BeginFontSetUp();

// 8-point "MS Sans Serif", or the desktop's sans-serif face where that one is missing.
// Waits for what BeginFontSetUp started.
QFont DesignedFont();

// The name of the application's style, beneath the program's own adjustments of it.
QString ApplicationStyleName();

// Selections stay drawn in full colour when the view loses the focus.
void KeepSelectionDrawn(QWidget* view);

// The colour of the lines and boxes drawn on the palette's base (grid lines, the tree's
// connecting lines): the palette's mid tone where it stands out from the base, as on a
// light desktop; else, as under dark themes whose mid tones lie close to their base, the
// base blended towards the window's text colour until it does.
QColor LineColor(const QPalette& palette);
