#include "ui/right_elision.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr char16_t kEllipsis = u'\x2026';
constexpr char16_t kNone = 0; // no character before the ellipsis (never in an elided text)
// How far the shaping of a text's start may differ from the whole text's at its end
// (kerning, ligatures, contextual forms look a few characters ahead).
constexpr qsizetype kContext = 8;

// Characters whose width Qt's elision counts as the line's glyphs show it: one glyph
// each, drawn left to right.
bool OneGlyphEach(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        const QChar::Direction direction = c.direction();
        return c.isSurrogate() || c.isMark() || direction == QChar::DirR ||
               direction == QChar::DirAL || direction == QChar::DirAN ||
               direction == QChar::DirBN || direction >= QChar::DirLRE;
    });
}

// The line's runs in order, those that follow one another in one font joined into one,
// as the layout's own glyph runs join them.
QList<QGlyphRun> JoinedRuns(const QList<QGlyphRun>& line) {
    QList<QGlyphRun> runs;
    for (const QGlyphRun& run : line) {
        if (runs.isEmpty() || runs.back().rawFont() != run.rawFont() ||
            runs.back().flags() != run.flags()) {
            runs.append(run);
            continue;
        }
        QGlyphRun& joined = runs.back();
        joined.setGlyphIndexes(joined.glyphIndexes() + run.glyphIndexes());
        joined.setPositions(joined.positions() + run.positions());
        joined.setBoundingRect(joined.boundingRect().united(run.boundingRect()));
    }
    return runs;
}

} // namespace

qsizetype RightElision::Start(const QString& text, const QFont& font, int width) {
    if (width <= 0 || text.size() <= 2 * kContext)
        return text.size();
    UseFont(font);
    // The characters' own advances, with room for kerning, up to past the width.
    const qreal reach = width + width / 32.0 + slack_;
    qreal advance = 0;
    qsizetype start = 0;
    for (; start < text.size() && advance <= reach; ++start) {
        const qreal own = Advance(text[start]);
        if (own < 0)
            return text.size();
        advance += own;
    }
    if (start + kContext >= text.size())
        return text.size();
    for (qsizetype i = start; i < text.size(); ++i)
        if (Advance(text[i]) < 0)
            return text.size();
    return start + kContext;
}

