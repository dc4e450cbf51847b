#pragma once

#include "calculs/Calculations.h"

#include <QString>
#include <QStringView>

#include <optional>

// The reading and writing of the numbers of the calculations: the decimal comma, blanks
// between digits allowed ("101 325"), and results written with as many significant digits as
// the least precise number typed, never fewer than three.
namespace Quantities {

inline constexpr int FewestDigits = 3;
inline constexpr int MostDigits = 10;

// A value read from a field, in the base unit of its kind, with its significant digits.
struct Value
{
    double base = 0;
    int digits = 0;
};

// Thrown by the readers below and caught by the rules: the message for the user.
struct Refusal
{
    QString message;
};

// The significant digits of a number text ("0,10" has 2, "250" 3, "1,5E3" 2).
int significantDigits(QStringView text);

// The field's value in the base unit; none for an empty text. A text that is not a number
// (or out of range, 1E400) is refused with a message naming the field; so is a value below
// zero unless `negativeAllowed`.
std::optional<Value> read(const Calculations::Field &field, const Calculations::Entry &entry,
                          bool negativeAllowed = false);

// The digits to write a result with, from the values it was computed from.
int digitsFor(std::initializer_list<Value> values);

// "0,171 mol": the value (in the base unit) written in `unit`.
QString write(double base, const Calculations::Unit &unit, int digits);

// The molar mass in g/mol of a formula typed in `field`, from the records' atomic masses.
double molarMass(const Calculations::Field &field, const QString &formula,
                 const ElementRecords &records);

} // namespace Quantities
