// Equations read and balanced without a window: the smallest whole coefficients, checked
// again by counting atoms and charges on each side; the charge notations; every refusal.
#include "calculs/Equation.h"

#include <QtTest>

namespace {

// Atoms of each element and the charge, reactants minus products: all zero when balanced.
bool conserved(const Equation::Balance &balance)
{
    QHash<QString, qint64> atoms;
    qint64 charge = 0;
    for (const Equation::Species &s : balance.species) {
        const qint64 sign = s.product ? -s.coefficient : s.coefficient;
        for (const FormulaReader::ElementAtoms &a : s.elements)
            atoms[a.symbol] += sign * a.count;
        charge += sign * s.charge;
    }
    return charge == 0 && std::all_of(atoms.begin(), atoms.end(), [](qint64 n) { return !n; });
}

} // namespace

class TestEquation : public QObject
{
    Q_OBJECT

private slots:
    void balanced_data();
    void balanced();
    void refused_data();
    void refused();
    void drawn();
};

void TestEquation::balanced_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("plain");
    // Fe: 4 = 2×2; O: 3×2 = 2×3.
    QTest::newRow("iron oxide") << "Fe + O2 -> Fe2O3"
                                << "4 Fe + 3 O2 → 2 Fe2O3";
    // C: 3 = 3; H: 8 = 4×2; O: 5×2 = 3×2 + 4.
    QTest::newRow("propane, =") << "C3H8 + O2 = CO2 + H2O"
                                << "C3H8 + 5 O2 → 3 CO2 + 4 H2O";
    // Mn 1 = 1; Fe 5 = 5; O 4 = 4; H 8 = 4×2; charge −1 + 10 + 8 = 17 = 2 + 15.
    QTest::newRow("permanganate") << "MnO4^- + Fe^2+ + H^+ -> Mn^2+ + Fe^3+ + H2O"
                                  << "MnO4^- + 5 Fe^2+ + 8 H^+ → Mn^2+ + 5 Fe^3+ + 4 H2O";
    QTest::newRow("braces, superscripts, →")
        << "MnO4{-} + Fe²⁺ + H^{+} → Mn{2+} + Fe³⁺ + H2O"
        << "MnO4^- + 5 Fe^2+ + 8 H^+ → Mn^2+ + 5 Fe^3+ + 4 H2O";
    // Half-equation: charge 3 − 1 = 2.
    QTest::newRow("electron") << "Fe^3+ + e- -> Fe^2+"
                              << "Fe^3+ + e^- → Fe^2+";
    // Given coefficients are found again; case corrected: Cu 1, S 1, O 4+5 = 4+5, H 10 = 10.
    QTest::newRow("coefficients typed, hydrate") << "2 cuso4 + 10 H2O -> CuSO4.5H2O"
                                                 << "CuSO4 + 5 H2O → CuSO4·5H2O";
    // Cu: 3 = 3; N: 8 = 6 + 2; O: 24 = 18 + 2 + 4; H: 8 = 8.
    QTest::newRow("copper and nitric acid") << "Cu + HNO3 -> Cu(NO3)2 + NO + H2O"
                                            << "3 Cu + 8 HNO3 → 3 Cu(NO3)2 + 2 NO + 4 H2O";
    // The textbook hard case: K 40 + 122 = 162 + 0; S 299 = 162 + 15 + 122.
    QTest::newRow("ferrocyanide and permanganate")
        << "K4Fe(CN)6 + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O"
        << "10 K4Fe(CN)6 + 122 KMnO4 + 299 H2SO4 → 162 KHSO4 + 5 Fe2(SO4)3 + 122 MnSO4 + "
           "60 HNO3 + 60 CO2 + 188 H2O";
    // Charge −2 on the sulfate: 2×(+1) + (−2) = 0.
    QTest::newRow("sulfate ions") << "H^+ + SO4^2- -> H2SO4"
                                  << "2 H^+ + SO4^2- → H2SO4";
}

