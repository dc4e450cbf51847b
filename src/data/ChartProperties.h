#pragma once

#include <array>

// The 35 numeric properties that can be charted or coloured by, in their fixed order:
// the list wording the user sees, the axis title (also the legend title of the
// colouring list) and the element-table column whose values are used. Both the chart
// property chooser and the numeric entries of the main window's colouring list are
// built from this one table.
namespace ChartProperties {

struct Property
{
    const char *text;   // UTF-8, as the lists show it (double blanks are part of it)
    const char *title;  // UTF-8 axis or legend title
    const char *column; // field name in the element table
};

inline constexpr int Count = 35;

const std::array<Property, Count> &all();

} // namespace ChartProperties
