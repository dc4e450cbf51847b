// The element records as a value: what a table holds, as the table reads it, found by column
// constant or by field name, and a set that stays as it was made when the table changes.
#include "TestFiles.h"
#include "Thrown.h"
#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "data/TTextTable.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Three elements; the file names the melting point in lower case and has no boiling point.
const QByteArray ThreeElements("_NO_AT;_SYMBOLE;_tf;_NOM\r\n"
                               "1;H;14,01;Hydrog\xE8ne\r\n"
                               "2;He;;H\xE9lium\r\n"
                               "3;Li;453,69;Lithium\r\n");

struct Table
{
    QTemporaryDir dir;
    TTextTable table;

    // `nameSize` is the size declared for the name's box.
    explicit Table(int nameSize = 5, const QByteArray &bytes = ThreeElements)
    {
        const QString path = dir.filePath(QStringLiteral("prop.yop"));
        writeFileBytes(path, bytes);
        table.setObjectName(QStringLiteral("Table1"));
        table.setFileName(path);
        table.setDeclaredFields(QVector<TTextTable::FieldDecl>{{QStringLiteral("_NOM"), nameSize}});
        table.Open();
    }
};

} // namespace

class TestElementRecords : public QObject
{
    Q_OBJECT

private slots:
    void textsAsTheTableReadsThem_data();
    void textsAsTheTableReadsThem();
    void fieldsByName();
    void aSetStaysAsItWasMade_data();
    void aSetStaysAsItWasMade();
    void closedTableGivesNoRecord();
    void filteredTableGivesTheRecordsItShows();
};

void TestElementRecords::textsAsTheTableReadsThem_data()
{
    QTest::addColumn<int>("nameSize");
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    // A name longer than its box is cut; with every text within its box the records are made
    // another way, and the same texts must come out.
    for (const int size : {5, 20}) {
        const auto row = [size](const char *name) -> QTestData & {
            return QTest::addRow("%s, names in %d", name, size) << size;
        };
        row("first record") << 1 << int(Column::Symbole) << "H";
        row("last record") << 3 << int(Column::Tf) << "453,69";
        row("field named in another case") << 1 << int(Column::Tf) << "14,01";
        row("empty cell") << 2 << int(Column::Tf) << "";
        row("column the file lacks") << 1 << int(Column::Teb) << "";
        row("record past the end") << 4 << int(Column::Symbole) << "";
        row("record 0") << 0 << int(Column::Symbole) << "";
        row("last field") << 3 << int(Column::Nom) << (size == 5 ? "Lithi" : "Lithium");
    }
    QTest::newRow("cut to the declared size") << 5 << 2 << int(Column::Nom) << "Héliu";
    QTest::newRow("shorter than the declared size") << 5 << 1 << int(Column::Nom) << "Hydro";
    QTest::newRow("within the declared size") << 20 << 1 << int(Column::Nom) << "Hydrogène";
}

void TestElementRecords::textsAsTheTableReadsThem()
{
    QFETCH(int, nameSize);
    QFETCH(int, z);
    QFETCH(int, column);
    Table t(nameSize);
    const ElementRecords records = ElementRecords::fromTable(t.table);
    QCOMPARE(records.count(), 3);
    QTEST(records.text(z, static_cast<Column>(column)), "text");
    // The table's own reading of the same cell, where it has one.
    const int field = records.fieldIndex(static_cast<Column>(column));
    if (field >= 0 && z >= 1 && z <= 3)
        QCOMPARE(records.text(z, field), t.table.RecordText(z - 1, field));
}

void TestElementRecords::fieldsByName()
{
    Table t;
    const ElementRecords records = ElementRecords::fromTable(t.table);
    QCOMPARE(records.fieldNames(), (QStringList{"_NO_AT", "_SYMBOLE", "_tf", "_NOM"}));
    QCOMPARE(records.fieldIndex(QStringLiteral("_TF")), 2);
    QCOMPARE(records.fieldIndex(Column::Tf), 2);
    QCOMPARE(records.fieldIndex(QStringLiteral("_TEB")), -1);
    QCOMPARE(records.fieldIndex(Column::Teb), -1);
    QCOMPARE(records.requireField(QStringLiteral("_symbole")), 1);
    QCOMPARE(thrownMessage<EDatabaseError>([&] { records.requireField(QStringLiteral("_TEB")); }),
             QStringLiteral("Table1: Field '_TEB' not found"));
}

// A post makes the next set; one made before keeps its texts, and an edit in progress is in
// none of them: whether the set copied the table's texts or shares them.
void TestElementRecords::aSetStaysAsItWasMade_data()
{
    QTest::addColumn<int>("nameSize");
    QTest::newRow("texts copied") << 5;
    QTest::newRow("texts shared") << 20;
}

void TestElementRecords::aSetStaysAsItWasMade()
{
    QFETCH(int, nameSize);
    Table t(nameSize);
    const ElementRecords before = ElementRecords::fromTable(t.table);
    const ElementRecords copy = before;
    t.table.setRecNo(2);
    t.table.setFieldText(QStringLiteral("_TF"), QStringLiteral("0,95"));
    QCOMPARE(ElementRecords::fromTable(t.table).text(2, Column::Tf), QString());
    t.table.Post();
    const ElementRecords after = ElementRecords::fromTable(t.table);
    QCOMPARE(after.text(2, Column::Tf), QStringLiteral("0,95"));
    QCOMPARE(before.text(2, Column::Tf), QString());
    QCOMPARE(copy.text(2, Column::Tf), QString());
    QCOMPARE(after.text(3, Column::Tf), QStringLiteral("453,69"));
}

void TestElementRecords::closedTableGivesNoRecord()
{
    Table t;
    t.table.Close();
    const ElementRecords records = ElementRecords::fromTable(t.table);
    QCOMPARE(records.count(), 0);
    QCOMPARE(records.text(1, Column::Symbole), QString());
    QCOMPARE(ElementRecords().count(), 0);
    QCOMPARE(ElementRecords().fieldIndex(Column::NoAt), -1);
}

void TestElementRecords::filteredTableGivesTheRecordsItShows()
{
    Table t;
    t.table.setFilter(QStringLiteral("_SYMBOLE <> 'He'"));
    t.table.setFiltered(true);
    const ElementRecords records = ElementRecords::fromTable(t.table);
    QCOMPARE(records.count(), 2);
    QCOMPARE(records.text(2, Column::Symbole), QStringLiteral("Li"));
}

QTEST_GUILESS_MAIN(TestElementRecords)
#include "tst_elementrecords.moc"
