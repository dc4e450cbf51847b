// The fifteen records after lawrencium, Rf (104) to Og (118), against values written out by
// hand from their sources, and the rule that keeps them honest: a column holds a value only
// where one was measured or established; nothing calculated is given as a fact.
#include "data/DataFolder.h"
#include "data/ElementColumns.h"
#include "data/ElementTable.h"
#include "data/Errors.h"
#include "data/SectionFile.h"
#include "data/TTextTable.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <iterator>

namespace {

struct Record
{
    int z;
    const char *symbol;
    const char *name; // UTF-8
    const char *massNumber;
    const char *year;
    const char *group; // LIGNE is 7 for all fifteen
};

// Symbols and names: IUPAC recommendations of 1997 (104-109), 2003 (Ds), 2004 (Rg),
// 2010 (Cn), 2012 (Fl, Lv) and 2016 (Nh, Mc, Ts, Og); French names as the Société chimique de
// France writes them. Mass numbers: longest-lived isotope, NUBASE2020 (Chinese Phys. C 45
// (2021) 030001). Years: the work credited by the Transfermium Working Group (Pure Appl. Chem.
// 65 (1993) 1757) for 104-109 and by the IUPAC/IUPAP Joint Working Party (Pure Appl. Chem. 73
// (2001) 959, 75 (2003) 1601, 81 (2009) 1331, 83 (2011) 1485, 88 (2016) 139 and 155) after.
// clang-format off
const Record kRecords[] = {
    {104, "Rf", "Rutherfordium", "267", "1969", "4"},
    {105, "Db", "Dubnium",       "268", "1970", "5"},
    {106, "Sg", "Seaborgium",    "269", "1974", "6"},
    {107, "Bh", "Bohrium",       "270", "1981", "7"},
    {108, "Hs", "Hassium",       "269", "1984", "8"},
    {109, "Mt", "Meitnérium",    "278", "1982", "9"},
    {110, "Ds", "Darmstadtium",  "281", "1994", "10"},
    {111, "Rg", "Roentgenium",   "282", "1994", "11"},
    {112, "Cn", "Copernicium",   "285", "1996", "12"},
    {113, "Nh", "Nihonium",      "286", "2004", "13"},
    {114, "Fl", "Flérovium",     "289", "1999", "14"},
    {115, "Mc", "Moscovium",     "290", "2003", "15"},
    {116, "Lv", "Livermorium",   "293", "2000", "16"},
    {117, "Ts", "Tennesse",      "294", "2010", "17"},
    {118, "Og", "Oganesson",     "294", "2002", "18"},
};
// clang-format on

// The numeric columns that may hold a value for these elements: the identity and place, the
// abundances (0: none in nature), the natural isotopes (0) and the oxidation numbers seen by
// single-atom chemistry (Rf +4 to Hs +8, Türler and Pershina, Chem. Rev. 113 (2013) 1237).
const Column kEstablished[] = {
    Column::NoAt,         Column::MasseAt,       Column::Isotopes,     Column::Ligne,
    Column::Colonne,      Column::AbCrouteTerre, Column::AbCrouteCont, Column::AbCrouteOcean,
    Column::AbEau,        Column::AbAtm,         Column::AbBois,       Column::AbVivant,
    Column::NoMaxCourant, Column::NoMinCourant,  Column::NoMax,        Column::NoMin};

QString sharePath(const char *file)
{
    return QStringLiteral(MIRELON_SHARE_DIR "/") + QString::fromLatin1(file);
}

} // namespace

class TestSuperheavies : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void records_data();
    void records();
    void nothingPredicted_data();
    void nothingPredicted();
    void firstEditionTableStillOpens();

private:
    QString text(int z, Column column) const;

    TTextTable m_table;
};

QString TestSuperheavies::text(int z, Column column) const
{
    const int at = m_table.FieldNames().indexOf(ElementColumns::field(column));
    return at < 0 ? QStringLiteral("<no column>") : m_table.RecordText(z - 1, at);
}

void TestSuperheavies::initTestCase()
{
    ElementTable::configure(m_table, DataFolder(QStringLiteral(MIRELON_SHARE_DIR)));
    ElementTable::openWhole(m_table);
    QCOMPARE(m_table.RecordCount(), ElementTable::ElementCount);
}

