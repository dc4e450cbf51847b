// The column table, checked once: its order, names, sizes and list wordings as the
// windows and lists rely on them, and its kinds, widths and gaps against the shipped
// element table.
#include "data/ElementColumns.h"
#include "data/ElementTable.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {
// The latest year of discovery: tennesse, credited to the Dubna-Livermore-Oak Ridge work of 2010.
constexpr int kLastDiscovery = 2010;
} // namespace

class TestElementColumns : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void constantsAndNames();
    void wordings_data();
    void wordings();
    void lookups();
    void shippedNamesLine();
    void shippedValues_data();
    void shippedValues();
    void toolsFile();
    void matchesRealRecords();

private:
    QStringList m_fileNames;
    QVector<int> m_computedSizes;  // as the table works them out from the file alone
    QVector<QStringList> m_values; // per column, one text per element in record order
};

void TestElementColumns::initTestCase()
{
    TTextTable table;
    table.setDivChar(u';');
    table.setSepChar(u'"');
    table.setWinText(true);
    table.setFileName(QStringLiteral(MIRELON_SHARE_DIR "/prop.yop"));
    table.Open();
    QVERIFY2(table.Active(), "prop.yop did not open");
    m_fileNames = table.FieldNames();
    m_values.resize(table.FieldCount());
    for (int field = 0; field < table.FieldCount(); ++field) {
        m_computedSizes << table.FieldSize(field);
        for (int record = 0; record < table.RecordCount(); ++record)
            m_values[field] << table.RecordText(record, field);
    }
}

// Constant n is the n-th row; no name twice.
void TestElementColumns::constantsAndNames()
{
    const QVector<ElementColumn> &columns = ElementColumns::all();
    QCOMPARE(columns.size(), ElementColumns::Count);
    QSet<QString> names;
    int offered = 0; // the columns the lists offer: all but five
    for (int i = 0; i < columns.size(); ++i) {
        QCOMPARE(static_cast<int>(columns[i].id), i);
        QCOMPARE(&ElementColumns::column(columns[i].id), &columns[i]);
        QVERIFY2(!names.contains(columns[i].field), qPrintable(columns[i].field));
        names.insert(columns[i].field);
        offered += columns[i].listName.isEmpty() ? 0 : 1;
    }
    QCOMPARE(offered, ElementColumns::Count - 5);
    QCOMPARE(ElementColumns::field(Column::RiCation2), QStringLiteral("_4RI_2_"));
    QCOMPARE(ElementColumns::field(Column::RiAnion2), QStringLiteral("_3RI_2_"));
}

// The wording the lists offer a column under, blanks and odd spellings included: the texts
// that other lists take up, and the five columns offered nowhere, which have none. The order
// and the sizes are checked against the shipped file (shippedNamesLine, shippedValues).
void TestElementColumns::wordings_data()
{
    QTest::addColumn<QString>("wording");
    const std::pair<const char *, const char *> rows[] = {
        {"_NO_AT", "Numero Atomique"},
        {"_NOM", "nom"},
        {"_M__AT", "Masse Atomique "},
        {"_TF", "Point de  fusion"},
        {"_4H_VAP", "Enthalpie de vapororisation"},
        {"_7DECOUVER", "Année de la Découverte"},
        {"_9E_2EME_I", "Energie de  2ème ionisation"},
        {"_1RI_1_", "Rayon ionique : ion 1-"},
        {"_2RI_1_", "Rayon ionique :  ion 1+"},
        {"_9NO_MINC", "Nombre d'oxydation Min.courant"},
        {"_0NO_MAX", "Nombre d'oxydation Max. connu"},
        {"BLOC", "Blocs s/p/d/f"},
        {"Acidbase", "Acide-Base"},
        {"ABATM", "Abondance atmosphere"},
        {"LIGNE", ""},
        {"COLONNE", ""},
        {"NOMUK", ""},
        {"NOMGER", ""},
        {"TEXTEDEC", ""},
    };
    for (const auto &[field, wording] : rows)
        QTest::newRow(field) << QString::fromUtf8(wording);
}

