// The table without a mouse, as pure rules and without a window: where the arrow keys move the
// focus over the layout, and what a typed text finds among the elements of the shipped table.
#include "data/DataFolder.h"
#include "data/ElementRecords.h"
#include "data/ElementTable.h"
#include "data/TTextTable.h"
#include "table/ElementSearch.h"
#include "table/MainWindowKeys.h"
#include "table/TableMoves.h"

#include <QtTest>

#include <set>

using Key = TableMoves::Key;
Q_DECLARE_METATYPE(TableMoves::Key)

class TestKeyboardRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void arrowMoves_data();
    void arrowMoves();
    void search_data();
    void search();

private:
    std::vector<ElementSearch::Entry> m_entries;
};

void TestKeyboardRules::initTestCase()
{
    // The texts as the shipped element table holds them, read by the program's own reader.
    TTextTable table;
    ElementTable::configure(table, DataFolder(QStringLiteral(MIRELON_SHARE_DIR)));
    ElementTable::openWhole(table);
    m_entries = MainWindowKeys::entriesOf(ElementRecords::fromTable(table));
    QCOMPARE(m_entries.size(), std::size_t(ElementTable::ElementCount));
}

void TestKeyboardRules::arrowMoves_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<Key>("key");
    QTest::addColumn<int>("to");
    // Along a row: the nearest button, across the gaps of the short rows.
    QTest::newRow("H Right: He across the gap") << 1 << Key::Right << 2;
    QTest::newRow("He Left: H") << 2 << Key::Left << 1;
    QTest::newRow("Be Right: B across the gap") << 4 << Key::Right << 5;
    QTest::newRow("B Left: Be") << 5 << Key::Left << 4;
    QTest::newRow("Ba Right: La") << 56 << Key::Right << 57;
    QTest::newRow("La Right: Hf") << 57 << Key::Right << 72;
    QTest::newRow("He Right: end of the row") << 2 << Key::Right << 2;
    QTest::newRow("Ce Left: start of the row") << 58 << Key::Left << 58;
    QTest::newRow("Fe Home: K") << 26 << Key::RowStart << 19;
    QTest::newRow("Fe End: Kr") << 26 << Key::RowEnd << 36;
    QTest::newRow("H End: He") << 1 << Key::RowEnd << 2;
    QTest::newRow("Nd Home: Ce") << 60 << Key::RowStart << 58;
    QTest::newRow("Ce End: Lu") << 58 << Key::RowEnd << 71;
    QTest::newRow("Np End: Lr") << 93 << Key::RowEnd << 103;
    // Across rows: the button most in line, never farther aside than up or down.
    QTest::newRow("H Down: Li") << 1 << Key::Down << 3;
    QTest::newRow("Li Up: H") << 3 << Key::Up << 1;
    QTest::newRow("He Down: Ne") << 2 << Key::Down << 10;
    QTest::newRow("B Up: nothing above") << 5 << Key::Up << 5;
    QTest::newRow("He Up: top of the table") << 2 << Key::Up << 2;
    QTest::newRow("Sc Down: Y") << 21 << Key::Down << 39;
    QTest::newRow("La Down: Ac") << 57 << Key::Down << 89;
    QTest::newRow("Hf Down: Rf") << 72 << Key::Down << 104;
    QTest::newRow("Rn Down: Og") << 86 << Key::Down << 118;
    QTest::newRow("Rf Up: Hf") << 104 << Key::Up << 72;
    QTest::newRow("Rf Down: the lanthanide row, as from Ac") << 104 << Key::Down << 58;
    QTest::newRow("Ac Down: Ce") << 89 << Key::Down << 58;
    QTest::newRow("Rf Right: Db") << 104 << Key::Right << 105;
    QTest::newRow("Ac Right: Rf") << 89 << Key::Right << 104;
    QTest::newRow("Fr End: Og") << 87 << Key::RowEnd << 118;
    QTest::newRow("Og Right: end of the row") << 118 << Key::Right << 118;
    QTest::newRow("Ac Down: Ce, the lanthanides") << 89 << Key::Down << 58;
    QTest::newRow("Ce Down: Th, the actinides") << 58 << Key::Down << 90;
    QTest::newRow("Th Down: bottom of the table") << 90 << Key::Down << 90;
    QTest::newRow("Ce Up: Ac") << 58 << Key::Up << 89;
    QTest::newRow("Pr Up: Rf, period 7 now full") << 59 << Key::Up << 104;
    QTest::newRow("Fr Down: nothing below in line") << 87 << Key::Down << 87;
    // Outside the table nothing moves.
    QTest::newRow("0") << 0 << Key::Right << 0;
    QTest::newRow("119") << 119 << Key::Left << 0;
}

void TestKeyboardRules::arrowMoves()
{
    QFETCH(int, from);
    QFETCH(Key, key);
    QFETCH(int, to);
    QCOMPARE(TableMoves::next(from, key), to);
}

void TestKeyboardRules::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("first"); // 0: nothing found
    QTest::addColumn<int>("count");
    QTest::newRow("French name without its accent") << "etain" << 50 << 1;
    QTest::newRow("upper case with the accent") << QString::fromUtf8("ÉTAIN") << 50 << 1;
    QTest::newRow("English name") << "iron" << 26 << 1;
    QTest::newRow("English name, mixed case") << "MerCury" << 80 << 1;
    QTest::newRow("atomic number") << "26" << 26 << 1;
    QTest::newRow("last atomic number") << "118" << 118 << 1;
    QTest::newRow("French name of 118") << "oganesson" << 118 << 1;
    QTest::newRow("symbol of 118, then hydrogen and nitrogen") << "Og" << 118 << 3;
    QTest::newRow("French name of 117") << "tennesse" << 117 << 1;
    QTest::newRow("French name of 114 without its accent") << "flerovium" << 114 << 1;
    QTest::newRow("digit: its number first, then those beginning with it") << "1" << 1 << 30;
    QTest::newRow("symbol: Fe, then Fermium") << "fe" << 26 << 2;
    QTest::newRow("name beginning: Fer, Fermium") << "fer" << 26 << 2;
    // An exact symbol comes before names that hold the text with a lower number.
    QTest::newRow("o: oxygen before hydrogen") << "o" << 8 << 55;
    QTest::newRow("ne: neon before hydrogen") << "ne" << 10 << 23;
    QTest::newRow("h") << "h" << 1 << 23;
    QTest::newRow("cu: Cu, Mercure, Curium") << "cu" << 29 << 3;
    QTest::newRow("blanks around") << "  argent " << 47 << 1;
    QTest::newRow("blanks only") << "   " << 0 << 0;
    QTest::newRow("nothing") << "xyz" << 0 << 0;
}

void TestKeyboardRules::search()
{
    QFETCH(QString, text);
    QFETCH(int, first);
    QFETCH(int, count);
    const std::vector<int> found = ElementSearch(m_entries).find(text);
    QCOMPARE(int(found.size()), count);
    if (count)
        QCOMPARE(found.front(), first);
    // Each element at most once.
    QCOMPARE(int(std::set<int>(found.begin(), found.end()).size()), count);
}

QTEST_GUILESS_MAIN(TestKeyboardRules)
#include "tst_keyboardrules.moc"
