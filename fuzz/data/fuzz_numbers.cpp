// Reads arbitrary text as a number of the element table: either a finite value or a refusal,
// never a value for a text with a decimal point. A value written in the general format and read
// back is the same value at 17 significant digits, and near it at fewer, even beside the largest
// double; an integer read is read the same as a decimal.
#include "data/Numbers.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// The value comes back from its own text: exactly with 17 digits, within half a unit of the
// last digit written with fewer (for a value of 1 followed by that many zeros).
void checkWritten(double value)
{
    if (!std::isfinite(value))
        return;
    const std::optional<double> exact = Numbers::parseDecimal(Numbers::formatGeneral(value, 17));
    check(exact && *exact == value);
    for (const int digits : {4, 6, 15}) {
        const QString text = Numbers::formatGeneral(value, digits);
        const std::optional<double> back = Numbers::parseDecimal(text);
        check(back.has_value());
        // The text is rounded once, then the read rounds it to a double again.
        const double rounding = std::pow(10.0, 1 - digits) / 2 * 1.0001;
        check(std::fabs(*back - value) <=
              std::fabs(value) * (rounding + std::numeric_limits<double>::epsilon()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses: a double's own 8 bytes written and read back, or the bytes as a
    // text in Latin-1 or in UTF-8.
    const uint8_t mode = data[0] % 3;
    const char *rest = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    if (mode == 0) {
        double value = 0;
        if (length < qsizetype(sizeof value))
            return 0;
        std::memcpy(&value, rest, sizeof value);
        checkWritten(value);
        return 0;
    }
    const QString text =
        mode == 1 ? QString::fromLatin1(rest, length) : QString::fromUtf8(rest, length);
    const std::optional<double> value = Numbers::parseDecimal(text);
    if (value) {
        check(std::isfinite(*value) && !text.contains(u'.'));
        checkWritten(*value);
    }
    if (const std::optional<int> integer = Numbers::parseInteger(text)) {
        check(value && *value == *integer);
        check(Numbers::parseInteger(QString::number(*integer)) == integer);
    }
    return 0;
}
