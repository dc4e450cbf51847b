// A typed formula read into a compound, without a window: the atoms of each element with the
// masses of the shipped element table, the molar mass and the formula shown; every kind of bad
// input with its message and place; texts far longer and deeper than anyone types.
#include "data/DataFolder.h"
#include "data/ElementRecords.h"
#include "data/ElementTable.h"
#include "data/TTextTable.h"
#include "molar/CompoundRules.h"
#include "molar/ElementMasses.h"
#include "molar/FormulaReader.h"

#include <QtTest>

namespace {

// "el:M:mol" of each row, and "% massique" when asked.
QString rowsOf(const Compound &compound, bool percent = false)
{
    QStringList rows;
    for (const CompoundRow &row : compound.rows)
        rows << row.symbol + u':' + row.mass + u':' + row.count +
                    (percent ? u':' + row.percent : QString());
    return rows.join(u' ');
}

} // namespace

class TestFormulaReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void compound_data();
    void compound();
    void refused_data();
    void refused();
    void tableMasses_data();
    void tableMasses();
    void longTexts_data();
    void longTexts();

private:
    CompoundRules::MassLookup fileMasses()
    {
        return [records = ElementRecords::fromTable(m_table)](const QString &symbol) {
            return ElementMasses::of(records, symbol);
        };
    }

    TTextTable m_table;
};

void TestFormulaReader::initTestCase()
{
    ElementTable::configure(m_table, DataFolder(QStringLiteral(MIRELON_SHARE_DIR)));
    ElementTable::openWhole(m_table);
}

