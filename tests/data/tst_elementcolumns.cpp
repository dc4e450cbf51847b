// The column list of the element table, checked once against its own rules and against the
// file's names line and two real records.
#include "data/ElementColumns.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"

#include <QSet>
#include <QtTest>

class TestElementColumns : public QObject
{
    Q_OBJECT
private slots:
    void invariants();
    void lookups();
    void matchesRealRecords();
};

void TestElementColumns::invariants()
{
    const QVector<ElementColumn> &columns = ElementColumns::all();
    QCOMPARE(columns.size(), 72);
    QSet<QString> names;
    QSet<QString> wordings;
    for (const ElementColumn &column : columns) {
        QVERIFY2(!names.contains(column.field), qPrintable(column.field));
        names.insert(column.field);
        // A declared size holds at least the name and the five spare characters.
        QVERIFY2(column.size >= column.field.size() + 5, qPrintable(column.field));
        if (!column.listName.isEmpty()) {
            QVERIFY2(!wordings.contains(column.listName), qPrintable(column.listName));
            wordings.insert(column.listName);
        }
    }
    QCOMPARE(columns.first().field, QStringLiteral("_NO_AT"));
    QCOMPARE(columns.last().field, QStringLiteral("ABVIVANT"));
    // Five columns are offered in no list.
    QCOMPARE(wordings.size(), 67);
}

void TestElementColumns::lookups()
{
    QCOMPARE(ElementColumns::indexOf("_81R__HCL"), 26);
    QCOMPARE(ElementColumns::indexOf("acidbase"), -1);
    const auto column = ElementColumns::byField("_TF");
    QVERIFY(column);
    QCOMPARE(column->size, 12);
    QCOMPARE(column->listName, QStringLiteral("Point de  fusion"));
    QVERIFY(!ElementColumns::byField("ABSENT"));
}

void TestElementColumns::matchesRealRecords()
{
    TTextTable table;
    table.setFileName(QFINDTESTDATA("fixtures/carbon_iron.yop"));
    QVector<TTextTable::FieldDecl> declared;
    for (const ElementColumn &column : ElementColumns::all())
        declared.append({column.field, column.size});
    table.setDeclaredFields(declared);
    table.Open();
    QCOMPARE(table.FieldNames(), ElementColumns::fieldNames());
    QCOMPARE(table.RecordCount(), 2);
    QCOMPARE(table.FieldText("_7DECOUVER"), QString::fromUtf16(u"Préhistoire"));
    QVERIFY(!Numbers::parseInteger(table.FieldText("_7DECOUVER")));
    QCOMPARE(table.FieldValue("_3H_FUS"), std::nullopt);
    QCOMPARE(*Numbers::parseDecimal(table.FieldText("_M__AT")), 12.01);
    table.Next();
    QCOMPARE(table.FieldText("_SYMBOLE"), QStringLiteral("Fe"));
    QCOMPARE(*Numbers::parseInteger(table.FieldText("_7DECOUVER")), -2500);
    QCOMPARE(table.FieldText("_9R__HNO3"), QStringLiteral("passivation"));
}

QTEST_GUILESS_MAIN(TestElementColumns)
#include "tst_elementcolumns.moc"
