#pragma once

#include "data/ElementTable.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <vector>

struct TablePicture;

// Where everything of a table picture stands, in picture units (pixels of the picture at
// its natural size): the title on top, the element cells as the periodic table lays them out
// with group numbers above the columns and period numerals left of the rows, and the legend
// in the gap above the transition metals. Painting and the tests read the same rectangles.
struct TablePictureLayout
{
    static constexpr double Margin = 24;
    static constexpr double Pitch = 40; // from one cell to the next
    static constexpr double CellSize = 37;

    struct Text
    {
        QRectF rect;
        QString text;
    };

    QSizeF size;
    QRectF title;
    std::array<QRectF, ElementTable::ElementCount> cells; // by atomic number - 1
    std::vector<Text> groupLabels;
    std::vector<Text> periodLabels;

    // The legend's frame and its parts; all empty for a picture without legend.
    QRectF legend;
    QRectF heading;
    QRectF scaleBar;
    QRectF scaleLow;
    QRectF scaleHigh;
    std::vector<QRectF> swatches; // one per legend row, with its caption
    std::vector<QRectF> captions;
    std::vector<QRectF> notes;

    static TablePictureLayout of(const TablePicture &picture);

    const QRectF &cell(int z) const { return cells[static_cast<std::size_t>(z - 1)]; }
    // Within a cell: the atomic number along the top, the symbol below it, so that the
    // middle of the cell shows the fill alone.
    static QRectF numberRect(const QRectF &cell);
    static QRectF symbolRect(const QRectF &cell);
};
