#pragma once
// Right elision of a line of text already laid out, with the very result of Qt's own
// (QFontMetrics::elidedText, then a layout of the elided text), but without laying the
// text out twice more: the characters kept and their glyphs come from the line's own
// glyphs, and only the ellipsis is placed anew (once per character it can follow).

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QTextOption>
#include <unordered_map>

class QTextLayout;

class RightElision {
  public:
    // The glyphs that draw `whole`, one line laid out with `option` in `width` pixels,
    // elided to that width. False, and nothing done, for a text whose elision only Qt
    // itself can reproduce: other than left to right and left aligned, or not one glyph
    // per character (ligatures, marks, surrogates, invisible characters).
    bool Glyphs(const QTextLayout& whole, const QTextOption& option, int width,
                QList<QGlyphRun>& glyphs);

  private:
    // The ellipsis where Qt places it after `last` (none: at the line's start), relative
    // to `last`'s own position.
    const QGlyphRun& Ellipsis(const QFont& font, const QTextOption& option, QChar last);

    QFont font_;                                    // of the ellipses kept
    std::unordered_map<char16_t, QGlyphRun> after_; // by the character they follow
};
