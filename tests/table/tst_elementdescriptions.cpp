// What a screen reader says of an element, and of its own text in the colouring modes that
// speak it; the state and the discovery are their modes' rules (tst_colouringrules).
#include "table/ElementDescriptions.h"

#include <QtTest>

class TestElementDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void name_data();
    void name();
    void categories_data();
    void categories();
    void numeric_data();
    void numeric();
};

void TestElementDescriptions::name_data()
{
    QTest::addColumn<QString>("frenchName");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("transition metal")
        << "Fer"
        << "Fe" << 26 << "Fer, Fe, numéro atomique 26, groupe 8, période 4";
    QTest::newRow("first element")
        << "Hydrogène"
        << "H" << 1 << "Hydrogène, H, numéro atomique 1, groupe 1, période 1";
    QTest::newRow("noble gas of period 1")
        << "Hélium"
        << "He" << 2 << "Hélium, He, numéro atomique 2, groupe 18, période 1";
    QTest::newRow("padded texts") << " Étain  "
                                  << "Sn " << 50
                                  << "Étain, Sn, numéro atomique 50, groupe 14, période 5";
    QTest::newRow("lanthanum in group 3")
        << "Lanthane"
        << "La" << 57 << "Lanthane, La, numéro atomique 57, groupe 3, période 6";
    QTest::newRow("first lanthanide") << "Cérium"
                                      << "Ce" << 58 << "Cérium, Ce, numéro atomique 58, période 6";
    QTest::newRow("last lanthanide") << "Lutécium"
                                     << "Lu" << 71 << "Lutécium, Lu, numéro atomique 71, période 6";
    QTest::newRow("after the lanthanides")
        << "Hafnium"
        << "Hf" << 72 << "Hafnium, Hf, numéro atomique 72, groupe 4, période 6";
    QTest::newRow("actinium in group 3")
        << "Actinium"
        << "Ac" << 89 << "Actinium, Ac, numéro atomique 89, groupe 3, période 7";
    QTest::newRow("last actinide")
        << "Lawrencium"
        << "Lr" << 103 << "Lawrencium, Lr, numéro atomique 103, période 7";
    QTest::newRow("no such element") << ""
                                     << "" << 0 << ", , numéro atomique 0";
}

// Blanks the table pads its texts with are not spoken.
void TestElementDescriptions::name()
{
    QFETCH(QString, frenchName);
    QFETCH(QString, symbol);
    QFETCH(int, z);
    QFETCH(QString, spoken);
    QCOMPARE(ElementDescriptions::name(frenchName, symbol, z), spoken);
}

void TestElementDescriptions::categories_data()
{
    QTest::addColumn<int>("mode"); // 0 family, 1 block, 2 acid-base
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("family") << 0 << "Metal de transition"
                            << "Metal de transition";
    QTest::newRow("family padded") << 0 << " Gaz Noble "
                                   << "Gaz Noble";
    QTest::newRow("no family") << 0 << ""
                               << "pas de valeur";
    QTest::newRow("block") << 1 << "d"
                           << "Bloc d";
    QTest::newRow("no block") << 1 << " "
                              << "pas de valeur";
    QTest::newRow("acid-base") << 2 << "Amphotère"
                               << "Amphotère";
    QTest::newRow("no acid-base") << 2 << ""
                                  << "pas de valeur";
}

void TestElementDescriptions::categories()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    const QString said = mode == 0   ? ElementDescriptions::family(text)
                         : mode == 1 ? ElementDescriptions::block(text)
                                     : ElementDescriptions::acidBase(text);
    QCOMPARE(said, spoken);
}

void TestElementDescriptions::numeric_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("with unit") << "7,87"
                               << "kg/L"
                               << ""
                               << "7,87 kg/L";
    QTest::newRow("without unit") << "1,83"
                                  << ""
                                  << ""
                                  << "1,83";
    QTest::newRow("with a scale") << " 1,83"
                                  << ""
                                  << "échelle de Pauling"
                                  << "1,83, échelle de Pauling";
    QTest::newRow("exponent kept") << "4,00E-08"
                                   << "ppm"
                                   << ""
                                   << "4,00E-08 ppm";
    QTest::newRow("no value, no scale said") << ""
                                             << "K"
                                             << "échelle de Pauling"
                                             << "pas de valeur";
}

void TestElementDescriptions::numeric()
{
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(QString, scale);
    QFETCH(QString, spoken);
    QCOMPARE(ElementDescriptions::numeric(value, unit, scale), spoken);
}

QTEST_GUILESS_MAIN(TestElementDescriptions)
#include "tst_elementdescriptions.moc"
