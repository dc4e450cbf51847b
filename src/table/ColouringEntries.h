#pragma once

#include "data/ChartProperties.h"

#include <QString>

#include <optional>

// The 43 entries of the main window's colouring list, in their fixed order: the category
// modes, two separator lines, and the chartable properties, each colouring by its column
// under the title of its legend.
namespace ColouringEntries {

// The places of the category modes; the numeric entries follow from FirstNumeric on.
enum Index : int {
    Defaut = 0,
    Family = 2,
    Block = 3,
    AcidBase = 4,
    PhysicalState = 5,
    Discovery = 6,
    FirstNumeric = 8,
};
inline constexpr int Count = FirstNumeric + ChartProperties::Count;

// The entry's text as the list shows it; empty out of range.
QString text(int index);
// The property a numeric entry colours by; nothing for the other entries.
std::optional<ChartProperties::Property> numericProperty(int index);

} // namespace ColouringEntries
