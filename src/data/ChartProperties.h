#pragma once

#include "data/ElementColumns.h"

#include <QString>

#include <array>

// The 36 numeric properties that can be charted or coloured by, in their fixed order: the
// column whose values are used and the axis title (also the legend title of the colouring
// list). The Pauling electronegativity, added after the first 35, comes last so that those
// keep their places. The list shows each under its column's wording. Both the chart property
// chooser and the numeric entries of the main window's colouring list are built from this one
// table.
namespace ChartProperties {

struct Property
{
    Column column;
    const char *title; // UTF-8 axis or legend title

    QString text() const;  // the column's list wording, double blanks included
    QString field() const; // the column's field name
    QString axisTitle() const { return QString::fromUtf8(title); }
};

inline constexpr int Count = 36;

const std::array<Property, Count> &all();

} // namespace ChartProperties
