#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// Reads a formula typed by the user into the atoms of each element: symbols with the case
// correction of the formula edit ("nacl" is NaCl, "co" is Co, "CO" is C and O), counts after a
// symbol or a closing bracket, nested ( ) [ ] { } with their multiplier, parts after "·", "."
// or "*" with a leading coefficient, blanks ignored. Charges, isotopes and physical states are
// refused. Only Qt Core: tests and the fuzzer call it directly. Linear in the text's length,
// without recursion, whatever the nesting.
namespace FormulaReader {

// The most atoms of one element a formula may hold.
inline constexpr int MaxAtoms = 10000;

// The atoms of one element over the whole formula.
struct ElementAtoms
{
    QString symbol;
    int count = 0;
    qsizetype position = 0; // 1-based, where the element first appears
};

struct Reading
{
    QVector<ElementAtoms> elements; // in the order of first appearance, counts summed
    // The formula as read, to be shown: symbols with their case corrected, blanks dropped,
    // each part's dot written "·" so that the coefficient after it is drawn at full size.
    QString formula;
    QString error;          // what is wrong, in French; empty when the formula was read
    qsizetype position = 0; // 1-based position of the fault in the typed text

    bool failed() const { return !error.isEmpty(); }
};

Reading read(QStringView typed);

} // namespace FormulaReader
