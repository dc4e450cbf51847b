// Reads arbitrary UTF-8 text as an equation. A refusal carries no coefficient; a balance has
// every coefficient positive, their greatest common divisor 1, and conserves each element's
// atoms and the charge, counted again here in 128-bit integers.
#include "calculs/Equation.h"

#include <QHash>

#include <cstddef>
#include <cstdint>
#include <numeric>

namespace {

__extension__ typedef __int128 Wide;

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Equation::Balance balance = Equation::balance(text);
    if (balance.failed()) {
        for (const Equation::Species &s : balance.species)
            check(s.coefficient == 0);
        return 0;
    }
    QHash<QString, Wide> atoms;
    Wide charge = 0;
    std::int64_t divisor = 0;
    bool left = false;
    bool right = false;
    for (const Equation::Species &s : balance.species) {
        check(s.coefficient > 0);
        divisor = std::gcd(divisor, s.coefficient);
        (s.product ? right : left) = true;
        const Wide signedCoefficient = s.product ? -Wide(s.coefficient) : Wide(s.coefficient);
        for (const FormulaReader::ElementAtoms &a : s.elements)
            atoms[a.symbol] += signedCoefficient * a.count;
        charge += signedCoefficient * s.charge;
    }
    check(left && right && divisor == 1 && charge == 0);
    for (const Wide count : atoms)
        check(count == 0);
    check(!balance.plain().isEmpty());
    return 0;
}
