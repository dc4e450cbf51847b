#include "data/ElementRecords.h"

#include "data/Errors.h"
#include "data/TStrGrid.h"
#include "data/TTextTable.h"

#include <QHash>
#include <QVarLengthArray>
#include <QVector>

#include <algorithm>
#include <array>

struct ElementRecords::Data
{
    QString source; // the table's name, for messages
    QStringList names;
    QHash<QString, int> byName;  // lower-case name -> field
    QHash<QString, int> asNamed; // the table's own spelling -> the same field
    std::array<int, ElementColumns::Count> columns{};
    int count = 0;
    // Each record's texts back to back in one string, and one end offset per field: a
    // string per text would cost thousands of small blocks for every set made.
    QVector<QString> records;
    QVector<int> ends;
};

ElementRecords::ElementRecords()
{
    // Every empty set shares one.
    static const std::shared_ptr<const Data> empty = [] {
        auto data = std::make_shared<Data>();
        data->columns.fill(-1);
        return data;
    }();
    d = empty;
}

ElementRecords ElementRecords::fromTable(const TTextTable &table)
{
    auto data = std::make_shared<Data>();
    data->source = table.objectName();
    if (table.Active())
        data->names = table.FieldNames();
    const int fields = static_cast<int>(data->names.size());
    for (int f = 0; f < fields; ++f) {
        data->byName.insert(data->names[f].toLower(), f);
        data->asNamed.insert(data->names[f], f);
    }
    for (int c = 0; c < ElementColumns::Count; ++c)
        data->columns[c] =
            data->byName.value(ElementColumns::field(static_cast<Column>(c)).toLower(), -1);
    data->count = table.RecordCount();
    data->records.reserve(data->count);
    data->ends.reserve(qsizetype(data->count) * fields);
    if (shareRows(table, fields, *data))
        return wrapped(std::move(data));
    // Each record's texts are gathered first and copied into a string of their whole size:
    // appending them one by one cost more than reading them.
    QVarLengthArray<QStringView, 128> texts(fields);
    for (int r = 0; r < data->count; ++r) {
        qsizetype size = 0;
        for (int f = 0; f < fields; ++f) {
            texts[f] = table.RecordView(r, f);
            size += texts[f].size();
            data->ends.append(static_cast<int>(size));
        }
        QString record(size, Qt::Uninitialized);
        QChar *at = record.data();
        for (const QStringView text : texts)
            at = std::copy(text.begin(), text.end(), at);
        data->records.append(std::move(record));
    }
    return wrapped(std::move(data));
}

ElementRecords ElementRecords::wrapped(std::shared_ptr<const Data> data)
{
    ElementRecords made;
    made.d = std::move(data);
    return made;
}

bool ElementRecords::shareRows(const TTextTable &table, int fields, Data &data)
{
    // Where every row of the grid is a record and no text runs past its field's size, the
    // records are the grid's own row texts, shared: the grid's next change to a row copies it
    // first. The table read at start is so.
    const TStrGrid &grid = table.Grid();
    if (!table.Active() || table.Filtered() || data.count != grid.RowCount() ||
        grid.ColCount() != fields)
        return false;
    QVarLengthArray<std::size_t, 128> sizes(fields);
    for (int f = 0; f < fields; ++f)
        sizes[f] = static_cast<std::size_t>(table.FieldSize(f)); // as RecordView cuts: none below 0
    for (int r = 0; r < data.count; ++r) {
        const int *ends = grid.RowEnds(r);
        for (int f = 0, start = 0; f < fields; start = ends[f], ++f) {
            if (static_cast<std::size_t>(ends[f] - start) > sizes[f])
                return false;
        }
    }
    data.ends.resize(qsizetype(data.count) * fields);
    int *ends = data.ends.data();
    for (int r = 0; r < data.count; ++r) {
        data.records.append(grid.RowText(r));
        ends = std::copy_n(grid.RowEnds(r), fields, ends);
    }
    return true;
}

int ElementRecords::count() const
{
    return d->count;
}

const QStringList &ElementRecords::fieldNames() const
{
    return d->names;
}

int ElementRecords::fieldIndex(const QString &name) const
{
    // Most callers spell a field as the table does: that needs no lower-case copy.
    const auto named = d->asNamed.constFind(name);
    return named != d->asNamed.cend() ? *named : d->byName.value(name.toLower(), -1);
}

int ElementRecords::requireField(const QString &name) const
{
    const int field = fieldIndex(name);
    if (field >= 0)
        return field;
    const QString prefix = d->source.isEmpty() ? QString() : d->source + QStringLiteral(": ");
    throw EDatabaseError(prefix + QStringLiteral("Field '%1' not found").arg(name), name);
}

int ElementRecords::fieldIndex(Column column) const
{
    const int c = static_cast<int>(column);
    return c >= 0 && c < ElementColumns::Count ? d->columns[static_cast<std::size_t>(c)] : -1;
}

QStringView ElementRecords::view(int z, int field) const
{
    const int fields = static_cast<int>(d->names.size());
    if (z < 1 || z > d->count || field < 0 || field >= fields)
        return {};
    const qsizetype at = qsizetype(z - 1) * fields + field;
    const int start = field == 0 ? 0 : d->ends[at - 1];
    return QStringView(d->records[z - 1]).sliced(start, d->ends[at] - start);
}
