#pragma once

#include <QTableWidget>

struct Compound;

// The compound grid of the molar-mass mode, the view of the compound: row 0 is the header
// ("el", "M", "mol", "% massique"), each following row one element of the compound, with the
// spare row below the last. Rows are numbered as the user sees them, header included; cells
// are plain text that the user may edit, and each edit is told, so that the next computation
// reads the cell as typed.
class CompoundGrid : public QTableWidget
{
    Q_OBJECT

public:
    explicit CompoundGrid(QWidget *parent = nullptr);

    // Shows the compound's rows and its spare row, writing only the cells that differ. What
    // the grid writes here is not told as an edit.
    void showCompound(const Compound &compound);

    // Rows including the header row.
    int rows() const { return rowCount() + 1; }
    void setRows(int rows);

    // The text of cell (row, column); row 0 is the header. Empty outside the grid.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    void writeHeaders();

    // The text of cell (row, column) as the grid draws it in its column: whole, or cut with
    // an ellipsis; the tool tip of a cut one shows it whole.
    QString shownText(int row, int column) const;

    // Writes the text of a cell still being typed into it and closes its editor, so that a
    // computation started by a button (which takes no focus) reads the cell as typed.
    void commitEdit();

protected:
    bool viewportEvent(QEvent *event) override;

signals:
    // A cell's text changed other than by showCompound: typed by the user, or written by
    // setCell. Row and column as cell() numbers them.
    void cellEdited(int row, int column, const QString &text);
};
