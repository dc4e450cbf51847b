// The rules of the calculation pages on the shipped element table, without a window: one
// table of results worked out by hand, one of refusals with their messages.
#include "TestFiles.h"
#include "calculs/Calculations.h"

#include <QtTest>

namespace {

// "text@unit" for each field, the unit by its place in the field's list.
QVector<Calculations::Entry> entries(const QStringList &typed)
{
    QVector<Calculations::Entry> result;
    for (const QString &field : typed) {
        const qsizetype at = field.lastIndexOf(u'@');
        result.push_back(at < 0 ? Calculations::Entry{field, 0}
                                : Calculations::Entry{field.left(at), field.mid(at + 1).toInt()});
    }
    return result;
}

enum Page { Quantity, Concentration, Gas, Equation };

} // namespace

class TestCalculations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void results_data();
    void results();
    void refused_data();
    void refused();

private:
    void columns();
    Calculations::Result run();
    ScratchData m_data;
};

void TestCalculations::initTestCase()
{
    QVERIFY(m_data.copyAllShipped());
    const QVector<Calculations::Page> &pages = Calculations::pages();
    QCOMPARE(pages.size(), 4);
    QCOMPARE(pages[Equation].title, QStringLiteral("Équation"));
}

void TestCalculations::columns()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("calculation");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("expected");
}

Calculations::Result TestCalculations::run()
{
    QFETCH(int, page);
    QFETCH(int, calculation);
    QFETCH(QStringList, typed);
    const Calculations::Calculation &c = Calculations::pages()[page].calculations[calculation];
    return c.rule(entries(typed), m_data.store().records());
}

void TestCalculations::results_data()
{
    columns();
    // M = 22,99 + 35,45 = 58,44 g/mol; n = 10 / 58,44 = 0,1711; N = 0,1711 × 6,022E23.
    QTest::newRow("10 g of NaCl") << int(Quantity) << 0 << QStringList{"NaCl", "10@1", "@1", ""}
                                  << "M = 58,44 g/mol ; m = 10 g ; n = 0,171 mol ; N = 1,03E23";
    // 3,011E23 entities are 0,5000 mol; × 18,02 = 9,01 g; in mmol: 500.
    QTest::newRow("entities of water, 4 digits")
        << int(Quantity) << 0 << QStringList{"H2O", "@0", "@0", "3,011E23"}
        << "M = 18,02 g/mol ; m = 9010 mg ; n = 500 mmol ; N = 3,011E23";
    // M = 249,71; n = 0,1 × 0,250 = 0,025 mol; m = 0,025 × 249,71 = 6,243 g; Cm = 24,97 g/L.
    QTest::newRow("copper sulfate solution")
        << int(Concentration) << 0 << QStringList{"CuSO4.5H2O", "0,1@0", "250@0", "@1"}
        << "C = 0,1 mol/L ; Cm = 25 g/L ; V = 250 mL ; n = 0,025 mol ; m = 6,24 g";
    // 5,844 g of NaCl is 0,1000 mol, in 0,500 L: 0,2000 mol/L.
    QTest::newRow("concentration from a mass")
        << int(Concentration) << 0 << QStringList{"NaCl", "", "0,500@1", "5,844@1"}
        << "C = 0,2 mol/L ; Cm = 11,7 g/L ; V = 0,5 L ; n = 0,1 mol ; m = 5,84 g";
    // V1 = C2 · V2 / C1 = 0,1 × 100 / 0,5 = 20 mL.
    QTest::newRow("dilution, V1") << int(Concentration) << 1
                                  << QStringList{"0,5@0", "@0", "0,1@0", "100@0"}
                                  << "Volume prélevé V1 = 20 mL";
    // V = n R T / P = 8,3145 × 273,15 / 101325 = 0,022414 m³.
    QTest::newRow("molar volume at 0 °C")
        << int(Gas) << 0 << QStringList{"101 325@0", "@0", "1@1", "273,15@0"}
        << "Volume V = 22,4 L ; volume molaire Vm = 22,4 L/mol";
    // T = 25 + 273,15 = 298,15 K; P = 1 bar; V = 8,3145 × 298,15 / 1E5 = 0,02479 m³.
    QTest::newRow("pressure solved, °C")
        << int(Gas) << 0 << QStringList{"@2", "24,79@0", "1,000@1", "25,00@1"}
        << "Pression P = 1 bar ; volume molaire Vm = 24,79 L/mol";
    QTest::newRow("balance alone")
        << int(Equation) << 0 << QStringList{"C3H8 + O2 -> CO2 + H2O", "", "@0", "", "@0"}
        << "C3H8 + 5 O2 → 3 CO2 + 4 H2O";
    // 2 mol of H2 with 2 mol of O2: ξ = 1 for H2, 2 for O2; H2 limits, 1 mol of O2 is left;
    // H2 is 2 × 2 × 1,01 = 4,04 g, H2O 2 × 18,02 = 36,0 g.
    QTest::newRow("limiting reactant")
        << int(Equation) << 0 << QStringList{"H2 + O2 -> H2O", "H2", "2@4", "o2", "2@4"}
        << "2 H2 + O2 → 2 H2O\nRéactif limitant : H2 ; il reste 1 mol de O2\n"
           "H2 consommé : 2 mol ; 4,04 g\nO2 consommé : 1 mol ; 32 g\n"
           "H2O formé : 2 mol ; 36 g";
    // 11,2 g of Fe: 0,2006 mol (55,85); O2 0,1504 mol × 32,00; Fe2O3 0,1003 × 159,70.
    QTest::newRow("masses from a mass")
        << int(Equation) << 0 << QStringList{"Fe + O2 -> Fe2O3", "Fe", "11,2@1", "", "@0"}
        << "4 Fe + 3 O2 → 2 Fe2O3\nFe consommé : 0,201 mol ; 11,2 g\n"
           "O2 consommé : 0,15 mol ; 4,81 g\nFe2O3 formé : 0,1 mol ; 16 g";
}

