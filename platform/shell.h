#pragma once
// Hands a web address or a file to the desktop, which opens it with the program the
// user chose for it. The program does not wait for that program.

#include <QString>

struct ShellResult {
    bool ok = false;
    QString error; // the platform's text for the failure; empty on success
};

class Shell {
  public:
    virtual ~Shell() = default;
    // `target` is a web address ("https://...") or a Windows-style file name relative to
    // the current directory ("Intro.html").
    virtual ShellResult Open(const QString& target) = 0;
};

class DesktopShell : public Shell {
  public:
    ShellResult Open(const QString& target) override;
};
