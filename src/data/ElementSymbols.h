#pragma once

#include <QString>

// The chemical symbols of the 103 elements, shared by the table's buttons, the 3-D bars
// and every other place that names an element by its symbol.
namespace ElementSymbols {

inline constexpr int Count = 103;

// The symbol of element z (1..103); empty for any other z.
QString symbol(int z);

} // namespace ElementSymbols
