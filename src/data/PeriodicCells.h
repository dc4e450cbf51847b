#pragma once

// Where each element stands in the periodic table, as rows and columns: periods 1 to 7
// with groups 1 to 18, then the lanthanides (row 8) and actinides (row 9) after La and Ac,
// from column 3. The main window's buttons and the 3-D bars are both laid out from it.
namespace PeriodicCells {

struct Cell
{
    int row = 0;    // 1..9; 0 for an unknown element
    int column = 0; // 1..18
};

// The cell of element z (1..ElementTable::ElementCount); {0, 0} for any other z.
Cell cell(int z);

} // namespace PeriodicCells
