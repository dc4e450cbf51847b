#include "charts/ChartFill.h"

#include "data/ElementColumns.h"
#include "data/Errors.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"

#include <algorithm>
#include <optional>

namespace ChartFill {

namespace {

constexpr int LabelLength = 5;

// The points are labelled with the element's symbol.
QString symbolField()
{
    return ElementColumns::field(Column::Symbole);
}

// Opens the table with `fields` declared, so that a missing one is reported at opening.
void open(TTextTable &table, const QStringList &fields)
{
    table.Close();
    table.setDeclaredFields(fields);
    table.Open();
}

// Reads one cell of one record through the field's index.
class RecordReader
{
public:
    RecordReader(const TTextTable &table, int record) : m_table(table), m_record(record) {}

    QString text(const QString &field) const
    {
        return m_table.RecordText(m_record, m_table.FieldIndex(field)).trimmed();
    }
    QString label() const { return text(symbolField()).left(LabelLength); }

    // Nothing for an empty cell; a text that is not a number is an error, never "no value".
    template <class Number, class Parse>
    std::optional<Number> number(const QString &field, Parse parse) const
    {
        const QString cell = text(field);
        if (cell.isEmpty())
            return std::nullopt;
        if (const auto value = parse(cell))
            return value;
        throw EConvertError(QStringLiteral("« %1 » n'est pas une valeur numérique (%2, champ %3)")
                                .arg(cell, label(), field));
    }
    std::optional<double> decimal(const QString &field) const
    {
        return number<double>(field, [](const QString &t) { return Numbers::parseDecimal(t); });
    }
    std::optional<int> integer(const QString &field) const
    {
        return number<int>(field, [](const QString &t) { return Numbers::parseInteger(t); });
    }

private:
    const TTextTable &m_table;
    int m_record;
};

// Every record once, in table order (the file may hold fewer than 103).
template <class Visit> void forEachRecord(const TTextTable &table, Visit visit)
{
    for (int record = 0; record < table.RecordCount(); ++record)
        visit(RecordReader(table, record));
}

} // namespace

void sortByX(ChartPoints &points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const ChartPoint &a, const ChartPoint &b) { return a.x < b.x; });
}

ChartPoints xy(TTextTable &table, const QString &xColumn, const QString &yColumn)
{
    open(table, {symbolField(), xColumn, yColumn});
    ChartPoints points;
    forEachRecord(table, [&](const RecordReader &record) {
        const auto x = record.decimal(xColumn);
        const auto y = record.decimal(yColumn);
        if (x && y)
            points.append({record.label(), *x, *y});
    });
    sortByX(points);
    return points;
}

RowColumn rowColumn(TTextTable &table, const QString &column)
{
    const QString row = ElementColumns::field(Column::Ligne);
    const QString col = ElementColumns::field(Column::Colonne);
    open(table, {symbolField(), column, row, col});
    RowColumn result;
    forEachRecord(table, [&](const RecordReader &record) {
        const auto value = record.decimal(column);
        const auto line = record.integer(row);
        if (!value || !line)
            return;
        result.byRow.append({record.label(), double(*line), *value});
        if (const auto place = record.integer(col))
            result.byColumn.append({record.label(), double(*place), *value});
    });
    sortByX(result.byRow);
    sortByX(result.byColumn);
    return result;
}

} // namespace ChartFill
