#pragma once
// The child process of the start-up benchmark.

inline constexpr char kStartupChildOption[] = "--startup-child=";

// "full": the program's own start (application object, main window with the whole
// loading, search window, show); "empty": Qt's share alone (application object and an
// empty main window, shown); "text:WxH": Qt's share of any window that shows text (a main
// window of that size whose only content is one label: the font set-up, a backing store of
// that size); "growth:ACTION": the program's own start as "full", then one user action
// (see RunAction). Once the window is on screen, writes its own peak resident size in KiB
// (VmHWM) and the window's width and height to its standard output and ends the process.
int RunStartupChild(const char* what, int argc, char** argv);
