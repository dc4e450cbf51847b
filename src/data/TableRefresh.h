#pragma once

#include "data/TStrGrid.h"

#include <QString>
#include <optional>

// The user's copy of the element table brought up to a newer table shipped with the program,
// keeping the values the user edited. The merge is made cell by cell between three tables:
// the shipped table the user's copy was last brought up to (the base), the user's copy, and
// the shipped table of now. A cell the user changed since the base keeps the user's value,
// even where the shipped table changed it too; every other cell takes the shipped value.
// Without a base (a copy made before the program kept one), the shipped table stands for it:
// a cell equal to the shipped one is not the user's, any other is.
//
// Records are matched by their atomic number (`_NO_AT`) and columns by their name, so that a
// shipped table may add records and columns, drop some, or hold them in another order. In a
// column that the base lacks, an empty cell of the user's copy is no edit: the program gives a
// table written before that column existed the column empty (ElementTable::configure). The
// merged table has the shipped table's columns and records in its order, then the columns and
// records that only the user's copy has (neither the base nor the shipped table do). A column
// or record that the shipped table dropped is left out, and the user's edits in it counted.
// Every table has its names in row 0.
class TableRefresh
{
public:
    struct Result
    {
        TStrGrid table;
        // Cells that hold the user's value where it differs from the shipped one.
        int keptValues = 0;
        // The user's edits in columns or records that the shipped table no longer has.
        int droppedValues = 0;
    };

    // Why the table cannot be matched by atomic number, for the user: no names line, no
    // `_NO_AT` column, a record without an atomic number or two with the same. Nothing when it
    // can.
    static std::optional<QString> refusal(const TStrGrid &table);

    // The three tables must pass refusal(); a base that does not is taken as none.
    static Result merge(const TStrGrid *base, const TStrGrid &mine, const TStrGrid &shipped);
};
