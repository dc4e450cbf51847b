#pragma once

#include "molar/FormulaReader.h"

#include <QString>
#include <QStringView>
#include <QVector>

#include <cstdint>

// A chemical equation typed by the user, read and balanced with the smallest whole
// coefficients. Each species is a formula as the molar-mass mode reads it, with an optional
// charge at its end ("Fe^3+", "MnO4^-", "SO4{2-}", "Cu²⁺") or the electron "e^-"; the sides
// are joined by "->", "→" or "=" and the species by "+". Balancing is exact: rationals on
// 64-bit integers whose every step is checked for overflow, never floating point. Only Qt
// Core: the tests and the fuzzer call it directly.
namespace Equation {

// The most species an equation may hold, on both sides together.
inline constexpr int MaxSpecies = 40;

struct Species
{
    QString formula; // as read (case corrected, "·" for the hydrate dot), without the charge
    int charge = 0;  // in elementary charges
    bool electron = false;
    QVector<FormulaReader::ElementAtoms> elements;
    bool product = false; // on the right of the arrow
    std::int64_t coefficient = 0;

    // The species as plain text ("Fe^3+", "e^-") and as rich text with its subscripts and
    // charge drawn ("Fe<sub>2</sub>O<sub>3</sub>", "Fe<sup>3+</sup>").
    QString plain() const;
    QString rich() const;
    // The atoms of `symbol` in one formula unit.
    int atoms(const QString &symbol) const;
};

struct Balance
{
    QVector<Species> species; // in the order typed, reactants then products
    QString error;            // in French; empty when the equation is balanced

    bool failed() const { return !error.isEmpty(); }
    // "4 Fe + 3 O2 → 2 Fe2O3", a coefficient 1 left unwritten; the rich form draws the
    // subscripts and charges.
    QString plain() const;
    QString rich() const;
};

// Reads and balances `typed`. A fault (a species the formula reader refuses, an element or a
// charge found on one side only, no balance, several independent balances, coefficients too
// large) leaves the species read so far and the message saying what is wrong.
Balance balance(QStringView typed);

} // namespace Equation
