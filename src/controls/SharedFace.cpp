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

namespace {

// A caption such as an element's symbol, a group's number or a period's Roman numeral: a
// capital and at most two small letters, or at most four capitals or digits, unaccented. No
// ligature joins such characters, and the font's kerning of them is what shaping them gives:
// they are placed from the face's kerned advances, at a fraction of shaping's cost.
bool unshapedCaption(const QString &text)
{
    if (text.isEmpty() || text.size() > 4)
        return false;
    const auto capital = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    const auto small = [](QChar c) { return c >= u'a' && c <= u'z'; };
    const auto capitalOrDigit = [&capital](QChar c) {
        return capital(c) || (c >= u'0' && c <= u'9');
    };
    if (std::all_of(text.begin(), text.end(), capitalOrDigit))
        return true;
    return text.size() <= 3 && capital(text[0]) && std::all_of(text.begin() + 1, text.end(), small);
}

void placeUnshaped(SharedLine &line, const QList<quint32> &glyphs, bool kerning)
{
    const QList<QPointF> advances = line.face.advancesForGlyphIndexes(
        glyphs, kerning ? QRawFont::KernedAdvances : QRawFont::SeparateAdvances);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    qreal x = 0;
    for (const QPointF &advance : advances) {
        positions.append(QPointF(x, line.ascent));
        x += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(line.face);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setBoundingRect(QRectF(0, 0, x, line.height));
    line.runs = {run};
    line.naturalWidth = x;
    line.advance = x;
}

void shape(SharedLine &line, const QString &text, const QFont &font)
{
    line.layout = std::make_shared<QTextLayout>(text);
    QTextLayout &layout = *line.layout;
    layout.setRawFont(line.face);
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
    const QTextLine textLine = layout.createLine();
    layout.endLayout();
    if (!textLine.isValid())
        return;
    line.height = textLine.height();
    line.naturalWidth = textLine.naturalTextWidth();
    line.advance = textLine.horizontalAdvance();
    line.runs = layout.glyphRuns();
}

} // namespace

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
    SharedLine line;
    line.face = sharedFace(font);
    if (!line.face.isValid())
        return std::nullopt;
    const QList<quint32> glyphs = line.face.glyphIndexesForString(text);
    if (glyphs.contains(0u))
        return std::nullopt;
    line.ascent = line.face.ascent();
    line.height = line.face.ascent() + line.face.descent();
    if (unshapedCaption(text) && glyphs.size() == text.size())
        placeUnshaped(line, glyphs, font.kerning());
    else
        shape(line, text, font);
    return line;
}

int SharedLine::inkRight() const
{
    // As the font's tight bounds: each glyph's ink placed at the sum of the advances before
    // it, unkerned, in 1/64 pixels rounded half up.
    const auto fixedRound = [](qreal v) { return int(std::floor(v + 0.5)); };
    qreal x = 0, left = 0, right = 0;
    bool first = true;
    QList<quint32> drawn;
    for (const QGlyphRun &run : runs)
        drawn += run.glyphIndexes();
    const QList<QPointF> advances = face.advancesForGlyphIndexes(drawn, QRawFont::SeparateAdvances);
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        const QRectF ink = face.boundingRect(drawn[i]);
        left = first ? x + ink.x() : std::min(left, x + ink.x());
        right = first ? x + ink.x() + ink.width() : std::max(right, x + ink.x() + ink.width());
        first = false;
        x += advances[i].x();
    }
    return first ? 0 : fixedRound(left) + fixedRound(right - left);
}
