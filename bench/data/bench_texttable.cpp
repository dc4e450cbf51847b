// Opening a table on an element-table-sized file and on a file of 100 000 records of the same
// shape, and reading every field of every record through the cursor.
#include "data/TTextTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 72;

// A file shaped like the element table: 72 names, then records of about 580 bytes with some
// empty cells, a quoted cell and accented text.
QString makeFile(const QString &path, int records)
{
    QByteArray names;
    for (int c = 0; c < kColumns; ++c)
        names += (c ? ";_COL" : "_COL") + QByteArray::number(c);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(names + "\r\n");
    QByteArray line;
    for (int r = 1; r <= records; ++r) {
        line = QByteArray::number(r);
        for (int c = 1; c < kColumns; ++c) {
            line += ';';
            if ((r + c) % 9 == 0)
                continue;
            if (c == 58)
                line += "\"Scheele; Gahn\"";
            else if (c % 7 == 0)
                line += "r\xE9"
                        "action avec l'eau, douce";
            else
                line += QByteArray::number(r * 31 + c) + ",5";
        }
        file.write(line + "\r\n");
    }
    return path;
}

struct Files
{
    Files()
    {
        small = makeFile(dir.filePath("small.yop"), 103);
        large = makeFile(dir.filePath("large.yop"), 100000);
    }
    QTemporaryDir dir;
    QString small;
    QString large;
};

const Files &files()
{
    static const Files f;
    return f;
}

void openClose(benchmark::State &state, const QString &path)
{
    TTextTable table;
    table.setFileName(path);
    qint64 records = 0;
    for (auto _ : state) {
        table.Open();
        records = table.RecordCount();
        table.Close();
    }
    state.counters["records"] = static_cast<double>(records);
    state.counters["per_record"] = benchmark::Counter(
        static_cast<double>(records),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void readAll(benchmark::State &state, const QString &path)
{
    TTextTable table;
    table.setFileName(path);
    table.Open();
    const QStringList names = table.FieldNames();
    qint64 chars = 0;
    for (auto _ : state) {
        for (table.First(); !table.Eof(); table.Next()) {
            for (const QString &name : names)
                chars += table.FieldText(name).size();
        }
    }
    benchmark::DoNotOptimize(chars);
    state.counters["per_record"] = benchmark::Counter(
        static_cast<double>(table.RecordCount()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_OpenSmall(benchmark::State &state)
{
    openClose(state, files().small);
}

void BM_OpenLarge(benchmark::State &state)
{
    openClose(state, files().large);
}

void BM_ReadAllSmall(benchmark::State &state)
{
    readAll(state, files().small);
}

void BM_ReadAllLarge(benchmark::State &state)
{
    readAll(state, files().large);
}

} // namespace

BENCHMARK(BM_OpenSmall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenLarge)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadAllSmall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadAllLarge)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
