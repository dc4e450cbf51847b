// The user's copy of the element table merged with a newer shipped table, cell by cell: what
// the user edited is kept, every other cell takes the shipped value.
#include "data/TableRefresh.h"

#include <QtTest>

namespace {

// A table written compactly: rows apart by "|", cells by ";", names first.
TStrGrid table(const QString &rows)
{
    TStrGrid grid;
    grid.setDivChar(QChar(u';'));
    grid.LoadFromBytes(QString(rows).replace(u'|', QStringLiteral("\r\n")).toLatin1() + "\r\n");
    return grid;
}

QString compact(const TStrGrid &grid)
{
    QStringList rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.append(grid.Row(r).join(u';'));
    return rows.join(u'|');
}

} // namespace

class TestTableRefresh : public QObject
{
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<QString>("base"); // empty: no kept copy
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QString>("merged");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("dropped");

        const QString was = QStringLiteral("_NO_AT;M;T|1;1,01;20|2;4,00;4");
        QTest::newRow("cell edited by the user kept")
            << was << "_NO_AT;M;T|1;1,01;21|2;4,00;4" << was << "_NO_AT;M;T|1;1,01;21|2;4,00;4" << 1
            << 0;
        QTest::newRow("cell corrected in the shipped table taken")
            << was << was << "_NO_AT;M;T|1;1,008;20|2;4,00;4"
            << "_NO_AT;M;T|1;1,008;20|2;4,00;4" << 0 << 0;
        QTest::newRow("edit and correction in other cells of a record: both")
            << was << "_NO_AT;M;T|1;1,01;21|2;4,00;4"
            << "_NO_AT;M;T|1;1,008;20|2;4,00;4"
            << "_NO_AT;M;T|1;1,008;21|2;4,00;4" << 1 << 0;
        QTest::newRow("cell changed by both: the user's kept")
            << was << "_NO_AT;M;T|1;1,1;20|2;4,00;4"
            << "_NO_AT;M;T|1;1,008;20|2;4,00;4"
            << "_NO_AT;M;T|1;1,1;20|2;4,00;4" << 1 << 0;
        QTest::newRow("user's edit equal to the correction is no value of theirs")
            << was << "_NO_AT;M;T|1;1,008;20|2;4,00;4"
            << "_NO_AT;M;T|1;1,008;20|2;4,00;4"
            << "_NO_AT;M;T|1;1,008;20|2;4,00;4" << 0 << 0;
        QTest::newRow("new shipped record and column added")
            << was << "_NO_AT;M;T|1;1,01;21|2;4,00;4"
            << "_NO_AT;M;T;S|1;1,01;20;H|2;4,00;4;He|3;6,94;453;Li"
            << "_NO_AT;M;T;S|1;1,01;21;H|2;4,00;4;He|3;6,94;453;Li" << 1 << 0;
        // The program gave the user's older table the new column empty and wrote it so.
        QTest::newRow("column added since the kept copy: empty cells take the shipped values")
            << was << "_NO_AT;M;T;S|1;1,01;21;|2;4,00;4;Hx"
            << "_NO_AT;M;T;S|1;1,01;20;H|2;4,00;4;He"
            << "_NO_AT;M;T;S|1;1,01;21;H|2;4,00;4;Hx" << 2 << 0;
        QTest::newRow("removed column left out, the user's edit in it counted")
            << was << "_NO_AT;M;T|1;1,01;21|2;4,00;5"
            << "_NO_AT;M|1;1,01|2;4,00"
            << "_NO_AT;M|1;1,01|2;4,00" << 0 << 2;
        QTest::newRow("removed record left out, untouched") << was << was << "_NO_AT;M;T|1;1,01;20"
                                                            << "_NO_AT;M;T|1;1,01;20" << 0 << 0;
        QTest::newRow("records and columns in another order matched by number and name")
            << was << "_NO_AT;T;M|2;5;4,00|1;20;1,01"
            << "_NO_AT;M;T|1;1,008;20|2;4,00;4"
            << "_NO_AT;M;T|1;1,008;20|2;4,00;5" << 1 << 0;
        QTest::newRow("record of the user's own kept after the shipped ones")
            << was << "_NO_AT;M;T|1;1,01;20|2;4,00;4|200;9;9" << was
            << "_NO_AT;M;T|1;1,01;20|2;4,00;4|200;9;9" << 2 << 0;
        QTest::newRow("no kept copy: a cell unlike the shipped one is the user's")
            << QString() << "_NO_AT;M;T|1;1,01;21|2;4,00;4"
            << "_NO_AT;M;T;S|1;1,008;20;H|2;4,00;4;He"
            << "_NO_AT;M;T;S|1;1,01;21;H|2;4,00;4;He" << 2 << 0;
    }
    void merge()
    {
        QFETCH(QString, base);
        QFETCH(QString, mine);
        QFETCH(QString, shipped);
        QFETCH(QString, merged);
        QFETCH(int, kept);
        QFETCH(int, dropped);
        const TStrGrid baseTable = table(base);
        const TStrGrid theirs = table(shipped);
        QVERIFY(!TableRefresh::refusal(table(mine)));
        QVERIFY(!TableRefresh::refusal(theirs));
        const TableRefresh::Result result =
            TableRefresh::merge(base.isEmpty() ? nullptr : &baseTable, table(mine), theirs);
        QCOMPARE(compact(result.table), merged);
        QCOMPARE(result.keptValues, kept);
        QCOMPARE(result.droppedValues, dropped);
    }
};

QTEST_GUILESS_MAIN(TestTableRefresh)
#include "tst_tablerefresh.moc"
