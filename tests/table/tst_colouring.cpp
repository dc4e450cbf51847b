// The colouring modes of the main window on the shipped element table, and their
// failure paths on crafted copies of it.
#include "MainWindowFixture.h"

#include "data/Errors.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

const QColor Solid(0xF8, 0x5E, 0x47);
const QColor Liquid(0x00, 0x80, 0xC0);
const QColor Gas(0xFF, 0xFF, 0x00);
const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Navy(0x00, 0x00, 0x80);
const QColor Grey(0x80, 0x80, 0x80);
const QColor White(0xFF, 0xFF, 0xFF);

const QList<int> Gases = {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
const QList<int> Liquids = {35, 80};                              // Br, Hg
const QList<int> NoPoints = {96, 97, 98, 99, 100, 101, 102, 103}; // Cm to Lr

int countFill(const MainWindowFixture &f, const QColor &colour)
{
    int n = 0;
    for (int z = 1; z <= 103; ++z)
        n += f.fill(z) == colour;
    return n;
}

bool visible(const MainWindowFixture &f, const char *name)
{
    return f.child<QWidget>(QString::fromLatin1(name))->isVisible();
}

} // namespace

class TestColouring : public QObject
{
    Q_OBJECT

private slots:
    void familyColoursAndLegend_data();
    void familyColoursAndLegend();
    void typingAModeNameAppliesIt();
    void acidBaseLeavesElementsWithoutValueSilver();
    void physicalStateAtRoomTemperature();
    void steppingTheTemperatureMeltsGallium();
    void temperatureEqualToAPointKeepsTheColour();
    void discoveryAt1600And2000();
    void atomicNumberGreyScale();
    void electronegativityNavyForMissingValues();
    void crustAbundanceOxygenIsBlack();
    void separatorLineColoursEverythingNavy();
    void whiteCaptionsTurnBlackWithTheNextMode();
    void defautRestoresThePlainTable();
    void nonNumberStopsTheScan();
    void columnOfEqualValuesIsWhite();
};

void TestColouring::familyColoursAndLegend_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Fe, transition metal") << 26 << QColor(0xFF, 0xFF, 0x80);
    QTest::newRow("Al, metal") << 13 << QColor(0xB7, 0xB7, 0xB7);
    QTest::newRow("B, metalloid") << 5 << QColor(0xB8, 0x8F, 0xFC);
    QTest::newRow("La, lanthanide") << 57 << QColor(0xDA, 0xD6, 0xA7);
    QTest::newRow("C, non-metal") << 6 << QColor(0x96, 0xBF, 0xC2);
    QTest::newRow("Ne, noble gas") << 10 << White;
    QTest::newRow("Cl, halogen") << 17 << QColor(0x6B, 0x7B, 0xED);
}

void TestColouring::familyColoursAndLegend()
{
    QFETCH(int, z);
    MainWindowFixture f;
    f.choose(QStringLiteral("Groupe"));
    QTEST(f.fill(z), "colour");
    QVERIFY(visible(f, "legende1"));
    int swatches = 0;
    for (const QFrame *frame :
         f.child<QWidget>(QStringLiteral("legende1"))->findChildren<QFrame *>())
        swatches += frame->objectName().startsWith(QStringLiteral("legende1_swatch"));
    QCOMPARE(swatches, 10);
    QCOMPARE(f.form->layoutWidth(), TForm1::LegendWidth);
}

void TestColouring::typingAModeNameAppliesIt()
{
    MainWindowFixture f;
    QLineEdit *edit = f.combo()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Groupe"));
    QCOMPARE(f.combo()->currentText(), QStringLiteral("Groupe"));
    QCOMPARE(f.fill(26), QColor(0xFF, 0xFF, 0x80));
    QVERIFY(visible(f, "legende1"));
}

void TestColouring::acidBaseLeavesElementsWithoutValueSilver()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Acide-Base"));
    QCOMPARE(countFill(f, Silver), 18);
    QCOMPARE(f.fill(26), White); // amphoteric iron
    QVERIFY(visible(f, "legende3"));
}

void TestColouring::physicalStateAtRoomTemperature()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Etat Physique"));
    for (int z = 1; z <= 103; ++z) {
        const QColor expected = Gases.contains(z)      ? Gas
                                : Liquids.contains(z)  ? Liquid
                                : NoPoints.contains(z) ? Silver
                                                       : Solid;
        QVERIFY2(f.fill(z) == expected, qPrintable(f.button(z)->Caption()));
    }
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("edit1"))->text(), QStringLiteral("24,85"));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit2"))->text(), QStringLiteral("76,73"));
    QVERIFY(visible(f, "legende4"));
    QVERIFY(!visible(f, "Panel2"));
}

void TestColouring::steppingTheTemperatureMeltsGallium()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Etat Physique"));
    QCOMPARE(f.fill(31), Solid);
    auto *spin = f.child<QSpinBox>(QStringLiteral("SpinEdit1"));
    spin->stepUp();
    QCOMPARE(spin->value(), 308);
    QCOMPARE(f.fill(31), Liquid);
}

void TestColouring::temperatureEqualToAPointKeepsTheColour()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Etat Physique"));
    f.child<QSpinBox>(QStringLiteral("SpinEdit1"))->setValue(1810);
    QCOMPARE(f.fill(26), Solid);  // iron melts at exactly 1810 K: left as it was at 298 K
    QCOMPARE(f.fill(74), Solid);  // tungsten still solid
    QCOMPARE(f.fill(29), Liquid); // copper melts at 1358 K
}

