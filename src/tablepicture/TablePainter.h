#pragma once

#include <QColor>

class QPainter;
struct TablePicture;

// Draws a table picture at its natural size from the painter's origin, on white, as its
// layout places it; vector output stays vector, text stays text.
namespace TablePainter {

void paint(QPainter &painter, const TablePicture &picture);

// The colour an element's caption is drawn in on paper: the button's own, unless it
// nearly vanishes on the fill (a contrast ratio under 2, as black on navy), when black or
// white, whichever stands out more. The screen may live with such a caption, as the hover
// panel names the element; a sheet of paper has nothing else.
QColor legibleCaption(const QColor &fill, const QColor &caption);

} // namespace TablePainter
