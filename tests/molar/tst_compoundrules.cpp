// The molar-mass arithmetic on the compound's texts, without a window: atoms added by clicks,
// the formula, molar mass and percentages, the percentage "Données" proposes, and the way back
// from typed percentages to a probable formula or to atom ratios.
#include "molar/CompoundRules.h"

#include <QtTest>

namespace {

// A compound written as its rows "el:M:mol:% massique" separated by "/", then, after "|", the
// spare row when it is not empty: "H:1,01:2:/O:16,00:1:|O::3:".
Compound compoundOf(const QString &text)
{
    Compound compound;
    const QStringList parts = text.split(u'|');
    const auto rowOf = [](const QString &cells) {
        CompoundRow row;
        const QStringList texts = cells.split(u':');
        for (int column = 0; column < CompoundRow::ColumnCount && column < texts.size(); ++column)
            row.cell(column) = texts[column];
        return row;
    };
    for (const QString &cells : parts[0].split(u'/', Qt::SkipEmptyParts))
        compound.rows.append(rowOf(cells));
    if (parts.size() > 1)
        compound.spare = rowOf(parts[1]);
    return compound;
}

QString textOf(const Compound &compound)
{
    const auto cellsOf = [](const CompoundRow &row) {
        return QStringList{row.symbol, row.mass, row.count, row.percent}.join(u':');
    };
    QStringList rows;
    for (const CompoundRow &row : compound.rows)
        rows << cellsOf(row);
    QString text = rows.join(u'/');
    const QString spare = cellsOf(compound.spare);
    if (spare != QLatin1String(":::"))
        text += u'|' + spare;
    return text;
}

// An optional text as the tables write it: "(none)" when the computation left it as it was.
QString shown(const std::optional<QString> &text)
{
    return text.value_or(QStringLiteral("(none)"));
}

const QString Reset = QStringLiteral("Faites un reset");

} // namespace

class TestCompoundRules : public QObject
{
    Q_OBJECT

private slots:
    void addAtoms_data();
    void addAtoms();
    void recompute_data();
    void recompute();
    void proposedPercent_data();
    void proposedPercent();
    void percentToFormula_data();
    void percentToFormula();
};

void TestCompoundRules::addAtoms_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<int>("atoms");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("error");
    const struct
    {
        const char *tag;
        QString before, symbol, mass;
        int atoms;
        QString after, error;
    } rows[] = {
        {"first atom", "", "H", "1,01", 1, "H:1,01:1:", ""},
        {"same element counts on its row", "H:1,01:1:/O:16,00:1:", "H", "1,01", 1,
         "H:1,01:2:/O:16,00:1:", ""},
        {"new element below the others", "H:1,01:2:", "O", "16,00", 1, "H:1,01:2:/O:16,00:1:", ""},
        // 2 + 3 on the row that has the element; a new one starts at the atoms given.
        {"several atoms at once", "H:1,01:2:", "H", "1,01", 3, "H:1,01:5:", ""},
        {"several atoms of a new element", "H:1,01:2:", "C", "12,01", 6,
         "H:1,01:2:/C:12,01:6:", ""},
        // Exact and case-sensitive: Co is not C, and a "c" typed by the user is not C either.
        {"symbol compared exactly", "Co:58,93:1:/c:12,01:1:", "C", "12,01", 1,
         "Co:58,93:1:/c:12,01:1:/C:12,01:1:", ""},
        {"an edited mass stays", "H:1,1:1:", "H", "1,01", 1, "H:1,1:2:", ""},
        {"every row of the element counts", "H:1,01:1:/H:1,01:4:", "H", "1,01", 1,
         "H:1,01:2:/H:1,01:5:", ""},
        {"symbol typed into the spare row counts there", "H:1,01:1:|O::3:", "O", "16,00", 1,
         "H:1,01:1:|O::4:", ""},
        // The element is written over the spare row's "el", "M" and "mol"; its "% massique" waits
        // for the percentages.
        {"new element takes the spare row's place", "H:1,01:1:100|X:5:9:42", "O", "16,00", 1,
         "H:1,01:1:100/O:16,00:1:42", ""},
        {"another element's bad count does not matter", "H:1,01:x:/O:16,00:1:", "O", "16,00", 1,
         "H:1,01:x:/O:16,00:2:", ""},
        {"count not an integer", "H:1,01:2,5:", "H", "1,01", 1, "H:1,01:2,5:", Reset},
        {"empty count", "H:1,01::", "H", "1,01", 1, "H:1,01::", Reset},
        {"count past the integers", "H:1,01:2147483647:", "H", "1,01", 1,
         "H:1,01:2147483647:", Reset},
        // The first row was counted before the second failed, and stays counted.
        {"what was counted stays", "H:1,01:1:/H:1,01:x:", "H", "1,01", 1,
         "H:1,01:2:/H:1,01:x:", Reset},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.before << row.symbol << row.mass << row.atoms << row.after
                               << row.error;
}

