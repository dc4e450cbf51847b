#pragma once

#include <QTableWidget>

// The compound grid of the molar-mass mode: row 0 is the header ("el", "M", "mol",
// "% massique"), each following row one element of the compound, with one spare row below the
// last. Rows are numbered as the user sees them, header included; cells are plain text that
// the user may edit, and every computation reads them back as typed.
class CompoundGrid : public QTableWidget
{
    Q_OBJECT

public:
    enum Column { El = 0, M = 1, Mol = 2, Percent = 3 };

    explicit CompoundGrid(QWidget *parent = nullptr);

    // Rows including the header row.
    int rows() const { return rowCount() + 1; }
    void setRows(int rows);

    // The text of cell (row, column); row 0 is the header. Empty outside the grid.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    void writeHeaders();

    // Writes the text of a cell still being typed into it and closes its editor, so that a
    // computation started by a button (which takes no focus) reads the cell as typed.
    void commitEdit();
};
