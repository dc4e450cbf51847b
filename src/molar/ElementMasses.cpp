#include "molar/ElementMasses.h"

#include "data/ElementColumns.h"
#include "data/TTextTable.h"

namespace ElementMasses {

std::optional<QString> of(const TTextTable &table, const QString &symbol)
{
    const int symbolField = table.FieldIndex(ElementColumns::field(Column::Symbole));
    const int massField = table.FieldIndex(ElementColumns::field(Column::MasseAt));
    if (symbolField < 0 || massField < 0)
        return std::nullopt;
    for (int record = 0; record < table.RecordCount(); ++record) {
        if (table.RecordText(record, symbolField) == symbol)
            return table.RecordText(record, massField);
    }
    return std::nullopt;
}

} // namespace ElementMasses
