#pragma once
// What screen readers are told of the two opcode lists: a table of rows and columns with
// the column captions as its header, whose cells are named by their texts and are
// selected and focused as the list's rows are. Qt's own would call a list a tree and offer
// a "Toggle" action on every cell. The cells' interfaces are made only when a screen reader
// asks for them, so the list's painting and sorting do no work for them.

// Made once, before the first window.
void InstallOpcodeListAccessible();
