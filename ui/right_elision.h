#pragma once
// Right elision of a line of text already laid out, with the very result of Qt's own
// (QFontMetrics::elidedText, then a layout of the elided text), but without laying the
// text out twice more: the characters kept and their glyphs come from the line's own
// glyphs, and only the ellipsis is placed anew (once per character it can follow). A long
// text need not be laid out past what can show.

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QTextOption>
#include <unordered_map>

class QTextLayout;

class RightElision {
  public:
    // How many of the text's first characters to lay out to elide it to `width` pixels:
    // fewer than all only when those surely reach past the width and every character is
    // drawn from the font itself (no fall-back font that could change the line's height).
    qsizetype Start(const QString& text, const QFont& font, int width);

    // The glyphs that draw a text elided to `width` pixels, from `laidOut`: one line laid
    // out with `option`, of the whole text or of the start Start() gave (whose last few
    // characters may be shaped otherwise than in the whole text). False, and nothing done,
    // for a text whose elision only Qt itself can reproduce: other than left to right and
    // left aligned, marks, surrogates or invisible characters, a character drawn with more
    // than one glyph, an elision inside or right after a ligature, or a start too short
    // after all.
    bool Glyphs(const QTextLayout& laidOut, bool whole, const QTextOption& option, int width,
                QList<QGlyphRun>& glyphs);

    // Qt's own elision of a text from the start Start() gave, where that is enough: the
    // text to lay out, or a null string where the start turns out too short.
    QString ElidedStart(const QString& start, const QFont& font, int width) const;

  private:
    void UseFont(const QFont& font);
    // A character's own advance in the font, or -1 where the font itself lacks it.
    qreal Advance(QChar c);
    // The ellipsis where Qt places it after `last` (none: at the line's start), relative
    // to `last`'s own position.
    const QGlyphRun& Ellipsis(const QTextOption& option, QChar last);

    QFont font_; // of what is kept below
    QRawFont raw_;
    qreal slack_ = 0; // for the kerning a start's own advances leave out
    std::unordered_map<char16_t, qreal> advances_;
    std::unordered_map<char16_t, QGlyphRun> after_; // ellipses, by the character they follow
};
