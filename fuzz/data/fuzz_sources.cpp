// Reads arbitrary bytes as the sources file and describes a value with what it read. A file
// with a problem gives no source and the description says so; one without starts with the
// heading line, and the description tells the sources it holds.
#include "data/Cp1252.h"
#include "data/ElementRecords.h"
#include "data/ElementSources.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ElementSources sources = ElementSources::parse(bytes, QStringLiteral("sources.yop"));
    const QString field = QStringLiteral("_8E_1ERE_I");
    const QString said = sources.describe(QStringLiteral("P"), field, 103, ElementRecords());
    const ElementSources::Source *column = sources.column(field);
    const ElementSources::Source *cell = sources.cell(field, 103);
    if (!sources.problem().isEmpty()) {
        if (column || cell || !said.contains(sources.problem()) ||
            !sources.problem().contains(QStringLiteral("sources.yop, ligne ")))
            __builtin_trap();
        return 0;
    }
    if (!Cp1252::decode(bytes).startsWith(ElementSources::heading()))
        __builtin_trap();
    // A cell's own source is told after its column's, and only then.
    if (column && (column->text.isEmpty() || !said.contains(column->text)))
        __builtin_trap();
    if (column && cell && (cell->text.isEmpty() || !said.contains(cell->text)))
        __builtin_trap();
    return 0;
}
