// The Graph 3D command up to its window: the values of the chosen column read from the
// main window's records and turned into bar heights, and the failures that leave the heights
// as they were.
#include "TestFiles.h"
#include "Thrown.h"
#include "data/ElementRecords.h"
#include "data/ElementTable.h"
#include "data/Errors.h"
#include "data/ProgramState.h"
#include "data/TTextTable.h"
#include "graph3d/Graph3DCommand.h"
#include "graph3d/Graph3DHeights.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The records of a view named as the main window's, over a file of the given lines ("A;B"
// first).
struct View
{
    QTemporaryDir dir;
    TTextTable table;
    ElementRecords records;

    explicit View(const QByteArray &lines)
    {
        const QString path = dir.filePath(QStringLiteral("prop.yop"));
        writeFileBytes(path, lines);
        table.setObjectName(QStringLiteral("TextTable1"));
        table.setDivChar(QLatin1Char(';'));
        table.setSepChar(QLatin1Char('"'));
        table.setFileName(path);
        table.Open();
        records = ElementRecords::fromTable(table);
    }
};

// The chooser as the user works it: picks `title` / `column` and confirms, or closes.
Graph3DCommand::Chooser chooser(ProgramState &state, const QString &title, const QString &column,
                                QString *caption = nullptr)
{
    return [&state, title, column, caption](const QString &shownCaption) {
        if (caption)
            *caption = shownCaption;
        if (column.isEmpty())
            return;
        state.graph.currentTitle = title;
        state.graph.currentColumn = column;
        state.graph.confirmCurrent();
    };
}

} // namespace

class TestGraph3DFeed : public QObject
{
    Q_OBJECT

private slots:
    void heightsSpanOneToHundredAndOne_data();
    void heightsSpanOneToHundredAndOne();
    void readsTheColumnWithoutRegardToCase();
    void commandFillsHeightsAndNamesTheWindow();
    void failuresLeaveTheHeightsAsTheyWere_data();
    void failuresLeaveTheHeightsAsTheyWere();
    void aSecondCommandShowsTheSecondProperty();
};

void TestGraph3DFeed::heightsSpanOneToHundredAndOne_data()
{
    // Values of the first elements ("-" for none; the others have none); the heights
    // expected for them, every further element lying flat at 0,05.
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QList<double>>("heights");
    QTest::newRow("range 10 to 20")
        << QStringList{"10", "20", "15", "-", "12.5"} << QList<double>{1, 101, 51, 0.05, 26};
    QTest::newRow("negative lowest")
        << QStringList{"-5", "5", "0", "-"} << QList<double>{1, 101, 51, 0.05};
    QTest::newRow("missing values ignored by the range")
        << QStringList{"-", "3", "-", "7"} << QList<double>{0.05, 1, 0.05, 101};
    QTest::newRow("no value at all") << QStringList{} << QList<double>{0.05, 0.05};
    // Equal values leave an empty range: one height for all instead of a division by zero.
    QTest::newRow("all values equal")
        << QStringList{"4", "4", "-", "4"} << QList<double>{51, 51, 0.05, 51};
    QTest::newRow("a single value") << QStringList{"-", "-8"} << QList<double>{0.05, 51};
    QTest::newRow("extreme values")
        << QStringList{"-1e308", "1e308", "0"} << QList<double>{1, 101, 51};
    // Far from zero on one side: the range is that of the values, not reaching towards zero.
    QTest::newRow("all above a hundred million")
        << QStringList{"3e8", "2e8", "-", "4e8"} << QList<double>{51, 1, 0.05, 101};
    QTest::newRow("all below minus a hundred million")
        << QStringList{"-2e8", "-4e8", "-3e8"} << QList<double>{101, 1, 51};
    QTest::newRow("a hundred million and one")
        << QStringList{"100000001", "100000003", "100000002"} << QList<double>{1, 101, 51};
}

void TestGraph3DFeed::heightsSpanOneToHundredAndOne()
{
    QFETCH(QStringList, values);
    QFETCH(QList<double>, heights);
    Graph3DHeights::Values given;
    for (int i = 0; i < values.size(); ++i) {
        if (values[i] != QLatin1String("-"))
            given[i] = values[i].toDouble();
    }
    const Graph3DHeights::Heights result = Graph3DHeights::heights(given);
    for (int i = 0; i < ElementTable::ElementCount; ++i) {
        const double expected = i < heights.size() ? heights[i] : 0.05;
        QVERIFY2(qFuzzyCompare(result[i], expected),
                 qPrintable(QStringLiteral("element %1: %2").arg(i + 1).arg(result[i])));
    }
}

