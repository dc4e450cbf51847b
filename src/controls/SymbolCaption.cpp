#include "controls/SymbolCaption.h"

#include "controls/SharedFace.h"

#include <QRawFont>

#include <algorithm>

namespace {

bool symbolCaption(const QString &caption, const QFont &font)
{
    if (caption.isEmpty() || caption.size() > 3 || font.letterSpacing() != 0 ||
        font.wordSpacing() != 0 || font.capitalization() != QFont::MixedCase)
        return false;
    if (caption[0] < u'A' || caption[0] > u'Z')
        return false;
    return std::all_of(caption.begin() + 1, caption.end(),
                       [](QChar c) { return c >= u'a' && c <= u'z'; });
}

} // namespace

std::optional<QGlyphRun> symbolCaptionRun(const QString &caption, const QFont &font)
{
    if (!symbolCaption(caption, font))
        return std::nullopt;
    QRawFont raw = sharedFace(font);
    if (!raw.isValid())
        raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return std::nullopt;
    const QList<quint32> glyphs = raw.glyphIndexesForString(caption);
    if (glyphs.size() != caption.size() || glyphs.contains(0u))
        return std::nullopt;
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(
        glyphs, font.kerning() ? QRawFont::KernedAdvances : QRawFont::SeparateAdvances);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    qreal x = 0;
    for (const QPointF &advance : advances) {
        positions.append(QPointF(x, raw.ascent()));
        x += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setBoundingRect(QRectF(0, 0, x, raw.ascent() + raw.descent()));
    return run;
}
