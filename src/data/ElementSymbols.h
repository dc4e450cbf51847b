#pragma once

#include "data/ElementTable.h"
#include <QString>

// The chemical symbols of the elements, shared by the table's buttons, the 3-D bars
// and every other place that names an element by its symbol.
namespace ElementSymbols {

inline constexpr int Count = ElementTable::ElementCount;

// The symbol of element z (1..Count); empty for any other z.
QString symbol(int z);

} // namespace ElementSymbols
