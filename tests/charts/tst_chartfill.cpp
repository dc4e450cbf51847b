// The fills of the chart windows, on a crafted table: which elements, in which order,
// with which values, and what a damaged table gives.
#include "ChartFixture.h"
#include "Thrown.h"
#include "charts/ChartFill.h"
#include "charts/ChartTable.h"
#include "data/ElementRecords.h"
#include "data/ElementTable.h"
#include "data/Errors.h"
#include "data/TTextTable.h"

#include <QtTest>

class TestChartFill : public QObject
{
    Q_OBJECT

private slots:
    void xy_data();
    void xy();
    void rowColumn();
    void everyElement();
    void badTables_data();
    void badTables();
    void spokenTable_data();
    void spokenTable();

private:
    static ElementRecords records(const ChartFixture &fixture);
};

namespace {

// "symbol x y" for each point, in plotting order.
QStringList describe(const ChartPoints &points)
{
    QStringList out;
    for (const ChartPoint &p : points)
        out << QStringLiteral("%1 %2 %3").arg(p.lab).arg(p.x).arg(p.y);
    return out;
}

} // namespace

// What a chart window reads: its table's records, on the file as it stands.
ElementRecords TestChartFill::records(const ChartFixture &fixture)
{
    TTextTable table;
    table.setDivChar(QLatin1Char(';'));
    table.setSepChar(QLatin1Char('"'));
    table.setFileName(fixture.folder().propFile());
    table.Open();
    return ElementRecords::fromTable(table);
}

void TestChartFill::xy_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QStringList>("points");
    // He has no electronegativity; B and C share X and keep table order; Y is not sorted.
    QTest::newRow("boiling point, electronegativity")
        << "_TEB"
        << "_3EN" << QStringList{"H 20.28 2.2",  "N 77.36 3.04",    "Li 1615 1",
                                 "Be 2744 1.57", "Bxxxx 4273 2.04", "C 4273 2.55"};
    QTest::newRow("swapped axes") << "_3EN"
                                  << "_TEB"
                                  << QStringList{"Li 1 1615",   "Be 1.57 2744", "Bxxxx 2.04 4273",
                                                 "H 2.2 20.28", "C 2.55 4273",  "N 3.04 77.36"};
    // The same property twice: a diagonal of the elements that have it, exponent included.
    QTest::newRow("same property")
        << "_0DURET_"
        << "_0DURET_" << QStringList{"Li 0.6 0.6", "Bxxxx 9.3 9.3", "C 10 10"};
    // A column empty for most elements: only the few with both values.
    QTest::newRow("few values") << "_0DURET_"
                                << "LIGNE" << QStringList{"Li 0.6 2", "C 10 2"};
}

void TestChartFill::xy()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QStringList, points);
    ChartFixture fixture;
    QCOMPARE(describe(ChartFill::xy(records(fixture), x, y)), points);
}

// Rows: every element with a value and a row (the fifth has none); columns: of those, the
// ones with a column (not N). Equal X keep the table's order.
void TestChartFill::rowColumn()
{
    ChartFixture fixture;
    const ChartFill::RowColumn points =
        ChartFill::rowColumn(records(fixture), QStringLiteral("_TEB"));
    QCOMPARE(describe(points.byRow), (QStringList{"H 1 20.28", "He 1 4.22", "Li 2 1615",
                                                  "Be 2 2744", "C 2 4273", "N 2 77.36"}));
    QCOMPARE(describe(points.byColumn),
             (QStringList{"H 1 20.28", "Li 1 1615", "Be 2 2744", "C 14 4273", "He 18 4.22"}));
}

