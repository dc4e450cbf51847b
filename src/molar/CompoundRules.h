#pragma once

#include "molar/Compound.h"

#include <QString>

#include <functional>
#include <optional>

// The arithmetic of the molar-mass mode as functions of the compound's texts: each returns
// the compound with the cells it wrote and the texts to show, or stops at the first fault. The
// grid and the two fields only show what these return.
namespace CompoundRules {

// What a computation leaves to show. At a fault the computation stops: what it wrote before
// stays, as the user sees it, and `error` holds the message to show.
struct Outcome
{
    Compound compound;
    std::optional<QString> formula;   // for the formula display; none leaves it as it was
    std::optional<QString> molarMass; // for the molar-mass field; none leaves it as it was
    QString error;                    // empty when the computation went through
    qsizetype position = 0;           // where a typed formula's fault lies, 1-based

    bool failed() const { return !error.isEmpty(); }
};

// `atoms` more atoms of the element (a click adds one): every row whose "el" is exactly the
// symbol, the spare row included, counts them; without one, the element takes the spare row's
// place with the mass text as given and a fresh spare row goes below. A count that is not an
// integer, or one the integers cannot hold, stops it with "Faites un reset".
Outcome addAtoms(const Compound &compound, const QString &symbol, const QString &mass,
                 int atoms = 1);

// The formula ("el" then "mol" of each row, every count written: H2O1), the molar mass (the sum
// of mol × M, 6 significant digits) and each row's "% massique" (mol × 100 × M / molar mass,
// 6 significant digits). A count that is not an integer, a mass that is not a number or a zero
// molar mass stops it with "Faites un reset"; the formula and the molar mass are shown only
// when the sum could be made.
Outcome recompute(const Compound &compound);

// The atomic mass text that the element table gives an element, by its symbol; none for a
// symbol the table does not hold.
using MassLookup = std::function<std::optional<QString>(const QString &symbol)>;

// The compound of a formula typed by the user (FormulaReader): one row per element, in the
// order of first appearance, with its atoms and the table's mass text, then the molar mass and
// percentages as recompute() makes them; the formula to show is the one read, brackets and dots
// kept. At a fault nothing is written: the compound comes back as given, with the message
// naming the fault and its place.
Outcome fromFormula(const Compound &compound, const QString &typed, const MassLookup &massOf);

// The percentage that "Données" proposes for the next element: what the percentages confirmed
// so far leave of 100, at full precision.
QString proposedPercent(double confirmedSum);

// "% --> FORMULE" once each row holds its "M" and "% massique": the moles of each element in
// one gram of the compound ("mol" = % × 0,01 / M, at full precision).
Outcome molesPerGram(const Compound &compound);

// The end of "% --> FORMULE", from the moles per gram. With the compound's molar mass typed
// (not empty): the atoms of each element in one formula unit (mol × molar mass, full
// precision) and "formule probable : " with each count rounded to the nearest integer, halves
// to the even one. Without: the atom ratios to the rarest element, 4 significant digits, and
// no formula. A text that is not a number or a division by zero stops it with its message.
Outcome formulaFromMoles(const Compound &compound, const QString &molarMass);

} // namespace CompoundRules
