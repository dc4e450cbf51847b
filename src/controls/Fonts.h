#pragma once

#include <QFont>
#include <QString>

#include <functional>

class QFontMetrics;
class QLabel;

// The installed family that stands in for a font the layouts name (Arial, Arial Narrow,
// Times New Roman), or `family` itself.
QString installedFamily(const QString &family);

// Fonts named as the window layouts name them, with character heights in pixels.
QFont pixelFont(const QString &family, int pixelHeight, bool bold = false);
// The same, but with MS Sans Serif asked for by the installed family that draws it, as
// Arial is: for boxes whose text is laid out by Qt alone. A formula edit keeps the Windows
// name, by which its layout knows the bitmap face it was drawn for.
QFont installedPixelFont(const QString &family, int pixelHeight, bool bold = false);

// Maps the layouts' Windows font names onto the metric-compatible fonts installed
// on Linux: Arial and MS Sans Serif onto Liberation Sans, Arial Narrow onto Liberation
// Sans Narrow, Times New Roman onto Liberation Serif. Called once at start-up, before
// any window is built.
void installFontSubstitutions();

// The width a one-line text takes in pixels: its advance, or more where the ink of a
// bold glyph at its end reaches past the advance.
int textWidth(const QFontMetrics &metrics, const QString &text);

// `font` when `text` fits `width` pixels in it; otherwise the narrow face of the same
// size, and failing that the largest smaller size of the narrow face that fits, down to
// 8 pixels (below that, `font` again: such a text, a rule of hyphens, is not meant to
// fit). Times New Roman, which has no narrow face installed, is condensed instead. The
// substitutes are wider than the fonts the layouts were drawn for, and a box
// keeps its size.
QFont fittingFont(const QFont &font, const QString &text, int width);

// `font`, or the largest smaller size of it whose line, from the top of its accents to
// the foot of its descenders, fits `height` pixels.
QFont fontForHeight(const QFont &font, int height);

// A label of one line of plain text, neither a buddy's nor indented by its font's width: drawn
// and measured by the text's bounds alone.
bool oneLineOfPlainText(const QLabel *label);

// Sizes a one-line label to its text, ink included.
void sizeToText(QLabel *label);

// Runs `build` with `font` standing in for the application's default font, which is given
// back after. A new line edit lays out its empty text once in the default font before it
// takes its own: given the font it is about to take, the desktop's default face is not
// loaded for a layout nobody sees. The default font keeps following the desktop's.
void withDefaultFont(const QFont &font, const std::function<void()> &build);