void TestCompoundRules::addAtoms()
{
    QFETCH(QString, before);
    QFETCH(QString, symbol);
    QFETCH(QString, mass);
    QFETCH(int, atoms);
    const Compound compound = compoundOf(before);
    const CompoundRules::Outcome outcome = CompoundRules::addAtoms(compound, symbol, mass, atoms);
    QTEST(textOf(outcome.compound), "after");
    // A new compound: the one the grid still shows is left as it was.
    QCOMPARE(textOf(compound), before);
    QTEST(outcome.error, "error");
    // Adding shows nothing by itself: the computation that follows does.
    QVERIFY(!outcome.formula && !outcome.molarMass);
}

void TestCompoundRules::recompute_data()
{
    QTest::addColumn<QString>("compound");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("molarMass");
    QTest::addColumn<QString>("error");
    const struct
    {
        const char *tag;
        QString compound, after, formula, molarMass, error;
    } rows[] = {
        // 2 × 1,01 + 16,00 = 18,02; H 202 / 18,02 = 11,20977, O 1600 / 18,02 = 88,79023.
        {"water", "H:1,01:2:/O:16,00:1:", "H:1,01:2:11,2098/O:16,00:1:88,7902", "H2O1", "18,02",
         ""},
        // 6 × 12,01 + 12 × 1,01 + 6 × 16,00 = 72,06 + 12,12 + 96 = 180,18; C 7206 / 180,18 =
        // 39,993340, H 1212 / 180,18 = 6,7266067, O 9600 / 180,18 = 53,280053.
        {"glucose", "C:12,01:6:/H:1,01:12:/O:16,00:6:",
         "C:12,01:6:39,9933/H:1,01:12:6,72661/O:16,00:6:53,2801", "C6H12O6", "180,18", ""},
        // 12,00 + 4 × 1,00 = 16: C 1200 / 16 = 75, H 400 / 16 = 25, with no decimals written.
        {"trailing zeros dropped", "C:12,00:1:/H:1,00:4:", "C:12,00:1:75/H:1,00:4:25", "C1H4", "16",
         ""},
        // 100 × 101,07 / 160 lies just above 63,16875 and 101,07 / 160 × 100 just below it.
        {"per cent before the division",
         "Co:58,93:1:/Ru:101,07:1:", "Co:58,93:1:36,8312/Ru:101,07:1:63,1688", "Co1Ru1", "160", ""},
        {"one element", "Fe:55,85:1:", "Fe:55,85:1:100", "Fe1", "55,85", ""},
        // 1234 × 207,2 = 255684,8, six significant digits.
        {"molar mass to six digits", "Pb:207,2:1234:", "Pb:207,2:1234:100", "Pb1234", "255685", ""},
        // The formula takes the count as typed; the number read from it allows the blank.
        {"count as typed", "H:1,01: 2:/O:16,00:1:", "H:1,01: 2:11,2098/O:16,00:1:88,7902", "H 2O1",
         "18,02", ""},
        {"spare row not in the compound", "H:1,01:1:|O:16,00:5:", "H:1,01:1:100|O:16,00:5:", "H1",
         "1,01", ""},
        // 1E307 + 1E307 = 2E307; 100 × 1E307 is past the doubles, so the share comes first:
        // 1E307 / 2E307 × 100 = 50.
        {"masses near the largest double", "X:1E307:1:/Y:1E307:1:", "X:1E307:1:50/Y:1E307:1:50",
         "X1Y1", "2E307", ""},
        {"count not an integer", "H:1,01:2,5:/O:16,00:1:", "H:1,01:2,5:/O:16,00:1:", "(none)",
         "(none)", Reset},
        {"mass not a number", "H:1,01:1:/O:abc:1:", "H:1,01:1:/O:abc:1:", "(none)", "(none)",
         Reset},
        {"sum past the doubles", "H:1E308:2:", "H:1E308:2:", "(none)", "(none)", Reset},
        // The formula and the molar mass come before the percentages that cannot be made.
        {"zero molar mass", "H:0:2:", "H:0:2:", "H2", "0", Reset},
        {"masses that cancel out", "H:1:1:/O:-1:1:", "H:1:1:/O:-1:1:", "H1O1", "0", Reset},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.compound << row.after << row.formula << row.molarMass
                               << row.error;
}

void TestCompoundRules::recompute()
{
    QFETCH(QString, compound);
    const CompoundRules::Outcome outcome = CompoundRules::recompute(compoundOf(compound));
    QTEST(textOf(outcome.compound), "after");
    QTEST(shown(outcome.formula), "formula");
    QTEST(shown(outcome.molarMass), "molarMass");
    QTEST(outcome.error, "error");
}

void TestCompoundRules::proposedPercent_data()
{
    QTest::addColumn<QList<double>>("confirmed");
    QTest::addColumn<QString>("proposal");
    const struct
    {
        const char *tag;
        QList<double> confirmed;
        QString proposal;
    } rows[] = {
        {"first element", QList<double>{}, "100"},
        {"after one", QList<double>{11.19}, "88,81"},
        // 0,1 + 0,2 is a hair above 0,3 in binary; at full precision 100 less it is still 99,7.
        {"after two", QList<double>{0.1, 0.2}, "99,7"},
        {"past 100", QList<double>{60, 45.5}, "-5,5"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.confirmed << row.proposal;
}

void TestCompoundRules::proposedPercent()
{
    QFETCH(QList<double>, confirmed);
    double sum = 0;
    for (double percent : confirmed)
        sum += percent;
    QTEST(CompoundRules::proposedPercent(sum), "proposal");
}

void TestCompoundRules::percentToFormula_data()
{
    QTest::addColumn<QString>("compound");
    QTest::addColumn<QString>("molarMass");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("error");
    const struct
    {
        const char *tag;
        QString compound, molarMass, after, formula, error;
    } rows[] = {
        // Per gram, to 15 digits: H 0,1119 / 1,01 = 0,110792079207921, O 0,8881 / 16 = 0,05550625;
        // times 18: 1,99425742574258 and 0,9991125, rounded 2 and 1.
        {"probable formula", "H:1,01::11,19/O:16,00::88,81", "18",
         "H:1,01:1,99425742574258:11,19/O:16,00:0,9991125:88,81", "formule probable : H2O1", ""},
        // 0,110792079207921 / 0,05550625 = 1,99603, and the rarer O is 1.
        {"atom ratios", "H:1,01::11,19/O:16,00::88,81", "", "H:1,01:1,996:11,19/O:16,00:1:88,81",
         "(none)", ""},
        // 0,5 × 5 = 2,5 goes to 2; 0,7 × 5 = 3,5 to 4 and 0,3 × 5 = 1,5 to 2.
        {"halves to the even count", "H:1::50/O:1::50", "5", "H:1:2,5:50/O:1:2,5:50",
         "formule probable : H2O2", ""},
        {"halves up to the even count", "H:1::70/O:1::30", "5", "H:1:3,5:70/O:1:1,5:30",
         "formule probable : H4O2", ""},
        // 0,001 / 1,01 = 0,00099009900990099, times 18 = 0,0178217821782178;
        // 0,999 / 16 = 0,0624375, times 18 = 1,123875.
        {"count that rounds to 0", "H:1,01::0,1/O:16,00::99,9", "18",
         "H:1,01:0,0178217821782178:0,1/O:16,00:1,123875:99,9", "formule probable : H0O1", ""},
        {"empty compound with a molar mass", "", "18", "", "formule probable : ", ""},
        {"empty compound without", "", "", "", "(none)", ""},
        // 100 × 0,01 / 0,000001 = 1000000 for both; the search for the smallest starts from
        // 100000, which is smaller: 1000000 / 100000 = 10.
        {"smallest amount starts at 100000", "H:0,000001::100/O:0,000001::100", "",
         "H:0,000001:10:100/O:0,000001:10:100", "(none)", ""},
        // The first amount is written before the second row's zero mass stops it.
        {"zero mass of an element", "H:1::50/O:0::50", "18", "H:1:0,5:50/O:0::50", "(none)",
         "Division par zéro"},
        {"mass not a number", "H:abc::50", "18", "H:abc::50", "(none)",
         "La masse molaire de H (colonne « M ») : « abc » n'est pas un nombre décimal valide."},
        {"molar mass not a number", "H:1::50", "12.5", "H:1:0,5:50", "(none)",
         "La masse molaire du composé : « 12.5 » n'est pas un nombre décimal valide (le "
         "séparateur décimal est la virgule : 1,01)."},
        {"zero amount has no ratio", "H:1::0/O:1::100", "", "H:1:0:0/O:1:1:100", "(none)",
         "Division par zéro"},
        // 100 × 0,01 / 1E-300 = 1E300, times 1E300 is past the doubles.
        {"atoms past the doubles", "H:1E-300::100", "1E300", "H:1E-300:1E300:100", "(none)",
         QString::fromUtf8("Dépassement de capacité en virgule flottante")},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.compound << row.molarMass << row.after << row.formula
                               << row.error;
}

void TestCompoundRules::percentToFormula()
{
    QFETCH(QString, compound);
    QFETCH(QString, molarMass);
    // As the mode runs it: the molar mass is asked for only once the amounts are made.
    CompoundRules::Outcome outcome = CompoundRules::molesPerGram(compoundOf(compound));
    if (!outcome.failed())
        outcome = CompoundRules::formulaFromMoles(outcome.compound, molarMass);
    QTEST(textOf(outcome.compound), "after");
    QTEST(shown(outcome.formula), "formula");
    QTEST(outcome.error, "error");
    QVERIFY(!outcome.molarMass);
}

QTEST_GUILESS_MAIN(TestCompoundRules)
#include "tst_compoundrules.moc"
