#pragma once
// Modal message boxes with one "OK" button: the error box ("Error", error icon) and the
// warning box ("Warning", warning icon). Texts may hold CR LF line ends.

#include <QString>

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void Error(const QString& text) = 0;
    virtual void Warning(const QString& text) = 0;
};

// The boxes on screen, over the active window and above every other window of the
// program; each returns once the user closed it, with that window active again.
class QtMessageBoxes : public MessageBoxes {
  public:
    void Error(const QString& text) override;
    void Warning(const QString& text) override;
};
