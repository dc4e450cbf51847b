#pragma once

#include "data/ElementRecords.h"
#include "data/TTextTable.h"

#include <QList>
#include <QStringList>

// Records made in memory: the first line holds the field names, each further line an element.
inline ElementRecords recordsOf(const QList<QStringList> &lines)
{
    TTextTable table;
    table.setKeepData(true);
    table.setFldNames(lines.first());
    TStrGrid &grid = table.Grid();
    grid.setColCount(int(lines.first().size()));
    grid.setRowCount(int(lines.size()) - 1);
    for (int row = 1; row < lines.size(); ++row)
        for (int col = 0; col < lines[row].size(); ++col)
            grid.setCell(col, row - 1, lines[row][col]);
    table.Open();
    return ElementRecords::fromTable(table);
}
