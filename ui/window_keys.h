#pragma once
// A window's keys come before its controls' own key bindings: a key that one of the
// window's commands answers at the focused control reaches that command, even where the
// control binds the key itself (a line edit's Ctrl+E goes to the end of its line), and
// an item view never puts its focused cell's text on the clipboard (only the opcode lists
// copy, through their copy commands).

class QWidget;

// Watches the keys of `window` and its controls for as long as the window lives.
void KeepWindowKeys(QWidget* window);
