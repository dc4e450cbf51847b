// The atomic masses of the shipped element table against the standard atomic weights of
// IUPAC's Commission on Isotopic Abundances and Atomic Weights, abridged to five significant
// figures (Prohaska et al., "Standard atomic weights of the elements 2021", Pure Appl. Chem.
// 94 (2022) 573-600, abridged table), written out here from the published table.
#include "data/DataFolder.h"
#include "data/ElementTable.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"

#include <QtTest>

namespace {

struct StandardWeight
{
    const char *symbol;
    const char *abridged; // null: the element has no standard atomic weight
};

// Indexed by atomic number - 1. Elements without a stable isotope or a characteristic
// terrestrial isotopic composition have no standard atomic weight.
const StandardWeight kWeights[] = {
    {"H", "1.0080"},  {"He", "4.0026"}, {"Li", "6.94"},   {"Be", "9.0122"}, {"B", "10.81"},
    {"C", "12.011"},  {"N", "14.007"},  {"O", "15.999"},  {"F", "18.998"},  {"Ne", "20.180"},
    {"Na", "22.990"}, {"Mg", "24.305"}, {"Al", "26.982"}, {"Si", "28.085"}, {"P", "30.974"},
    {"S", "32.06"},   {"Cl", "35.45"},  {"Ar", "39.95"},  {"K", "39.098"},  {"Ca", "40.078"},
    {"Sc", "44.956"}, {"Ti", "47.867"}, {"V", "50.942"},  {"Cr", "51.996"}, {"Mn", "54.938"},
    {"Fe", "55.845"}, {"Co", "58.933"}, {"Ni", "58.693"}, {"Cu", "63.546"}, {"Zn", "65.38"},
    {"Ga", "69.723"}, {"Ge", "72.630"}, {"As", "74.922"}, {"Se", "78.971"}, {"Br", "79.904"},
    {"Kr", "83.798"}, {"Rb", "85.468"}, {"Sr", "87.62"},  {"Y", "88.906"},  {"Zr", "91.224"},
    {"Nb", "92.906"}, {"Mo", "95.95"},  {"Tc", nullptr},  {"Ru", "101.07"}, {"Rh", "102.91"},
    {"Pd", "106.42"}, {"Ag", "107.87"}, {"Cd", "112.41"}, {"In", "114.82"}, {"Sn", "118.71"},
    {"Sb", "121.76"}, {"Te", "127.60"}, {"I", "126.90"},  {"Xe", "131.29"}, {"Cs", "132.91"},
    {"Ba", "137.33"}, {"La", "138.91"}, {"Ce", "140.12"}, {"Pr", "140.91"}, {"Nd", "144.24"},
    {"Pm", nullptr},  {"Sm", "150.36"}, {"Eu", "151.96"}, {"Gd", "157.25"}, {"Tb", "158.93"},
    {"Dy", "162.50"}, {"Ho", "164.93"}, {"Er", "167.26"}, {"Tm", "168.93"}, {"Yb", "173.05"},
    {"Lu", "174.97"}, {"Hf", "178.49"}, {"Ta", "180.95"}, {"W", "183.84"},  {"Re", "186.21"},
    {"Os", "190.23"}, {"Ir", "192.22"}, {"Pt", "195.08"}, {"Au", "196.97"}, {"Hg", "200.59"},
    {"Tl", "204.38"}, {"Pb", "207.2"},  {"Bi", "208.98"}, {"Po", nullptr},  {"At", nullptr},
    {"Rn", nullptr},  {"Fr", nullptr},  {"Ra", nullptr},  {"Ac", nullptr},  {"Th", "232.04"},
    {"Pa", "231.04"}, {"U", "238.03"},  {"Np", nullptr},  {"Pu", nullptr},  {"Am", nullptr},
    {"Cm", nullptr},  {"Bk", nullptr},  {"Cf", nullptr},  {"Es", nullptr},  {"Fm", nullptr},
    {"Md", nullptr},  {"No", nullptr},  {"Lr", nullptr},  {"Rf", nullptr},  {"Db", nullptr},
    {"Sg", nullptr},  {"Bh", nullptr},  {"Hs", nullptr},  {"Mt", nullptr},  {"Ds", nullptr},
    {"Rg", nullptr},  {"Cn", nullptr},  {"Nh", nullptr},  {"Fl", nullptr},  {"Mc", nullptr},
    {"Lv", nullptr},  {"Ts", nullptr},  {"Og", nullptr},
};

// The abridged weight as the table writes masses: two decimals with the decimal comma,
// rounded half up (iron's 55.845 gives 55,85, as the iron record has always held, and so
// 24.305 gives 24,31 and 28.085 gives 28,09); a weight given with fewer decimals is not
// padded (lead: 207,2). Worked on the digits, so no binary fraction can tip a tie.
QString asTheFileWritesIt(const QByteArray &abridged)
{
    const qsizetype point = abridged.indexOf('.');
    if (point < 0 || abridged.size() - point - 1 <= 2)
        return QString::fromLatin1(abridged).replace(u'.', u',');
    qint64 hundredths =
        abridged.left(point).toLongLong() * 100 + abridged.mid(point + 1, 2).toInt();
    if (abridged.at(point + 3) >= '5')
        ++hundredths;
    return QStringLiteral("%1,%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestAtomicWeights : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void masses_data();
    void masses();

private:
    TTextTable m_table;
};

void TestAtomicWeights::initTestCase()
{
    QCOMPARE(int(std::size(kWeights)), ElementTable::ElementCount);
    ElementTable::configure(m_table, DataFolder(QStringLiteral(MIRELON_SHARE_DIR)));
    ElementTable::openWhole(m_table);
}

void TestAtomicWeights::masses_data()
{
    QTest::addColumn<int>("z");
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
        QTest::addRow("%d %s", z, kWeights[z - 1].symbol) << z;
}

// An element with a standard atomic weight holds it as the file writes masses; one without
// holds the mass number of an isotope (the longest-lived or best known), a whole number that
// for these heavy nuclei lies between 2 Z and 3 Z.
void TestAtomicWeights::masses()
{
    QFETCH(int, z);
    const StandardWeight &weight = kWeights[z - 1];
    m_table.setRecNo(z);
    QCOMPARE(m_table.FieldText(QStringLiteral("_SYMBOLE")), QString::fromLatin1(weight.symbol));
    const QString mass = m_table.FieldText(QStringLiteral("_M__AT"));
    if (weight.abridged) {
        QCOMPARE(mass, asTheFileWritesIt(weight.abridged));
        return;
    }
    const auto massNumber = Numbers::parseInteger(mass);
    QVERIFY2(massNumber, qPrintable(mass));
    QVERIFY2(*massNumber >= 2 * z && *massNumber <= 3 * z, qPrintable(mass));
}

QTEST_GUILESS_MAIN(TestAtomicWeights)
#include "tst_atomicweights.moc"