void TestColouring::discoveryAt1600And2000()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Decouverte"));
    QCOMPARE(f.fill(6), Grey);  // C, prehistory
    QCOMPARE(f.fill(16), Grey); // S, prehistory
    QCOMPARE(f.fill(26), Grey); // Fe, -2500
    QCOMPARE(f.fill(15), Navy); // P, 1669
    QCOMPARE(countFill(f, White), 0);
    QCOMPARE(countFill(f, Grey) + countFill(f, Navy), 103);
    QVERIFY(visible(f, "legende5"));
    f.child<QSpinBox>(QStringLiteral("SpinEdit2"))->setValue(2000);
    QCOMPARE(f.fill(15), White);
    QCOMPARE(f.fill(103), White);
    QCOMPARE(f.fill(26), Grey);
    QCOMPARE(countFill(f, Navy), 0);
}

void TestColouring::atomicNumberGreyScale()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Numero Atomique"));
    for (int z = 1; z <= 103; ++z) {
        const int s = (z - 1) * 255 / 102;
        QCOMPARE(f.fill(z), QColor(255 - s, 255 - s, 255 - s));
        QCOMPARE(f.button(z)->FontColor(), s > 90 ? White : QColor(Qt::black));
    }
    QCOMPARE(f.fill(52), QColor(0x80, 0x80, 0x80)); // Te, s = 127
    QCOMPARE(f.fill(1), White);
    QCOMPARE(f.fill(103), QColor(Qt::black));
    QCOMPARE(f.child<QLabel>(QStringLiteral("RxLabel1"))->text(), QStringLiteral("N° At"));
    QVERIFY(visible(f, "Panel2"));
}

void TestColouring::electronegativityNavyForMissingValues()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Electronégativité"));
    QCOMPARE(countFill(f, Navy), 15);
    QTest::mouseMove(f.button(9), QPoint(10, 10));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("DBEdit3"))->text(), QStringLiteral("4,1"));
    QCOMPARE(f.fill(9), QColor(Qt::black)); // fluorine has the greatest value
}

void TestColouring::crustAbundanceOxygenIsBlack()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Abondance croute terrestre"));
    QCOMPARE(f.fill(8), QColor(Qt::black));
    int nearlyWhite = 0;
    for (int z = 1; z <= 103; ++z)
        nearlyWhite += f.fill(z).red() >= 250;
    QVERIFY(nearlyWhite > 90);
}

void TestColouring::separatorLineColoursEverythingNavy()
{
    MainWindowFixture f;
    f.combo()->setCurrentIndex(1);
    QCOMPARE(countFill(f, Navy), 103);
    QCOMPARE(f.child<QLabel>(QStringLiteral("RxLabel1"))->text(), QString());
    QTest::mouseMove(f.button(26), QPoint(10, 10));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("DBEdit3"))->text(), QString());
}

void TestColouring::whiteCaptionsTurnBlackWithTheNextMode()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Numero Atomique"));
    QCOMPARE(f.button(103)->FontColor(), White);
    f.choose(QStringLiteral("Decouverte"));
    QCOMPARE(f.button(103)->FontColor(), QColor(Qt::black));
}

void TestColouring::defautRestoresThePlainTable()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Numero Atomique"));
    f.choose(QStringLiteral("Defaut"));
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(countFill(f, face), 103);
    QCOMPARE(f.button(103)->FontColor(), QColor(Qt::black));
    for (const char *legend :
         {"legende1", "legende2", "legende3", "legende4", "legende5", "Panel2"})
        QVERIFY2(!visible(f, legend), legend);
    QCOMPARE(f.form->layoutWidth(), TForm1::DefaultWidth);
}

void TestColouring::nonNumberStopsTheScan()
{
    MainWindowFixture f([](TStrGrid &grid) { MainWindowFixture::setCell(grid, 5, "_TF", "abc"); });
    const QColor face = f.fill(5);
    {
        const QSignalBlocker quiet(f.combo());
        f.choose(QStringLiteral("Etat Physique"));
    }
    try {
        f.form->combobox1Change();
        QFAIL("no conversion error");
    } catch (const EConvertError &error) {
        QCOMPARE(error.message(), QStringLiteral("'abc' is not a valid floating point value"));
    }
    QCOMPARE(f.fill(1), Gas); // coloured before the fault
    QCOMPARE(f.fill(4), Solid);
    QCOMPARE(f.fill(5), face); // the faulty record and those after it are untouched
    QCOMPARE(f.fill(26), face);
    QVERIFY(!visible(f, "legende4"));
}

void TestColouring::columnOfEqualValuesIsWhite()
{
    MainWindowFixture f([](TStrGrid &grid) {
        for (int z = 1; z <= 103; ++z)
            if (!grid.Cell(ElementColumns::indexOf("_3EN"), z).isEmpty())
                MainWindowFixture::setCell(grid, z, "_3EN", "2");
    });
    f.choose(QStringLiteral("Electronégativité"));
    QCOMPARE(countFill(f, Navy), 15);
    QCOMPARE(countFill(f, White), 88);
}

QTEST_MAIN(TestColouring)
#include "tst_colouring.moc"
