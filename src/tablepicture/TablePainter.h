#pragma once

class QPainter;
struct TablePicture;

// Draws a table picture at its natural size from the painter's origin, on white, as its
// layout places it; vector output stays vector, text stays text.
namespace TablePainter {

void paint(QPainter &painter, const TablePicture &picture);

} // namespace TablePainter
