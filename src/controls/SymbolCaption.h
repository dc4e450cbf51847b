#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QString>

#include <optional>

// The glyph run a text layout gives `caption` on one line at x = 0 (glyphs on the baseline,
// boxed from the line's top by their advance and the font's height), for a caption such as an
// element's symbol: a capital and at most two small letters, unaccented, in a font without
// added spacing. No ligature joins such letters, and the font's kerning of them is what
// shaping them gives: they are placed from the kerned advances of the font's shared face
// (SharedFace), at a fraction of a text layout's cost. Nothing for any other caption, or where the font lacks a letter.
std::optional<QGlyphRun> symbolCaptionRun(const QString &caption, const QFont &font);