void TestFormulaReader::compound_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("molarMass");
    QTest::addColumn<QString>("shown");
    const struct
    {
        const char *tag;
        QString typed, rows, molarMass, shown;
    } rows[] = {
        // The masses of the file: H 1,01  C 12,01  N 14,01  O 16,00  Na 22,99  S 32,06  Cl 35,45
        // K 39,10  Ca 40,08  Fe 55,85  Co 58,93  Cu 63,55  Se 78,97  Mo 95,95.
        // 2 x 1,01 + 16,00 = 18,02
        {"water", "H2O", "H:1,01:2 O:16,00:1", "18,02", "H2O"},
        // 40,08 + 2 x (16,00 + 1,01) = 40,08 + 34,02 = 74,10
        {"count after a bracket", "Ca(OH)2", "Ca:40,08:1 O:16,00:2 H:1,01:2", "74,1", "Ca(OH)2"},
        // 63,55 + 32,06 + (4 + 5) x 16,00 + 10 x 1,01 = 95,61 + 144,00 + 10,10 = 249,71
        {"hydrate after a middle dot", "CuSO4·5H2O", "Cu:63,55:1 S:32,06:1 O:16,00:9 H:1,01:10",
         "249,71", "CuSO4·5H2O"},
        // 4 x 39,10 + 55,85 + 6 x (12,01 + 14,01) = 156,40 + 55,85 + 156,12 = 368,37
        {"nested brackets", "K4[Fe(CN)6]", "K:39,10:4 Fe:55,85:1 C:12,01:6 N:14,01:6", "368,37",
         "K4[Fe(CN)6]"},
        // 2 x 14,01 + 8 x 1,01 + 32,06 + 4 x 16,00 = 28,02 + 8,08 + 32,06 + 64,00 = 132,16
        {"bracket first", "(NH4)2SO4", "N:14,01:2 H:1,01:8 S:32,06:1 O:16,00:4", "132,16",
         "(NH4)2SO4"},
        // 6 x 12,01 + 12 x 1,01 + 6 x 16,00 = 72,06 + 12,12 + 96,00 = 180,18
        {"counts of two digits", "C6H12O6", "C:12,01:6 H:1,01:12 O:16,00:6", "180,18", "C6H12O6"},
        // 40,08 + 32,06 + 6 x 16,00 + 4 x 1,01 = 72,14 + 96,00 + 4,04 = 172,18
        {"hydrate after a full stop", "CaSO4.2H2O", "Ca:40,08:1 S:32,06:1 O:16,00:6 H:1,01:4",
         "172,18", "CaSO4·2H2O"},
        {"hydrate after a comma", "CuSO4,5H2O", "Cu:63,55:1 S:32,06:1 O:16,00:9 H:1,01:10",
         "249,71", "CuSO4·5H2O"},
        {"hydrate after a comma and a blank", "CuSO4, 5H2O",
         "Cu:63,55:1 S:32,06:1 O:16,00:9 H:1,01:10", "249,71", "CuSO4·5H2O"},
        // 24,31 + 32,06 + 5 x 16,00 + 2 x 1,01 = 56,37 + 80,00 + 2,02 = 138,39
        {"formula after a comma", "MgSO4,H2O", "Mg:24,31:1 S:32,06:1 O:16,00:5 H:1,01:2", "138,39",
         "MgSO4·H2O"},
        // 2 x 22,99 + 12,01 + 13 x 16,00 + 20 x 1,01 = 45,98 + 12,01 + 208,00 + 20,20 = 286,19
        {"hydrate after an asterisk", "Na2CO3*10H2O", "Na:22,99:2 C:12,01:1 O:16,00:13 H:1,01:20",
         "286,19", "Na2CO3·10H2O"},
        // 22,99 + 35,45 = 58,44
        {"case corrected", "nacl", "Na:22,99:1 Cl:35,45:1", "58,44", "NaCl"},
        {"co is cobalt", "co", "Co:58,93:1", "58,93", "Co"},
        // 12,01 + 16,00 = 28,01
        {"CO is carbon and oxygen", "CO", "C:12,01:1 O:16,00:1", "28,01", "CO"},
        {"blanks ignored", " Ca ( O H ) 2\t", "Ca:40,08:1 O:16,00:2 H:1,01:2", "74,1", "Ca(OH)2"},
        // 2 x (2 x 1,01 + 16,00) = 36,04
        {"coefficient of the first part", "2H2O", "H:1,01:4 O:16,00:2", "36,04", "2H2O"},
        // 2 x 12,01 + 4 x 1,01 + 2 x 16,00 = 24,02 + 4,04 + 32,00 = 60,06
        {"counts summed in order of first appearance", "CH3COOH", "C:12,01:2 H:1,01:4 O:16,00:2",
         "60,06", "CH3COOH"},
        // 3 x 12,01 + 8 x 1,01 + 16,00 = 36,03 + 8,08 + 16,00 = 60,11
        {"braces", "{CH3}2CHOH", "C:12,01:3 H:1,01:8 O:16,00:1", "60,11", "{CH3}2CHOH"},
        // 95,95 + 2 x 78,97 = 253,89
        {"masses of the current table", "MoSe2", "Mo:95,95:1 Se:78,97:2", "253,89", "MoSe2"},
        {"pasted subscripts", "H₂O", "H:1,01:2 O:16,00:1", "18,02", "H2O"},
        // 100 x 100 x 1,01 = 10 100
        {"10 000 atoms of one element", "(H100)100", "H:1,01:10000", "10100", "(H100)100"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.typed << row.rows << row.molarMass << row.shown;
}

void TestFormulaReader::compound()
{
    QFETCH(QString, typed);
    const CompoundRules::Outcome outcome = CompoundRules::fromFormula({}, typed, fileMasses());
    QVERIFY2(!outcome.failed(), qPrintable(outcome.error));
    QTEST(rowsOf(outcome.compound), "rows");
    QTEST(outcome.molarMass.value_or(QString()), "molarMass");
    QTEST(outcome.formula.value_or(QString()), "shown");
    // The percentages are those of the same rows clicked together.
    Compound read = outcome.compound;
    for (CompoundRow &row : read.rows)
        row.percent.clear();
    QCOMPARE(rowsOf(outcome.compound, true), rowsOf(CompoundRules::recompute(read).compound, true));
}

void TestFormulaReader::refused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("position");
    const struct
    {
        const char *tag;
        QString typed, error;
        int position;
    } rows[] = {
        {"unknown symbol", "Xx", "Symbole inconnu « Xx »", 1},
        {"unknown symbol after others", "H2Xx", "Symbole inconnu « Xx »", 3},
        // "Oj" reads O and stops at j, whichever way it is read.
        {"letter that begins no symbol", "H2Oj", "Symbole inconnu « j »", 4},
        {"charge", "NH4+", "Les charges et les isotopes ne sont pas admis : « + »", 4},
        {"charge with a caret", "SO4^2-", "Les charges et les isotopes ne sont pas admis : « ^ »",
         4},
        {"mass number as a superscript", "¹³CO2",
         "Les charges et les isotopes ne sont pas admis : « ¹ »", 1},
        {"deuterium", "D2O", "Les isotopes ne sont pas admis : « D »", 1},
        {"state aq", "NaCl(aq)", "Les états physiques ne sont pas admis : « (aq) »", 5},
        // Read as a symbol, (s) would add sulfur.
        {"state s", "NaCl( s )", "Les états physiques ne sont pas admis : « ( s ) »", 5},
        {"count of 0", "H0", "Nombre d'atomes nul « 0 »", 2},
        {"multiplier of 0", "Ca(OH)00", "Nombre d'atomes nul « 00 »", 7},
        {"coefficient of 0", "CuSO4·0H2O", "Coefficient nul « 0 »", 7},
        {"one count over 10 000", "H10001", "Plus de 10 000 atomes de H", 1},
        {"count past every integer", "OH99999999999999999999", "Plus de 10 000 atomes de H", 2},
        // 10 000 in the bracket, one more after it.
        {"sum over 10 000", "(H100)100H", "Plus de 10 000 atomes de H", 10},
        // 101 x 10 x 10 = 10 100.
        {"product over 10 000", "((H101)10)10", "Plus de 10 000 atomes de H", 3},
        // 5 x 2 001 = 10 005.
        {"coefficient over 10 000", "C·5H2001", "Plus de 10 000 atomes de H", 4},
        {"bracket left open", "Ca(OH2", "Il manque la fermeture de « ( »", 3},
        {"outer bracket left open", "[Fe(CN)6", "Il manque la fermeture de « [ »", 1},
        {"bracket open across a dot", "(CuSO4·5H2O)", "Il manque la fermeture de « ( »", 1},
        {"bracket closed unopened", "CaOH)2", "« ) » ferme ce qui n'a pas été ouvert", 5},
        {"brackets that do not match", "K4[Fe(CN)6)", "« ) » ne ferme pas « [ » du caractère 3",
         11},
        {"empty brackets", "H2()O", "Rien entre « ( » et « ) »", 3},
        {"empty", "", "La formule est vide", 1},
        {"blanks only", " \t ", "La formule est vide", 1},
        {"dot first", "·5H2O", "Rien avant « · »", 1},
        {"two dots", "CuSO4..5H2O", "Rien avant « . »", 7},
        {"dot last", "CuSO4* ", "Rien après « * »", 6},
        {"coefficient of nothing", "CuSO4·5", "Le coefficient « 5 » ne multiplie rien", 7},
        {"number after a count", "H2 3O", "Nombre mal placé « 3 »", 4},
        {"number after an opening bracket", "[13C]", "Nombre mal placé « 13 »", 2},
        {"comma last", "CuSO4, ", "Rien après « , »", 6},
        {"two commas", "CuSO4,,5H2O", "Ni coefficient ni formule après « , »", 6},
        {"line break", "H2\nO", "Caractère non admis (U+000A)", 3},
        // Left to right, the first fault met is the one named.
        {"unknown symbol before an open bracket", "(Xx", "Symbole inconnu « Xx »", 2},
        {"charge before an unknown symbol", "nacl+Xx",
         "Les charges et les isotopes ne sont pas "
         "admis : « + »",
         5},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.typed << row.error << row.position;
}

void TestFormulaReader::refused()
{
    QFETCH(QString, typed);
    QFETCH(QString, error);
    QFETCH(int, position);
    Compound before;
    before.rows.append({QStringLiteral("H"), QStringLiteral("1,01"), QStringLiteral("2"), {}});
    const CompoundRules::Outcome outcome = CompoundRules::fromFormula(before, typed, fileMasses());
    QCOMPARE(outcome.error, QStringLiteral("%1 (caractère %2)").arg(error).arg(position));
    QCOMPARE(outcome.position, position);
    QCOMPARE(rowsOf(outcome.compound, true), rowsOf(before, true));
    QVERIFY(!outcome.formula && !outcome.molarMass);
}

void TestFormulaReader::tableMasses_data()
{
    QTest::addColumn<QString>("masses");
    QTest::addColumn<QString>("error");
    const struct
    {
        const char *tag;
        QString masses, error;
    } rows[] = {
        {"mass that is not a number", "H=1,01 O=abc",
         "La masse atomique de « O » dans la table n'est pas un nombre : « abc » (caractère 3)"},
        {"no mass at all", "H=0 O=0",
         "Les masses atomiques de la table ne donnent pas de masse molaire (caractère 1)"},
        {"element missing", "H=1,01",
         "L'élément « O » n'est pas dans la table des éléments "
         "(caractère 3)"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.masses << row.error;
}

// The table's masses are taken as they stand, and checked before any is shown.
void TestFormulaReader::tableMasses()
{
    QFETCH(QString, masses);
    QHash<QString, QString> table;
    for (const QString &pair : masses.split(u' '))
        table.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    const auto massOf = [&table](const QString &symbol) -> std::optional<QString> {
        if (!table.contains(symbol))
            return std::nullopt;
        return table.value(symbol);
    };
    const CompoundRules::Outcome outcome =
        CompoundRules::fromFormula({}, QStringLiteral("H2O"), massOf);
    QTEST(outcome.error, "error");
    QVERIFY(outcome.compound.rows.isEmpty());
}

void TestFormulaReader::longTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("position");
    constexpr int Deep = 500000; // a megabyte of brackets
    const QString open = QString(u'(').repeated(Deep);
    const struct
    {
        const char *tag;
        QString typed, elements, error;
        int position;
    } rows[] = {
        {"deep brackets", open + u'H' + QString(u')').repeated(Deep),
         QStringLiteral("H:%1:1").arg(Deep + 1), "", 0},
        {"deep brackets multiplied", open + u'H' + QStringLiteral(")2").repeated(Deep), "",
         "Plus de 10 000 atomes de H", Deep + 1},
        {"deep brackets left open", open + u'H', "", "Il manque la fermeture de « ( »", 1},
        // The 5 001st part brings H to 10 002.
        {"many parts", QStringLiteral("H2O·").repeated(250000) + u'C', "",
         "Plus de 10 000 atomes de H", 4 * 5000 + 1},
        // One run of letters to correct, every "co" of it read as Co.
        {"long run of letters", QStringLiteral("co").repeated(4000), "Co:1:4000", "", 0},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.typed << row.elements << row.error << row.position;
}

void TestFormulaReader::longTexts()
{
    QFETCH(QString, typed);
    const FormulaReader::Reading reading = FormulaReader::read(typed);
    QStringList elements;
    for (const FormulaReader::ElementAtoms &element : reading.elements)
        elements << QStringLiteral("%1:%2:%3")
                        .arg(element.symbol)
                        .arg(element.position)
                        .arg(element.count);
    QTEST(elements.join(u' '), "elements");
    QTEST(reading.error, "error");
    QTEST(int(reading.position), "position");
}

QTEST_GUILESS_MAIN(TestFormulaReader)
#include "tst_formulareader.moc"
