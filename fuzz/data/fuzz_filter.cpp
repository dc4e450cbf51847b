// Parses arbitrary text as a filter expression and evaluates what parses on a fixed record.
#include "data/Errors.h"
#include "data/FilterExpression.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const FilterExpression filter(text);
        const auto field = [](const QString &name) {
            return name.size() % 3 == 0 ? QString() : name + QStringLiteral("1,5");
        };
        volatile bool holds = filter.Evaluate(field);
        (void)holds;
    } catch (const EDatabaseError &e) {
        if (e.message().isEmpty())
            __builtin_trap();
    }
    return 0;
}
