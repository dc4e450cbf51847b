// Opening a table on an element-table-sized file and on a file of 100 000 records of the same
// shape, and reading every field of every record through the cursor.
//
// The grid keeps the cells of the last file it read whole and gives them again, unsplit, for
// the same bytes read the same way. The windows open the element table again and again, so
// both costs are real; the openings of a small file here measure the reading and splitting:
// they alternate between two files that differ in one cell, and each opening misses what the
// one before kept.
#include "data/TTextTable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kColumns = 72;

// A file shaped like the element table: 72 names, then records of about 580 bytes with some
// empty cells, a quoted cell and accented text.
// `variant` changes the first record's last cell, and nothing else: the files of two variants
// have the same size and shape.
QString makeFile(const QString &path, int records, int variant = 0)
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
            else if (r == 1 && c == kColumns - 1)
                line += QByteArray::number(r * 31 + c) + ',' + QByteArray::number(5 + variant);
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
        small[0] = makeFile(dir.filePath("small.yop"), 103);
        small[1] = makeFile(dir.filePath("small2.yop"), 103, 1);
        large = makeFile(dir.filePath("large.yop"), 100000);
    }
    QTemporaryDir dir;
    QString small[2]; // alike but for one cell
    QString large;
};

const Files &files()
{
    static const Files f;
    return f;
}

void countPerRecord(benchmark::State &state, qint64 records)
{
    state.counters["records"] = static_cast<double>(records);
    state.counters["per_record"] = benchmark::Counter(
        static_cast<double>(records),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The files opened in turn: the small pair, or the large file alone (too long to be kept).
struct Turns
{
    QString paths[2];
    const QString &operator[](int turn) const { return paths[turn]; }
};

Turns smallFiles()
{
    return {{files().small[0], files().small[1]}};
}

Turns largeFile()
{
    return {{files().large, files().large}};
}

// The windows close a table and open it again; the first opening, which takes its memory from
// the system, is left out here and measured by openFresh.
void openClose(benchmark::State &state, const Turns &paths)
{
    TTextTable table;
    table.setFileName(paths[1]);
    table.Open();
    table.Close();
    qint64 records = 0;
    int turn = 0;
    for (auto _ : state) {
        table.setFileName(paths[turn]);
        table.Open();
        records = table.RecordCount();
        table.Close();
        turn = 1 - turn;
    }
    countPerRecord(state, records);
}

// A new table every time: its first opening, and its destruction.
void openFresh(benchmark::State &state, const Turns &paths)
{
    qint64 records = 0;
    int turn = 0;
    for (auto _ : state) {
        TTextTable table;
        table.setFileName(paths[turn]);
        table.Open();
        records = table.RecordCount();
        turn = 1 - turn;
    }
    countPerRecord(state, records);
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
    openClose(state, smallFiles());
}

void BM_OpenLarge(benchmark::State &state)
{
    openClose(state, largeFile());
}

void BM_OpenFreshSmall(benchmark::State &state)
{
    openFresh(state, smallFiles());
}

void BM_OpenFreshLarge(benchmark::State &state)
{
    openFresh(state, largeFile());
}

// The large file's cost per record over the small one's, measured in turns so that the
// machine's changes of pace fall on both alike: each turn opens the small table a thousand
// times (the two small files in turn) and the large one once.
void BM_OpenLinearity(benchmark::State &state)
{
    TTextTable small;
    TTextTable large;
    const auto timeOpens = [](TTextTable &table, const Turns &paths, int times) {
        table.setFileName(paths[1]);
        table.Open();
        table.Close();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < times; ++i) {
            table.setFileName(paths[i % 2]);
            table.Open();
            table.Close();
        }
        return timer.nsecsElapsed();
    };
    double smallPerRecord = 0;
    double largePerRecord = 0;
    for (auto _ : state) {
        smallPerRecord += double(timeOpens(small, smallFiles(), 1000)) / (1000.0 * 103);
        largePerRecord += double(timeOpens(large, largeFile(), 1)) / 100000.0;
    }
    state.counters["small_ns_per_record"] = smallPerRecord / double(state.iterations());
    state.counters["large_ns_per_record"] = largePerRecord / double(state.iterations());
    state.counters["ratio"] = largePerRecord / smallPerRecord;
}

void BM_ReadAllSmall(benchmark::State &state)
{
    readAll(state, files().small[0]);
}

void BM_ReadAllLarge(benchmark::State &state)
{
    readAll(state, files().large);
}

} // namespace

BENCHMARK(BM_OpenSmall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenLarge)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenFreshSmall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenFreshLarge)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenLinearity)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(BM_ReadAllSmall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadAllLarge)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
