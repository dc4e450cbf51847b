#pragma once

#include "table/Colouring.h"

#include <QString>

#include <array>
#include <optional>

class ElementRecords;

// What a colouring mode tells a screen reader of each element button: the words of the legend
// for the element's colour, or its value and unit. Worked out beside the looks, from the same
// records and the same choice.
namespace ColouringDescriptions {

using Descriptions = std::array<QString, Colouring::ElementCount>; // element z at z - 1

// The descriptions of `choice`, empty for the plain table; nothing where the mode changes no
// button (a temperature or a year not given), so that the buttons keep what they said.
std::optional<Descriptions> of(const ElementRecords &records, const Colouring::Choice &choice);

} // namespace ColouringDescriptions
