#pragma once
// The font dialog: the user picks a font and the colour of its text, starting from the
// ones the caller hands in.

#include <QColor>
#include <QFont>
#include <optional>

class QWidget;

struct FontChoice {
    QFont font;
    QColor color;
    bool operator==(const FontChoice&) const = default;
};

class FontDialogs {
  public:
    virtual ~FontDialogs() = default;
    // The font and colour the user confirmed, or nothing when the dialog was cancelled.
    virtual std::optional<FontChoice> Choose(const FontChoice& initial, QWidget* parent) = 0;
};

// The toolkit's own modal font dialog, above every window of the program, with the
// classic dialog's sixteen basic colours, after the window's text colour, beside its
// effects.
class QtFontDialogs : public FontDialogs {
  public:
    std::optional<FontChoice> Choose(const FontChoice& initial, QWidget* parent) override;
};
