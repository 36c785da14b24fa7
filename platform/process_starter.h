#pragma once
// Starts an outside program without waiting for it, the way a bare program name is run
// on the desktop: looked up in the running executable's folder, then in the current
// directory, then along PATH.

#include <QString>

struct StartResult {
    bool started = false;
    QString error; // why it did not start; empty when it did
};

class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // `minimised` asks for the new program's window to open minimised.
    virtual StartResult Start(const QString& program, bool minimised) = 0;
};

// Set to "1" in the environment of a program started minimised. X11 has no show code to
// pass along, so a Kelpra started this way minimises its own main window.
inline constexpr char kStartMinimizedVariable[] = "KELPRA_START_MINIMIZED";

class DetachedProcessStarter : public ProcessStarter {
  public:
    StartResult Start(const QString& program, bool minimised) override;
};
