#pragma once
// The look both windows share.

#include <QFont>

class QWidget;

// 8-point "MS Sans Serif", or the desktop's sans-serif face where that one is missing.
QFont DesignedFont();

// Selections stay drawn in full colour when the view loses the focus.
void KeepSelectionDrawn(QWidget* view);