// On the shipped table, a property every element has gives one point per element on each chart, the
// atomic numbers in order.
void TestChartFill::everyElement()
{
    ChartFixture fixture(readFileBytes(shippedData().propFile()));
    const ChartFill::RowColumn lc =
        ChartFill::rowColumn(records(fixture), QStringLiteral("_M__AT"));
    QCOMPARE(lc.byRow.size(), ElementTable::ElementCount);
    QCOMPARE(lc.byColumn.size(), ElementTable::ElementCount);
    const ChartPoints xy =
        ChartFill::xy(records(fixture), QStringLiteral("_NO_AT"), QStringLiteral("_M__AT"));
    QCOMPARE(xy.size(), ElementTable::ElementCount);
    QCOMPARE(xy.front().lab, QStringLiteral("H"));
    QCOMPARE(xy.back().lab, QStringLiteral("Og"));
    QCOMPARE(xy.back().x, double(ElementTable::ElementCount));
}

// A missing column and a text that is not a number are errors with their names, never
// "no value"; a table with fewer records than the full table gives each record once.
void TestChartFill::badTables_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("points");
    const QByteArray good = ChartFixture::crafted();
    QTest::newRow("missing column") << good << "_TF"
                                    << "Field '_TF' not found" << 0;
    QByteArray word = good;
    word.replace("4;Be;2744;", "4;Be;env. 2744;");
    QTest::newRow("word in a number")
        << word << "_TEB"
        << "« env. 2744 » n'est pas une valeur numérique (Be, champ _TEB)" << 0;
    QByteArray point = good;
    point.replace("1;H;20,28;", "1;H;20.28;");
    QTest::newRow("decimal point")
        << point << "_TEB"
        << "« 20.28 » n'est pas une valeur numérique (H, champ _TEB)" << 0;
    QTest::newRow("two records") << QByteArray("_SYMBOLE;_TEB;_3EN\r\nH;1;2\r\nHe;3;4\r\n")
                                 << "_TEB" << QString() << 2;
    QTest::newRow("missing file") << QByteArray() << "_TEB"
                                  << "Field '_SYMBOLE' not found" << 0;
}

void TestChartFill::badTables()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, column);
    QFETCH(QString, error);
    QFETCH(int, points);
    ChartFixture fixture(file);
    if (file.isEmpty())
        QFile::remove(fixture.folder().propFile());
    int count = -1;
    QCOMPARE(thrownMessage<MirelonError>([&] {
                 count =
                     int(ChartFill::xy(records(fixture), column, QStringLiteral("_3EN")).size());
             }),
             error);
    if (error.isEmpty())
        QCOMPARE(count, points);
}

void TestChartFill::spokenTable_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("row"); // the cells, one past the last, then the headers
    const QString headers = QStringLiteral("|Élément|T eb (K)|E.N.");
    QTest::newRow("decimal comma") << 3020.0 << 1.6 << "Fe|3020|1,6|" + headers;
    QTest::newRow("negative value") << -0.74 << 4.0 << "Fe|-0,74|4|" + headers;
    QTest::newRow("small value in exponent form") << 4e-8 << 1.0 << "Fe|4E-8|1|" + headers;
    QTest::newRow("value with many digits") << 1.00794 << 2.0 << "Fe|1,00794|2|" + headers;
}

// A chart's points as a screen reader reads them: the symbol, the values as the element table
// writes them, the value columns headed by the axis titles; nothing past the third column.
void TestChartFill::spokenTable()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, row);
    const ChartPoint point{QStringLiteral("Fe"), x, y};
    QStringList spoken;
    for (int column = 0; column <= ChartTable::ColumnCount; ++column)
        spoken << ChartTable::cell(point, column);
    for (int column = 0; column < ChartTable::ColumnCount; ++column)
        spoken << ChartTable::header(column, QStringLiteral(" T eb (K) "), QStringLiteral("E.N."));
    QCOMPARE(spoken.join(QLatin1Char('|')), row);
    QCOMPARE(ChartTable::summary(QStringLiteral("T eb (K)"), QStringLiteral("E.N."), 84),
             QStringLiteral("T eb (K) en abscisse, E.N. en ordonnée, 84 points"));
}

QTEST_GUILESS_MAIN(TestChartFill)
#include "tst_chartfill.moc"
