#include "tablepicture/TablePictureLayout.h"

#include "data/PeriodicCells.h"
#include "tablepicture/TablePicture.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr double TitleHeight = 36;
constexpr double LabelHeight = 18; // group numbers above their columns
constexpr double NumeralWidth = 32;
constexpr double InnerGap = 14; // between period 7 and the lanthanides
constexpr int MainRows = 7;
constexpr int FirstInnerRow = 8;
constexpr int Groups = 18;

// The legend fills the gap above groups 3 to 12, down to their group numbers.
constexpr int LegendFirstGroup = 3;
constexpr int LegendLastGroup = 12;
constexpr double LegendPadding = 6;
constexpr double RowPitch = 16;
constexpr double ColumnWidth = 170;
constexpr double ScaleWidth = 200;

const QStringList Numerals = {QStringLiteral("I"),   QStringLiteral("II"),   QStringLiteral("III"),
                              QStringLiteral("IV"),  QStringLiteral("V"),    QStringLiteral("VI"),
                              QStringLiteral("VII"), QStringLiteral("VIII"), QStringLiteral("IX")};

// Top-left corner of the cell of group 1, period 1.
QPointF gridOrigin()
{
    return {TablePictureLayout::Margin + NumeralWidth,
            TablePictureLayout::Margin + TitleHeight + LabelHeight};
}

// The lanthanides and actinides stand half a cell right of group 3, below the main block.
QRectF cellAt(int row, int column)
{
    using L = TablePictureLayout;
    const QPointF origin = gridOrigin();
    double left = origin.x() + L::Pitch * (column - 1);
    double top = origin.y() + L::Pitch * (row - 1);
    if (row >= FirstInnerRow) {
        left += L::Pitch / 2;
        top = origin.y() + L::Pitch * MainRows + InnerGap + L::Pitch * (row - FirstInnerRow);
    }
    return {left, top, L::CellSize, L::CellSize};
}

void placeLabels(TablePictureLayout &layout)
{
    std::array<int, Groups + 1> topRow{};
    for (int z = 1; z <= TablePicture::ElementCount; ++z) {
        const PeriodicCells::Cell cell = PeriodicCells::cell(z);
        if (cell.row < FirstInnerRow &&
            (topRow[cell.column] == 0 || cell.row < topRow[cell.column]))
            topRow[cell.column] = cell.row;
    }
    for (int group = 1; group <= Groups; ++group) {
        const QRectF top = cellAt(topRow[group], group);
        layout.groupLabels.push_back(
            {QRectF(top.left(), top.top() - LabelHeight, top.width(), LabelHeight - 2),
             QString::number(group)});
    }
    for (int row = 1; row <= FirstInnerRow + 1; ++row) {
        // Each numeral ends just left of the row's first cell.
        const QRectF first = cellAt(row, row < FirstInnerRow ? 1 : LegendFirstGroup);
        layout.periodLabels.push_back(
            {QRectF(first.left() - 4 - NumeralWidth, first.top(), NumeralWidth, first.height()),
             Numerals[row - 1]});
    }
}

// Rows go down in columns as tall as the frame allows; the notes take the next column.
void placeLegend(TablePictureLayout &layout, const TablePicture::Legend &legend)
{
    const QRectF first = cellAt(1, LegendFirstGroup);
    const QRectF last = cellAt(1, LegendLastGroup);
    layout.legend = QRectF(first.left(), first.top(), last.right() - first.left(),
                           TablePictureLayout::Pitch * 3 - LabelHeight - 4);
    const QRectF inner =
        layout.legend.adjusted(LegendPadding, LegendPadding, -LegendPadding, -LegendPadding);
    double y = inner.top();
    if (!legend.heading.isEmpty()) {
        layout.heading = QRectF(inner.left(), y, inner.width(), RowPitch);
        y += RowPitch + 2;
    }
    if (legend.scale) {
        layout.scaleBar = QRectF(inner.left(), y, ScaleWidth, 12);
        layout.scaleLow = QRectF(inner.left(), y + 13, ScaleWidth / 2, RowPitch);
        layout.scaleHigh = QRectF(inner.left() + ScaleWidth / 2, y + 13, ScaleWidth / 2, RowPitch);
        y += 13 + RowPitch + 2;
    }
    const int perColumn = std::max(1, int((inner.bottom() - y) / RowPitch));
    const int count = int(legend.rows.size());
    for (int i = 0; i < count; ++i) {
        const QPointF at(inner.left() + ColumnWidth * (i / perColumn),
                         y + RowPitch * (i % perColumn));
        layout.swatches.push_back(QRectF(at.x(), at.y() + 1, 15, 12));
        layout.captions.push_back(QRectF(at.x() + 22, at.y(), ColumnWidth - 26, RowPitch - 1));
    }
    const double notesLeft = inner.left() + ColumnWidth * ((count + perColumn - 1) / perColumn);
    for (int i = 0; i < legend.notes.size(); ++i)
        layout.notes.push_back(
            QRectF(notesLeft, y + RowPitch * i, inner.right() - notesLeft, RowPitch - 1));
}

} // namespace

TablePictureLayout TablePictureLayout::of(const TablePicture &picture)
{
    TablePictureLayout layout;
    for (int z = 1; z <= TablePicture::ElementCount; ++z) {
        const PeriodicCells::Cell cell = PeriodicCells::cell(z);
        layout.cells[static_cast<std::size_t>(z - 1)] = cellAt(cell.row, cell.column);
    }
    placeLabels(layout);
    const QRectF corner = cellAt(FirstInnerRow + 1, Groups);
    layout.size = QSizeF(cellAt(1, Groups).right() + Margin, corner.bottom() + Margin);
    layout.title = QRectF(Margin, Margin, layout.size.width() - 2 * Margin, TitleHeight - 8);
    if (picture.legend)
        placeLegend(layout, *picture.legend);
    return layout;
}

QRectF TablePictureLayout::numberRect(const QRectF &cell)
{
    return {cell.left() + 3, cell.top() + 2, cell.width() - 6, 10};
}

QRectF TablePictureLayout::symbolRect(const QRectF &cell)
{
    return {cell.left(), cell.top() + 17, cell.width(), cell.height() - 19};
}
