#include "molar/ElementMasses.h"

#include "data/ElementColumns.h"
#include "data/ElementRecords.h"
#include "data/ElementSymbols.h"

#include <QHash>

namespace ElementMasses {

namespace {

// The record where the element should stand: record n holds element n.
int expectedRecord(const QString &symbol)
{
    static const QHash<QString, int> records = [] {
        QHash<QString, int> bySymbol;
        for (int z = 1; z <= ElementSymbols::Count; ++z)
            bySymbol.insert(ElementSymbols::symbol(z), z);
        return bySymbol;
    }();
    return records.value(symbol, 0);
}

} // namespace

std::optional<QString> of(const ElementRecords &records, const QString &symbol)
{
    const int symbolField = records.fieldIndex(Column::Symbole);
    const int massField = records.fieldIndex(Column::MasseAt);
    if (symbolField < 0 || massField < 0)
        return std::nullopt;
    // Where it should be first; the whole set only when the records are not in order.
    const int expected = expectedRecord(symbol);
    if (expected > 0 && records.view(expected, symbolField) == symbol)
        return records.text(expected, massField);
    for (int record = 1; record <= records.count(); ++record) {
        if (records.view(record, symbolField) == symbol)
            return records.text(record, massField);
    }
    return std::nullopt;
}

} // namespace ElementMasses
