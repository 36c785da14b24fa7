#pragma once
// The font dialog: the user picks a font, starting from the one the caller hands in.

#include <QFont>
#include <optional>

class QWidget;

class FontDialogs {
  public:
    virtual ~FontDialogs() = default;
    // The font the user confirmed, or nothing when the dialog was cancelled.
    virtual std::optional<QFont> Choose(const QFont& initial, QWidget* parent) = 0;
};

// The toolkit's own modal font dialog, above every window of the program.
class QtFontDialogs : public FontDialogs {
  public:
    std::optional<QFont> Choose(const QFont& initial, QWidget* parent) override;
};
