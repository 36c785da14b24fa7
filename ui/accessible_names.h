#pragma once
// What screen readers are told of the windows' controls (the desktop's accessibility
// interface): each control's name in the interface's language, its hint as its
// description, and a role that says what it is where Qt's own gives none.

class QString;
class QWidget;

// Roles Qt leaves unknown: a splitter's handle is a separator, and the search window a
// dialog, whose title the screen reader announces when it opens. Made once, before the
// first window.
void InstallAccessibleRoles();

// The control's name, and the hint it shows in the status bar as its description.
void NameForScreenReaders(QWidget* control, const QString& name);
