#pragma once

// Where the arrow keys and Home/End move the keyboard focus on the table, over the buttons'
// places in the layout: a pure rule, the same for every colouring and mode.
namespace TableMoves {

enum class Key { Left, Right, Up, Down, RowStart, RowEnd };

// The element that `key` moves to from element `from` (1..ElementLayout::ElementCount); `from`
// itself when no button stands that way, and 0 for a `from` outside the table.
//
// Left and Right go to the nearest button of the same row, Home and End to its first and last.
// Up and Down go to the nearest button above or below within a quarter turn of the key's
// direction (no farther sideways than up or down), the one most in line first: so the rows of
// the lanthanides and actinides are reached from group 3 and left again to the element above.
int next(int from, Key key);

} // namespace TableMoves
