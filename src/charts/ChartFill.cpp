#include "charts/ChartFill.h"

#include "data/ElementColumns.h"
#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "data/Numbers.h"

#include <algorithm>
#include <optional>

namespace ChartFill {

namespace {

constexpr int LabelLength = 5;

// A column as the caller named it, and where the records hold it.
struct Field
{
    QString name;
    int index;
};

Field require(const ElementRecords &records, const QString &name)
{
    return {name, records.requireField(name)};
}

// One element's cells, by the fields required before any is read.
class RecordReader
{
public:
    RecordReader(const ElementRecords &records, int symbolField, int z)
        : m_records(records), m_symbol(symbolField), m_z(z)
    {}

    QString text(int field) const { return m_records.view(m_z, field).trimmed().toString(); }
    QString label() const { return text(m_symbol).left(LabelLength); }

    // Nothing for an empty cell; a text that is not a number is an error, never "no value".
    template <class Number, class Parse>
    std::optional<Number> number(const Field &field, Parse parse) const
    {
        const QString cell = text(field.index);
        if (cell.isEmpty())
            return std::nullopt;
        if (const auto value = parse(cell))
            return value;
        throw EConvertError(QStringLiteral("« %1 » n'est pas une valeur numérique (%2, champ %3)")
                                .arg(cell, label(), field.name));
    }
    std::optional<double> decimal(const Field &field) const
    {
        return number<double>(field, [](const QString &t) { return Numbers::parseDecimal(t); });
    }
    std::optional<int> integer(const Field &field) const
    {
        return number<int>(field, [](const QString &t) { return Numbers::parseInteger(t); });
    }

private:
    const ElementRecords &m_records;
    int m_symbol;
    int m_z;
};

// Every record once, in table order (the file may hold fewer than the elements known), labelled
// with the element's symbol.
template <class Visit> void forEachRecord(const ElementRecords &records, int symbol, Visit visit)
{
    for (int z = 1; z <= records.count(); ++z)
        visit(RecordReader(records, symbol, z));
}

} // namespace

void sortByX(ChartPoints &points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const ChartPoint &a, const ChartPoint &b) { return a.x < b.x; });
}

ChartPoints xy(const ElementRecords &records, const QString &xColumn, const QString &yColumn)
{
    const int symbol = records.requireField(ElementColumns::field(Column::Symbole));
    const Field x = require(records, xColumn);
    const Field y = require(records, yColumn);
    ChartPoints points;
    forEachRecord(records, symbol, [&](const RecordReader &record) {
        const auto xValue = record.decimal(x);
        const auto yValue = record.decimal(y);
        if (xValue && yValue)
            points.append({record.label(), *xValue, *yValue});
    });
    sortByX(points);
    return points;
}

RowColumn rowColumn(const ElementRecords &records, const QString &column)
{
    const int symbol = records.requireField(ElementColumns::field(Column::Symbole));
    const Field value = require(records, column);
    const Field row = require(records, ElementColumns::field(Column::Ligne));
    const Field col = require(records, ElementColumns::field(Column::Colonne));
    RowColumn result;
    forEachRecord(records, symbol, [&](const RecordReader &record) {
        const auto v = record.decimal(value);
        const auto line = record.integer(row);
        if (!v || !line)
            return;
        result.byRow.append({record.label(), double(*line), *v});
        if (const auto place = record.integer(col))
            result.byColumn.append({record.label(), double(*place), *v});
    });
    sortByX(result.byRow);
    sortByX(result.byColumn);
    return result;
}

} // namespace ChartFill
