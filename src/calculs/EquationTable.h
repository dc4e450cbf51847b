#pragma once

#include "calculs/Calculations.h"

// The equation page's rule: the balanced equation, then, when a quantity of one species is
// given (a mass or an amount), the amounts and masses of every species that react or form
// with it; with a second reactant given, the limiting reactant and what is left of the other.
namespace EquationTable {

// Fields: the equation, the given species, its quantity, the second species, its quantity.
Calculations::Result compute(const QVector<Calculations::Field> &fields,
                             const QVector<Calculations::Entry> &entries,
                             const ElementRecords &records);

} // namespace EquationTable
