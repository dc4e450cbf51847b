#include "controls/SharedFace.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QTextCharFormat>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

struct Faces
{
    // By the font without its size: the face as first loaded. Every font that differs from
    // another by its size alone is matched to the same face.
    QList<std::pair<QFont, QRawFont>> loaded;
    // By the font as asked for: a few fonts, each shared by many boxes.
    QList<std::pair<QFont, QRawFont>> sized;
};

Faces *faces()
{
    // Given up before the application tears its font machinery down: a raw font holds a
    // font engine of its own.
    static Faces *held = [] {
        qAddPostRoutine([] {
            delete held;
            held = nullptr;
        });
        return new Faces;
    }();
    if (!held)
        held = new Faces; // a later application's
    return held;
}

const QRawFont *findFace(const QList<std::pair<QFont, QRawFont>> &faces, const QFont &font)
{
    for (const auto &[asked, face] : faces)
        if (asked == font)
            return &face;
    return nullptr;
}

} // namespace

QRawFont sharedFace(const QFont &font)
{
    const int pixels = font.pixelSize();
    if (pixels <= 0)
        return {};
    Faces *cache = faces();
    if (const QRawFont *found = findFace(cache->sized, font))
        return *found;
    QFont unsized = font;
    unsized.setPixelSize(1);
    unsized.setKerning(true);
    QRawFont face;
    if (const QRawFont *first = findFace(cache->loaded, unsized)) {
        face = *first;
        if (face.isValid())
            face.setPixelSize(pixels);
    } else {
        face = QRawFont::fromFont(font);
        if (face.isValid() &&
            !QFontDatabase::isSmoothlyScalable(face.familyName(), face.styleName()))
            face = QRawFont();
        cache->loaded.append({unsized, face});
    }
    cache->sized.append({font, face});
    return face;
}

std::optional<SharedLine> sharedLine(const QString &text, const QFont &font)
{
    if (font.letterSpacing() != 0 || font.wordSpacing() != 0 ||
        font.capitalization() != QFont::MixedCase || text.isRightToLeft())
        return std::nullopt;
    if (std::any_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x20 || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator || c.isSurrogate();
        }))
        return std::nullopt;
    SharedLine shaped;
    shaped.face = sharedFace(font);
    if (!shaped.face.isValid())
        return std::nullopt;
    const QList<quint32> glyphs = shaped.face.glyphIndexesForString(text);
    if (glyphs.contains(0u))
        return std::nullopt;
    shaped.layout = std::make_shared<QTextLayout>(text);
    QTextLayout &layout = *shaped.layout;
    layout.setRawFont(shaped.face);
    layout.setCacheEnabled(true);
    QTextOption option = layout.textOption();
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    // A raw font's layout takes its shaping options from the text's format, not the font.
    QTextCharFormat format;
    format.setFontKerning(font.kerning());
    format.setFontStyleStrategy(font.styleStrategy());
    layout.setFormats({{0, int(text.size()), format}});
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    shaped.ascent = shaped.face.ascent();
    shaped.height = shaped.face.ascent() + shaped.face.descent();
    if (!line.isValid())
        return shaped;
    shaped.height = line.height();
    shaped.naturalWidth = line.naturalTextWidth();
    shaped.advance = line.horizontalAdvance();
    shaped.runs = layout.glyphRuns();
    // As the font's tight bounds: each glyph's ink placed at the sum of the advances before
    // it, unkerned, in 1/64 pixels rounded half up.
    const auto fixedRound = [](qreal v) { return int(std::floor(v + 0.5)); };
    qreal x = 0, left = 0, right = 0;
    bool first = true;
    QList<quint32> shapedGlyphs;
    for (const QGlyphRun &run : std::as_const(shaped.runs))
        shapedGlyphs += run.glyphIndexes();
    const QList<QPointF> advances =
        shaped.face.advancesForGlyphIndexes(shapedGlyphs, QRawFont::SeparateAdvances);
    for (qsizetype i = 0; i < shapedGlyphs.size(); ++i) {
        const QRectF ink = shaped.face.boundingRect(shapedGlyphs[i]);
        left = first ? x + ink.x() : std::min(left, x + ink.x());
        right = first ? x + ink.x() + ink.width() : std::max(right, x + ink.x() + ink.width());
        first = false;
        x += advances[i].x();
    }
    if (!first)
        shaped.inkRight = fixedRound(left) + fixedRound(right - left);
    return shaped;
}