void TestEquation::balanced()
{
    QFETCH(QString, typed);
    QFETCH(QString, plain);
    const Equation::Balance balance = Equation::balance(typed);
    QVERIFY2(!balance.failed(), qPrintable(balance.error));
    QCOMPARE(balance.plain(), plain);
    QVERIFY(conserved(balance));
}

void TestEquation::refused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::newRow("no arrow") << "H2 + O2"
                              << "Il manque la flèche entre les réactifs et les produits : "
                                 "« -> », « → » ou « = »";
    QTest::newRow("two arrows") << "A -> B -> C"
                                << "L'équation ne doit avoir qu'une flèche";
    QTest::newRow("no products") << "Fe + O2 -> "
                                 << "Il n'y a pas de produits après la flèche";
    QTest::newRow("empty species")
        << "Fe + + O2 -> Fe2O3"
        << "Une espèce manque autour d'un « + » (une charge s'écrit « Fe^3+ »)";
    QTest::newRow("ambiguous charge")
        << "SO42- -> SO4^2-"
        << "Charge ambiguë dans « SO42- » : écrivez-la après « ^ », par exemple « SO4^2- »";
    QTest::newRow("unreadable charge") << "Fe^2x -> Fe"
                                       << "Charge illisible dans « Fe^2x »";
    QTest::newRow("unknown symbol") << "Xy + O2 -> XyO2"
                                    << "« Xy » : Symbole inconnu « Xy »";
    QTest::newRow("one side only")
        << "Fe + O2 -> FeO + N2"
        << "L'élément N n'apparaît que parmi les produits : l'équation ne peut pas être "
           "équilibrée";
    QTest::newRow("only zero")
        << "NaCl -> Na + Cl^-"
        << "Cette équation ne peut pas être équilibrée : aucun jeu de coefficients ne conserve "
           "à la fois les atomes et les charges";
    // Two reactions mixed: H2 + O2 → H2O and C + O2 → CO2.
    QTest::newRow("two reactions")
        << "H2 + C + O2 -> H2O + CO2"
        << "Cette équation a 2 équilibrages indépendants : plusieurs réactions y sont mêlées, "
           "écrivez-les chacune à part";
    // H: 2a + 2b = 2c; O: a = 2c, so b = −c.
    QTest::newRow("wrong side")
        << "H2O + H2 -> H2O2"
        << "Aucun équilibrage ne garde chaque espèce de son côté : « H2 » devrait passer de "
           "l'autre côté de la flèche";
    // He may have any coefficient.
    QTest::newRow("inert species")
        << "H2 + O2 + He -> H2O + He"
        << "Cette équation a 2 équilibrages indépendants : plusieurs réactions y sont mêlées, "
           "écrivez-les chacune à part";
    QTest::newRow("electron charge") << "Fe^3+ + e^2- -> Fe^2+"
                                     << "L'électron s'écrit « e^- »";
}

void TestEquation::refused()
{
    QFETCH(QString, typed);
    QFETCH(QString, error);
    const Equation::Balance balance = Equation::balance(typed);
    QCOMPARE(balance.error, error);
    for (const Equation::Species &s : balance.species)
        QCOMPARE(s.coefficient, 0);
}

void TestEquation::drawn()
{
    // Counts low, charges high with a true minus, a hydrate's coefficient at full size.
    QCOMPARE(Equation::balance(u"Fe + O2 -> Fe2O3").rich(),
             QStringLiteral("4 Fe + 3 O<sub>2</sub> → 2 Fe<sub>2</sub>O<sub>3</sub>"));
    QCOMPARE(Equation::balance(u"Na2SO4.10H2O -> Na^+ + SO4^2- + H2O").rich(),
             QStringLiteral("Na<sub>2</sub>SO<sub>4</sub>·10H<sub>2</sub>O → 2 Na<sup>+</sup> "
                            "+ SO<sub>4</sub><sup>2−</sup> + 10 H<sub>2</sub>O"));
}

QTEST_GUILESS_MAIN(TestEquation)
#include "tst_equation.moc"
