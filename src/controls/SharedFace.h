#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QString>
#include <QTextLayout>

#include <memory>

#include <optional>

// A face loaded once for each family and style, and drawn at every pixel size from there.
// Each font Qt loads by itself at a new size goes through fontconfig's matching once more (as
// costly as painting the whole table); a face resized keeps what its first match found.

// The raw font that draws `font`: the face of its family and style at its pixel size, resized
// from the size the face was first loaded at. Invalid for a font sized in points, or whose
// face does not scale smoothly (a bitmap face has sizes of its own).
QRawFont sharedFace(const QFont &font);

// One line of text as a text layout in `font` shapes it, drawn from the font's shared face,
// with its line at (0, 0). Nothing where the face lacks a character of the text (the font
// would draw it from a fallback face), for a line break, a tab or a right-to-left text, or for
// a font with added spacing or a capitalisation.
struct SharedLine
{
    // The shaped text, drawn as a painter draws a text; none for a short caption (an element's
    // symbol, a number) placed from the face's own advances, drawn as its glyph runs.
    std::shared_ptr<QTextLayout> layout;
    QList<QGlyphRun> runs; // its glyphs, on the baseline at x = 0
    QRawFont face;
    qreal ascent = 0;
    qreal height = 0;       // the line's, as a text layout gives it
    qreal naturalWidth = 0; // the width of the text, trailing blanks left out
    qreal advance = 0;      // the width it takes, trailing blanks included
    // How far right the ink of its glyphs reaches, as the font's metrics round it.
    int inkRight() const;
};
std::optional<SharedLine> sharedLine(const QString &text, const QFont &font);
