#pragma once

#include "data/ElementTable.h"
#include <QString>

#include <array>
#include <optional>

class ElementRecords;

// The bar heights of the 3-D graph from one property's values: the lowest present value
// stands 1 unit high, the highest 101, an element without a value lies flat at 0.05.
namespace Graph3DHeights {

inline constexpr int ElementCount = ElementTable::ElementCount;
inline constexpr double MissingHeight = 0.05;
// Every bar's height when all present values are equal and the range is empty.
inline constexpr double EqualValuesHeight = 51;

using Values = std::array<std::optional<double>, ElementCount>;
using Heights = std::array<double, ElementCount>;

// The values of `column` (any case) in the first ElementCount records; an empty text, or a record
// past the table's end, has no value. Raises EDatabaseError for an unknown column and EConvertError
// naming the element, the field and the text (Numbers::notDecimal) for a text that is not a number.
Values read(const ElementRecords &records, const QString &column);

Heights heights(const Values &values);

} // namespace Graph3DHeights
