#pragma once

#include "data/ElementTable.h"
#include <QPoint>
#include <QString>

#include <array>

// The fixed layout of the periodic table on the main window: where each element
// button stands and the group and period labels around them.
namespace ElementLayout {

inline constexpr int ElementCount = ElementTable::ElementCount;
inline constexpr int ButtonSize = 33;
inline constexpr int Pitch = 32; // neighbouring buttons share one line of pixels

// The chemical symbol of element z (1..ElementCount), the caption of its button.
QString symbol(int z);

// Top-left corner of element z's button in the client area below the menu bar.
QPoint buttonPosition(int z);

struct Label
{
    const char *caption;
    int left;
    int top;
};

// Group numbers above the columns and Roman numerals left of the rows.
const std::array<Label, 27> &labels();

} // namespace ElementLayout