bool RightElision::Glyphs(const QTextLayout& laidOut, bool whole, const QTextOption& option,
                          int width, QList<QGlyphRun>& glyphs) {
    const QString& text = laidOut.text();
    const QFontMetricsF metrics(laidOut.font());
    const Qt::Alignment horizontal =
        option.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    if (horizontal != Qt::AlignLeft || option.textDirection() != Qt::LeftToRight ||
        laidOut.lineCount() != 1 || !OneGlyphEach(text) || !metrics.inFontUcs4(kEllipsis))
        return false;
    const QTextLine line = laidOut.lineAt(0);
    const QList<QGlyphRun> runs = JoinedRuns(line.glyphRuns());
    QList<QPointF> x; // each glyph's position, then the end of the last one's advance
    for (const QGlyphRun& run : runs)
        x.append(run.positions());
    const qsizetype count = x.size(); // of glyphs
    if (count == 0 || count > text.size())
        return false; // invisible characters, or characters drawn in parts
    const qreal start = x.front().x();
    x.append(QPointF(start + line.horizontalAdvance(), x.front().y()));
    // Where each glyph's characters start in the text: ligatures draw several with one.
    const bool ligatures = count < text.size();
    for (qsizetype i = 0; ligatures && i < count; ++i)
        if (x[i + 1].x() <= x[i].x())
            return false; // a glyph with no advance: no glyph boundary tells its characters
    const auto charAt = [&](qsizetype glyph) -> qsizetype {
        if (!ligatures)
            return glyph;
        return glyph == count ? text.size() : line.xToCursor(x[glyph].x());
    };

    if (!whole) {
        // The elision must fall where the start is shaped as in the whole text: the
        // characters before the first glyph past the width leave the start's last few.
        qsizetype past = 0;
        while (past < count && x[past].x() - start <= width)
            ++past;
        if (x[past].x() - start <= width || charAt(past) + kContext > text.size())
            return false;
    } else if (x.back().x() - start <= width) {
        // Qt elides by the advances: a line wider only by its last glyph's overhang stays whole.
        glyphs = runs;
        return true;
    }
    const qreal available = width - metrics.horizontalAdvance(QChar(kEllipsis));
    if (available < 0) {
        glyphs.clear(); // not even the ellipsis fits: Qt leaves nothing
        return true;
    }
    // Kept: the glyphs before the first one whose advance reaches the available width
    // (Qt counts a ligature's advance to its first character), and their characters.
    qsizetype kept = 0;
    while (kept + 1 < count && x[kept + 1].x() - start < available)
        ++kept;
    const qsizetype keptChars = charAt(kept);
    // Qt stops at the text's last character at the latest, which may lie inside the last
    // ligature; and the ellipsis follows a character of its own glyph.
    if (ligatures &&
        ((kept + 1 == count && x[count].x() - start < available && keptChars + 1 != text.size()) ||
         (kept > 0 && charAt(kept - 1) + 1 != keptChars)))
        return false;
    UseFont(laidOut.font());
    QGlyphRun ellipsis = Ellipsis(option, keptChars > 0 ? text[keptChars - 1] : QChar(kNone));
    if (ellipsis.isEmpty())
        return false;
    glyphs.clear();
    for (qsizetype left = kept, i = 0; left > 0; left -= runs[i++].glyphIndexes().size()) {
        QGlyphRun part(runs[i]);
        const qsizetype n = std::min(left, part.glyphIndexes().size());
        part.setGlyphIndexes(part.glyphIndexes().first(n));
        part.setPositions(part.positions().first(n));
        glyphs.append(part);
    }
    const QPointF from = kept > 0 ? x[kept - 1] : QPointF(start, x.front().y());
    ellipsis.setPositions({ellipsis.positions().front() + QPointF(from.x(), 0)});
    glyphs.append(ellipsis);
    return true;
}

QString RightElision::ElidedStart(const QString& start, const QFont& font, int width) const {
    const QString shown = QFontMetrics(font).elidedText(start, Qt::ElideRight, width);
    const qsizetype kept = shown.size() - 1;
    if (!shown.endsWith(QChar(kEllipsis)) || kept + kContext >= start.size())
        return {};
    return shown;
}

void RightElision::UseFont(const QFont& font) {
    if (font == font_ && raw_.isValid())
        return;
    font_ = font;
    raw_ = QRawFont::fromFont(font);
    slack_ = QFontMetricsF(font).height();
    advances_.clear();
    after_.clear();
}

qreal RightElision::Advance(QChar c) {
    const auto [found, added] = advances_.try_emplace(c.unicode(), -1);
    if (added && raw_.supportsCharacter(c))
        found->second = QFontMetricsF(font_).horizontalAdvance(c);
    return found->second;
}

const QGlyphRun& RightElision::Ellipsis(const QTextOption& option, QChar last) {
    QGlyphRun& ellipsis = after_[last.unicode()];
    if (!ellipsis.isEmpty())
        return ellipsis;
    // Laid out after that character, as Qt lays the elided text out: any kerning between
    // the two moves the ellipsis.
    QTextLayout pair(
        last == QChar(kNone) ? QString(QChar(kEllipsis)) : QString(last) + QChar(kEllipsis), font_);
    pair.setTextOption(option);
    pair.beginLayout();
    pair.createLine().setLineWidth(1e5);
    pair.endLayout();
    const QList<QGlyphRun> runs = pair.glyphRuns();
    if (runs.isEmpty() || runs.front().isEmpty())
        return ellipsis; // none: Qt's elision is left to Qt
    ellipsis = runs.back();
    const qreal origin = last == QChar(kNone) ? 0 : runs.front().positions().front().x();
    ellipsis.setGlyphIndexes({ellipsis.glyphIndexes().back()});
    ellipsis.setPositions({ellipsis.positions().back() - QPointF(origin, 0)});
    return ellipsis;
}
