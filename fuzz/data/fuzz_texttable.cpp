// Opens the element-table component on arbitrary bytes written to a file, walks every record,
// edits a cell of one of them, posts it and closes. The table has as many records as the grid
// reads lines after the names line, the walk meets each once, a refused post says why, and a
// posted cell, cut to its field's size, reads back the same from the file once the table is
// opened again.
#include "data/Errors.h"
#include "data/TStrGrid.h"
#include "data/TTextTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

void configure(TTextTable &table, const QString &file)
{
    table.setDivChar(u';');
    table.setSepChar(u'"');
    table.setFileName(file);
}

// Every record once, in order, each field readable.
void walk(TTextTable &table)
{
    int seen = 0;
    table.First();
    while (!table.Eof()) {
        check(table.RecNo() == seen + 1);
        for (const QString &name : table.FieldNames())
            check(table.FieldText(name).size() <= table.FieldSize(table.FieldIndex(name)));
        ++seen;
        check(seen <= table.RecordCount());
        table.Next();
    }
    check(seen == table.RecordCount());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first byte picks the record and the field edited; the second, the length of the text
    // typed, taken from the end of the bytes.
    const uint8_t place = data[0];
    const qsizetype typedLength = qMin<qsizetype>(data[1] % 32, qsizetype(size - 2));
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const QString typed = QString::fromLatin1(bytes.last(typedLength).data(), typedLength);
    const QString file = QDir(folder().path()).filePath(QStringLiteral("prop.yop"));
    {
        QFile out(file);
        check(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(out.write(bytes.data(), bytes.size()) == bytes.size());
    }
    TStrGrid grid;
    grid.setDivChar(u';');
    grid.setSepChar(u'"');
    grid.LoadFromBytes(bytes);

    TTextTable table;
    configure(table, file);
    table.Open();
    check(table.FieldCount() == grid.ColCount());
    check(table.RecordCount() == qMax(0, grid.RowCount() - 1));
    walk(table);
    if (table.RecordCount() == 0 || table.FieldCount() == 0) {
        table.Close();
        return 0;
    }
    const int records = table.RecordCount();
    const int record = 1 + (place >> 3) % records;
    const QString field = table.FieldNames().at((place & 7) % table.FieldCount());
    table.setRecNo(record);
    check(table.RecNo() == record);
    // A posted text is cut to the size its field had when the table opened.
    const QString posted = typed.left(table.FieldSize(table.FieldIndex(field)));
    table.Edit();
    table.setFieldText(field, typed);
    const std::optional<QString> refusal = table.TryPost();
    check(!refusal || !refusal->isEmpty());
    if (refusal)
        table.Cancel();
    table.Close();

    TTextTable again;
    configure(again, file);
    again.Open();
    check(again.RecordCount() == records);
    walk(again);
    if (!refusal) {
        again.setRecNo(record);
        check(again.FieldText(field) == posted);
    }
    again.Close();
    return 0;
}
