#pragma once

#include <QString>
#include <QVector>

// One row of the compound as the grid shows it. Every cell is text: the user may edit any of
// them, and the next computation reads the cell as typed.
struct CompoundRow
{
    enum Column { El = 0, M = 1, Mol = 2, Percent = 3 };
    static constexpr int ColumnCount = 4;

    QString symbol;  // "el"
    QString mass;    // "M": the element's atomic mass in g/mol, as the element table writes it
    QString count;   // "mol": atoms in the formula; after "% --> FORMULE", a computed amount
    QString percent; // "% massique"

    QString &cell(int column);
    const QString &cell(int column) const;
};

// The compound of the molar-mass mode: one row per element, in the order of its first atom,
// then the spare row below them, empty unless the user typed into it. A compound is filled
// one row at a time ({"H", "1,01", "2"}) or by adding atoms to it (CompoundRules).
struct Compound
{
    QVector<CompoundRow> rows;
    CompoundRow spare;

    // Row `number` as the grid numbers its rows: 1 is the first element, rows.size() + 1 the
    // spare row; null for any other number.
    CompoundRow *row(int number);
    const CompoundRow *row(int number) const;
};
