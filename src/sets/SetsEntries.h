#pragma once

#include "sets/SetsColumn.h"

#include <QVector>

// The sets grid's column choices: the three columns it starts with, and the chooser's 65
// entries, each with the field, title and width a click on it holds ready. The Pauling
// electronegativity, added after the first 64, comes last so that those keep their places.
namespace SetsEntries {

constexpr int Count = 65;

// Entry `entry` (0 to Count - 1) as the column it adds; an empty column out of range.
SetsColumn column(int entry);
// The entry's text in the chooser: the element column's wording in the property lists.
QString text(int entry);

const QVector<SetsColumn> &initialColumns();

} // namespace SetsEntries