void TestGraph3DFeed::readsTheColumnWithoutRegardToCase()
{
    // Three records only: the elements past the table's end have no value.
    View view("_NO_AT;_TEB\r\n1;20,28\r\n2;\r\n3;-4,5E+02\r\n");
    const Graph3DHeights::Values values =
        Graph3DHeights::read(view.records, QStringLiteral("_teb"));
    QCOMPARE(values[0], std::optional<double>(20.28));
    QCOMPARE(values[1], std::nullopt);
    QCOMPARE(values[2], std::optional<double>(-450));
    QCOMPARE(values[3], std::nullopt);
    QCOMPARE(values[102], std::nullopt);
}

void TestGraph3DFeed::commandFillsHeightsAndNamesTheWindow()
{
    View view("_NO_AT;_TEB\r\n1;20\r\n2;\r\n3;30\r\n");
    ProgramState state;
    state.graph.xTitle = QStringLiteral("from an earlier chart");
    state.graph.xColumn = QStringLiteral("_NO_AT");
    QString shown;
    const std::optional<QString> caption = Graph3DCommand::prepare(
        state, view.records, chooser(state, QStringLiteral("T eb (K)"), "_TEB", &shown));
    QCOMPARE(shown, QStringLiteral("Proprieté"));
    QCOMPARE(caption, std::optional<QString>(QStringLiteral("Propriété : T eb (K)")));
    QCOMPARE(state.heights[0], 1.0);
    QCOMPARE(state.heights[1], 0.05);
    QCOMPARE(state.heights[2], 101.0);
}

void TestGraph3DFeed::failuresLeaveTheHeightsAsTheyWere_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("message"); // empty: no error, no window
    const QByteArray file = "_NO_AT;_TEB\r\n1;4\r\n2;12.5\r\n";
    QTest::newRow("chooser closed") << file << QString() << QString();
    QTest::newRow("unknown column")
        << file << "_NOPE" << QStringLiteral("TextTable1: Field '_NOPE' not found");
    // No record to read: the column is still checked.
    QTest::newRow("unknown column of a table without records")
        << QByteArray("_NO_AT;_TEB\r\n") << "_NOPE"
        << QStringLiteral("TextTable1: Field '_NOPE' not found");
    QTest::newRow("not a number") << file << "_TEB"
                                  << QStringLiteral("Élément 2, champ _TEB : « 12.5 » n'est pas un "
                                                    "nombre décimal valide (le séparateur décimal "
                                                    "est la virgule : 1,01).");
}

void TestGraph3DFeed::failuresLeaveTheHeightsAsTheyWere()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, column);
    QFETCH(QString, message);
    View view(file);
    ProgramState state;
    state.heights.fill(7);
    const QString raised = thrownMessage<MirelonError>([&] {
        const auto caption =
            Graph3DCommand::prepare(state, view.records, chooser(state, "T eb (K)", column));
        QCOMPARE(caption, std::nullopt);
    });
    QCOMPARE(raised, message);
    for (double height : state.heights)
        QCOMPARE(height, 7.0);
}

void TestGraph3DFeed::aSecondCommandShowsTheSecondProperty()
{
    View view("_NO_AT;_TF;_TEB\r\n1;5;30\r\n2;10;20\r\n");
    ProgramState state;
    QCOMPARE(Graph3DCommand::prepare(state, view.records, chooser(state, "T fus (K)", "_TF")),
             std::optional<QString>(QStringLiteral("Propriété : T fus (K)")));
    QCOMPARE(state.heights[0], 1.0);
    QCOMPARE(Graph3DCommand::prepare(state, view.records, chooser(state, "T eb (K)", "_TEB")),
             std::optional<QString>(QStringLiteral("Propriété : T eb (K)")));
    QCOMPARE(state.heights[0], 101.0);
    QCOMPARE(state.heights[1], 1.0);
}

QTEST_GUILESS_MAIN(TestGraph3DFeed)
#include "tst_graph3dfeed.moc"