void TestSuperheavies::records_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kRecords)); ++i)
        QTest::newRow(kRecords[i].symbol) << i;
}

void TestSuperheavies::records()
{
    QFETCH(int, index);
    const Record &r = kRecords[index];
    QCOMPARE(text(r.z, Column::NoAt), QString::number(r.z));
    QCOMPARE(text(r.z, Column::Symbole), QString::fromLatin1(r.symbol));
    QCOMPARE(text(r.z, Column::Nom), QString::fromUtf8(r.name));
    QCOMPARE(text(r.z, Column::MasseAt), QString::fromLatin1(r.massNumber));
    QCOMPARE(text(r.z, Column::Decouverte), QString::fromLatin1(r.year));
    QCOMPARE(text(r.z, Column::Ligne), QStringLiteral("7"));
    QCOMPARE(text(r.z, Column::Colonne), QString::fromLatin1(r.group));
    QCOMPARE(text(r.z, Column::Bloc), r.z <= 112 ? QStringLiteral("d") : QStringLiteral("p"));
    // No natural isotope and no known crystal structure: empty sections.
    for (const char *file : {"iso.yop", "struct.yop"}) {
        const SectionFile::Section section =
            SectionFile::readFile(sharePath(file), QString::number(r.z));
        QVERIFY2(section.found, file);
        QVERIFY2(section.lines.isEmpty(), file);
    }
}

void TestSuperheavies::nothingPredicted_data()
{
    QTest::addColumn<int>("z");
    for (const Record &r : kRecords)
        QTest::newRow(r.symbol) << r.z;
}

// Every numeric column outside the established ones is empty, and so is the configuration,
// which is known only from calculations; the oxidation numbers only for Rf to Hs, one each.
void TestSuperheavies::nothingPredicted()
{
    QFETCH(int, z);
    QStringList filled;
    for (const ElementColumn &column : ElementColumns::all()) {
        const QString value = text(z, column.id);
        const bool mayHold = column.kind != ColumnKind::Number ||
                             std::find(std::begin(kEstablished), std::end(kEstablished),
                                       column.id) != std::end(kEstablished);
        if (!mayHold && !value.isEmpty())
            filled << column.field + u'=' + value;
    }
    QVERIFY2(filled.isEmpty(), qPrintable(filled.join(u' ')));
    QCOMPARE(text(z, Column::Config), QString());
    const QString oxidation = z <= 108 ? QStringLiteral("+%1").arg(z - 100) : QString();
    QCOMPARE(text(z, Column::NoTotal), oxidation);
    QCOMPARE(text(z, Column::NoMax), z <= 108 ? QString::number(z - 100) : QString());
    QCOMPARE(text(z, Column::AbCrouteTerre), QStringLiteral("0"));
    QCOMPARE(text(z, Column::EtatPhy), QStringLiteral("Inconnue"));
}

// A user's copy from before, which stops at lawrencium, opens with its 103 records.
void TestSuperheavies::firstEditionTableStillOpens()
{
    QFile shipped(sharePath("prop.yop"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = shipped.readAll().split('\n');
    QByteArray firstEdition;
    for (int i = 0; i <= ElementTable::FirstEditionCount; ++i)
        firstEdition += lines[i] + '\n';
    QTemporaryDir dir;
    QFile copy(dir.filePath(QStringLiteral("prop.yop")));
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(firstEdition);
    copy.close();
    TTextTable table;
    ElementTable::configure(table, DataFolder(dir.path()));
    ElementTable::openWhole(table);
    QCOMPARE(table.RecordCount(), ElementTable::FirstEditionCount);
    // One record fewer is refused.
    QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write(firstEdition.left(firstEdition.lastIndexOf('\n', firstEdition.size() - 2) + 1));
    copy.close();
    TTextTable shorter;
    ElementTable::configure(shorter, DataFolder(dir.path()));
    QVERIFY_THROWS_EXCEPTION(EInOutError, ElementTable::openWhole(shorter));
}

QTEST_GUILESS_MAIN(TestSuperheavies)
#include "tst_superheavies.moc"