void TestElementColumns::wordings()
{
    const auto column = ElementColumns::byField(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(column);
    QTEST(column->listName, "wording");
}

void TestElementColumns::lookups()
{
    QCOMPARE(ElementColumns::indexOf("_81R__HCL"), 26);
    // Names are exact: the file's mixed case counts.
    QCOMPARE(ElementColumns::indexOf("acidbase"), -1);
    QCOMPARE(ElementColumns::indexOf("ABSENT"), -1);
    QVERIFY(!ElementColumns::byField("ABSENT"));
    const auto column = ElementColumns::byField("_TF");
    QVERIFY(column);
    QCOMPARE(column->id, Column::Tf);
    QVERIFY(!ElementTable::isNumeric("ABSENT"));
}

// The shipped file names exactly the table's columns, in the table's order.
void TestElementColumns::shippedNamesLine()
{
    QCOMPARE(m_fileNames, ElementColumns::fieldNames());
}

void TestElementColumns::shippedValues_data()
{
    QTest::addColumn<int>("index");
    for (const ElementColumn &column : ElementColumns::all())
        QTest::newRow(qPrintable(column.field)) << static_cast<int>(column.id);
}

// Per column of the shipped file: at most the table's number of gaps (a measured value may
// fill one, nothing may open a new one), the form of every value as its kind
// says, and the declared size equal to what the table computes (longest text + 5), so that
// no value is cut. A text column holds some value that is no number, or no value at all.
void TestElementColumns::shippedValues()
{
    QFETCH(int, index);
    const ElementColumn &column = ElementColumns::column(static_cast<Column>(index));
    QVERIFY(index < m_values.size());
    const QStringList &values = m_values[index];
    QCOMPARE(values.size(), ElementTable::ElementCount);
    const int gaps = int(values.count(QString()));
    QVERIFY2(gaps <= column.empties,
             qPrintable(QStringLiteral("%1 empty, at most %2").arg(gaps).arg(column.empties)));
    QCOMPARE(m_computedSizes.value(index), column.size);

    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(,[0-9]+)?(E-?[0-9]+)?$"));
    static const QRegularExpression oxidation(QStringLiteral("^(0|[-+][1-9])( (0|[-+][1-9]))*$"));
    QStringList bad;
    bool someWord = false;
    for (int z = 1; z <= values.size(); ++z) {
        const QString &v = values[z - 1];
        if (v.isEmpty())
            continue;
        const bool isNumber = number.match(v).hasMatch() && Numbers::parseDecimal(v);
        someWord = someWord || !Numbers::parseDecimal(v);
        bool ok = true;
        if (column.kind == ColumnKind::Number)
            ok = isNumber;
        if (column.kind == ColumnKind::Year) {
            const auto year = Numbers::parseInteger(v);
            ok = (year && *year >= -5000 && *year <= kLastDiscovery) ||
                 (v == u"Préhistoire" && (z == 6 || z == 16));
        }
        if (column.kind == ColumnKind::Oxidation)
            ok = oxidation.match(v).hasMatch();
        if (!ok)
            bad << QStringLiteral("%1:'%2'").arg(z).arg(v);
    }
    QVERIFY2(bad.isEmpty(), qPrintable(bad.join(u' ')));
    // A column without any value holds nothing that could be read as a number.
    if (column.empties == values.size())
        QCOMPARE(column.kind, ColumnKind::Text);
    else if (column.kind == ColumnKind::Text)
        QVERIFY2(someWord, "only numbers in a text column");
    // The table refuses a posted non-number exactly in the columns of numbers.
    QCOMPARE(ElementTable::isNumeric(column.field), column.kind == ColumnKind::Number);
}

// The file the maintainer scripts read: a heading, then one tab-separated line per column,
// blanks kept.
void TestElementColumns::toolsFile()
{
    const QList<QByteArray> lines = ElementColumns::toTsv().split('\n');
    QCOMPARE(lines.size(), ElementColumns::Count + 2);
    QCOMPARE(lines.first(), QByteArray("field\tsize\tkind\tempties\tunit\tlist"));
    QCOMPARE(lines[4], QByteArray("_M__AT\t11\tnumber\t0\tg/mol\tMasse Atomique "));
    QCOMPARE(lines[16],
             QString::fromUtf8("_7DECOUVER\t16\tyear\t0\t\tAnnée de la Découverte").toUtf8());
    QCOMPARE(lines[54], QByteArray("LIGNE\t10\tnumber\t0\t\t"));
    QVERIFY(lines.last().isEmpty());
}

void TestElementColumns::matchesRealRecords()
{
    TTextTable table;
    table.setFileName(QFINDTESTDATA("fixtures/carbon_iron.yop"));
    QVector<TTextTable::FieldDecl> declared;
    for (const ElementColumn &column : ElementColumns::all())
        declared.append({column.field, column.size, ElementColumns::addedLater(column.id)});
    table.setDeclaredFields(declared);
    table.Open();
    // The records of the first edition's columns; the later ones are given to them empty.
    QCOMPARE(table.FieldNames(), ElementColumns::fieldNames());
    QCOMPARE(table.FieldText("ENPAULING"), QString());
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