void TestCalculations::results()
{
    QFETCH(QString, expected);
    const Calculations::Result result = run();
    QVERIFY2(!result.failed(), qPrintable(result.error));
    QCOMPARE(result.plain, expected);
}

void TestCalculations::refused_data()
{
    columns();
    QTest::newRow("empty formula") << int(Quantity) << 0 << QStringList{" ", "1@1", "", ""}
                                   << "« Formule » : le champ est vide";
    QTest::newRow("unknown symbol") << int(Quantity) << 0 << QStringList{"Xy2", "1@1", "", ""}
                                    << "« Formule » : Symbole inconnu « Xy »";
    QTest::newRow("text in a number") << int(Quantity) << 0 << QStringList{"NaCl", "dix@1", "", ""}
                                      << "« Masse m » : « dix » n'est pas un nombre décimal valide";
    QTest::newRow("1E400") << int(Quantity) << 0 << QStringList{"NaCl", "", "1E400", ""}
                           << "« Quantité n » : « 1E400 » est trop grand pour être calculé";
    QTest::newRow("negative mass") << int(Quantity) << 0 << QStringList{"NaCl", "-3@1", "", ""}
                                   << "« Masse m » : la valeur ne peut pas être négative";
    QTest::newRow("two given")
        << int(Quantity) << 0 << QStringList{"NaCl", "1@1", "1@1", ""}
        << "Remplissez un seul des champs « Masse m », « Quantité n » et « Entités N »";
    QTest::newRow("zero volume") << int(Concentration) << 0 << QStringList{"NaCl", "", "0@0", "1@1"}
                                 << "« Volume V » : la valeur ne peut pas être nulle";
    QTest::newRow("nothing left to solve")
        << int(Concentration) << 1 << QStringList{"1@0", "1@0", "1@0", "1@0"}
        << "Laissez vide celui de C1, V1, C2 et V2 à calculer";
    QTest::newRow("below absolute zero")
        << int(Gas) << 0 << QStringList{"1@0", "1@0", "", "-300@1"}
        << "« Température T » : une température ne peut pas être en dessous du zéro absolu "
           "(0 K)";
    QTest::newRow("species not in the equation")
        << int(Equation) << 0 << QStringList{"Fe + O2 -> Fe2O3", "FeO", "1@1", "", "@0"}
        << "« Espèce donnée » : « FeO » n'est pas une espèce de l'équation";
    QTest::newRow("unbalanceable")
        << int(Equation) << 0 << QStringList{"Fe + O2 -> FeS", "", "@0", "", "@0"}
        << "« Équation » : L'élément O n'apparaît que parmi les réactifs : l'équation ne peut "
           "pas être équilibrée";
}

void TestCalculations::refused()
{
    QFETCH(QString, expected);
    const Calculations::Result result = run();
    QCOMPARE(result.error, expected);
}

QTEST_GUILESS_MAIN(TestCalculations)
#include "tst_calculations.moc"
