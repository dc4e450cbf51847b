#include "molar/ElementMasses.h"

#include "data/ElementColumns.h"
#include "data/ElementSymbols.h"
#include "data/TTextTable.h"

#include <QHash>

namespace ElementMasses {

namespace {

// The record where the element should stand: record n - 1 holds element n.
int expectedRecord(const QString &symbol)
{
    static const QHash<QString, int> records = [] {
        QHash<QString, int> bySymbol;
        for (int z = 1; z <= ElementSymbols::Count; ++z)
            bySymbol.insert(ElementSymbols::symbol(z), z - 1);
        return bySymbol;
    }();
    return records.value(symbol, -1);
}

} // namespace

std::optional<QString> of(const TTextTable &table, const QString &symbol)
{
    const int symbolField = table.FieldIndex(ElementColumns::field(Column::Symbole));
    const int massField = table.FieldIndex(ElementColumns::field(Column::MasseAt));
    if (symbolField < 0 || massField < 0)
        return std::nullopt;
    // Where it should be first; the whole table only when the records are not in order.
    const int expected = expectedRecord(symbol);
    if (expected >= 0 && table.RecordText(expected, symbolField) == symbol)
        return table.RecordText(expected, massField);
    for (int record = 0; record < table.RecordCount(); ++record) {
        if (table.RecordText(record, symbolField) == symbol)
            return table.RecordText(record, massField);
    }
    return std::nullopt;
}

} // namespace ElementMasses
