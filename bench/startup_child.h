#pragma once
// The child process of the start-up benchmark.

inline constexpr char kStartupChildOption[] = "--startup-child=";

// "full": the program's own start (application object, main window with the whole
// loading, search window, show); "empty": Qt's share alone (application object and an
// empty main window, shown). Returns the exit code once the window is on screen, after
// writing its own peak resident size in KiB (VmHWM) to its standard output.
int RunStartupChild(const char* what, int argc, char** argv);
