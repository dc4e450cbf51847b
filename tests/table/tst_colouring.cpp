// The colouring modes of the main window on the shipped element table, and their
// failure paths on crafted copies of it.
#include "MainWindowFixture.h"
#include "MessageBoxes.h"
#include "Thrown.h"
#include "data/ElementTable.h"

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

int countFill(const MainWindowFixture &f, const QColor &colour)
{
    int n = 0;
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
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
    void legendRows_data();
    void legendRows();
    void typingAModeNameAppliesIt();
    void choosingTheShowingEntryAgainRecolours();
    void acidBaseLeavesElementsWithoutValueSilver();
    void physicalStateAtRoomTemperature();
    void temperatureRecolours();
    void temperatureRefusesADecimalSeparator_data();
    void temperatureRefusesADecimalSeparator();
    void discoveryAt1600And2000();
    void atomicNumberGreyScale();
    void captionsOnNavyAreWhite_data();
    void captionsOnNavyAreWhite();
    void electronegativityNavyForMissingValues();
    void crustAbundanceOxygenIsBlack();
    void separatorLineColoursEverythingNavy();
    void nextModeAndDefautRestore();
    void nonNumberStopsTheScan();
    void columnOfEqualValuesIsWhite();
};

void TestColouring::legendRows_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("firstTop");
    QTest::addColumn<QVector<QRgb>>("swatches");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("z"); // an element the mode colours, and its fill
    QTest::addColumn<QColor>("colour");
    QTest::newRow("legende1") << "Groupe"
                              << "legende1" << QRect(624, 136, 145, 177) << 8
                              << QVector<QRgb>{0x96BFC2, 0xFDA85B, 0xF23A0D, 0xFFFF80, 0xB7B7B7,
                                               0xB88FFC, 0x6B7BED, 0xFFFFFF, 0xDAD6A7, 0xB5AD53}
                              << QStringList{"Non Métal",        "Alcalins",
                                             "Alcalino-Terreux", "Métal de Transition",
                                             "Métal ",           "Métalloide",
                                             "Halogènes",        "Gaz nobles",
                                             "Lanthanide",       "Actinide"}
                              << 26 << QColor(0xFFFF80);
    QTest::newRow("legende2") << "Blocs s/p/d/f"
                              << "legende2" << QRect(640, 184, 81, 81) << 8
                              << QVector<QRgb>{0xFFFFFF, 0xFFFF80, 0x96BFC2, 0xF23A0D}
                              << QStringList{"Bloc s", "Bloc p", "Bloc d", "Bloc f"} << 92
                              << QColor(0xF23A0D);
    QTest::newRow("legende3") << "Acide-Base"
                              << "legende3" << QRect(632, 168, 105, 97) << 8
                              << QVector<QRgb>{0x17D5FD, 0x166DFE, 0xFCB818, 0xFF1515, 0xFFFFFF}
                              << QStringList{"Base Faible", "Base Forte", "Acid Faible",
                                             "Acide Fort", "Amphotère"}
                              << 26 << White;
    QTest::newRow("legende4") << "Etat Physique"
                              << "legende4" << QRect(648, 136, 113, 185) << 8
                              << QVector<QRgb>{0xF85E47, 0x0080C0, 0xFFFF00, 0xA6A6A6}
                              << QStringList{"Solide", "Liquide", "Gaz", "N/A"} << 1 << Gas;
    QTest::newRow("legende5") << "Decouverte"
                              << "legende5" << QRect(640, 160, 121, 129) << 32
                              << QVector<QRgb>{0x808080, 0xFFFFFF, 0x000080}
                              << QStringList{"avant 1600", "Découvert", "Pas découvert"} << 6
                              << Grey;
    QTest::newRow("Panel2") << "Numero Atomique"
                            << "Panel2" << QRect(624, 176, 153, 97) << 48
                            << QVector<QRgb>{0x000000, 0xFFFFFF, 0x000080}
                            << QStringList{"+ forte valeur", "+ faible valeur", "N/A"} << 52
                            << QColor(0x90, 0x90, 0x90); // Te: 255 - 51 * 255 / 117
}

// Each mode colours the table and shows its legend alone, beside the widened table: the legend
// where it stands, with its rows 16 pixels apart, a 15 x 13 swatch at 8 and its caption at 32,
// and no row more. Which text gets which colour is the rules' (tst_colouringrules).
void TestColouring::legendRows()
{
    QFETCH(QString, mode);
    QFETCH(QString, legend);
    QFETCH(int, firstTop);
    QFETCH(QVector<QRgb>, swatches);
    QFETCH(QStringList, captions);
    QFETCH(int, z);
    MainWindowFixture f;
    f.choose(mode);
    QTEST(f.fill(z), "colour");
    for (const char *name : {"legende1", "legende2", "legende3", "legende4", "legende5", "Panel2"})
        QCOMPARE(visible(f, name), legend == QLatin1String(name));
    QCOMPARE(f.form->layoutWidth(), TForm1::LegendWidth);
    auto *panel = f.child<QWidget>(legend);
    QTEST(panel->geometry(), "geometry");
    const auto at = [panel](QPoint place) { return panel->childAt(place + QPoint(1, 1)); };
    for (int row = 0; row <= captions.size(); ++row) {
        const int top = firstTop + 16 * row;
        QWidget *swatch = at({8, top});
        if (row == captions.size()) {
            QVERIFY(!swatch || swatch->geometry().size() != QSize(15, 13));
            break;
        }
        QVERIFY2(swatch && swatch->geometry() == QRect(8, top, 15, 13), qPrintable(captions[row]));
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(swatches[row]));
        auto *caption = qobject_cast<QLabel *>(at({32, top}));
        QVERIFY2(caption && caption->pos() == QPoint(32, top), qPrintable(captions[row]));
        QCOMPARE(caption->text(), captions[row]);
    }
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

void TestColouring::choosingTheShowingEntryAgainRecolours()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Groupe"));
    f.button(26)->setColor(Qt::red);
    f.choose(QStringLiteral("Groupe"));
    QCOMPARE(f.fill(26), QColor(0xFF, 0xFF, 0x80));
}

void TestColouring::acidBaseLeavesElementsWithoutValueSilver()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Acide-Base"));
    QCOMPARE(countFill(f, Silver), 33); // 18, and Rf to Og
    QCOMPARE(f.fill(26), White);        // amphoteric iron
    QVERIFY(visible(f, "legende3"));
}

void TestColouring::physicalStateAtRoomTemperature()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Etat Physique"));
    // Which elements are which at 298 K is the data's test (tst_elementdata).
    QCOMPARE(countFill(f, Gas), 11);
    QCOMPARE(countFill(f, Liquid), 2);
    QCOMPARE(countFill(f, Silver), 22); // Bk to Og, without melting or boiling points
    QCOMPARE(f.fill(35), Liquid);       // Br
    QCOMPARE(f.fill(26), Solid);
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("edit1"))->text(), QStringLiteral("24,85"));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit2"))->text(), QStringLiteral("76,73"));
    QVERIFY(visible(f, "legende4"));
    QVERIFY(!visible(f, "Panel2"));
}

// A step up melts gallium; at exactly iron's melting point iron keeps the colour it had.
void TestColouring::temperatureRecolours()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Etat Physique"));
    QCOMPARE(f.fill(31), Solid);
    auto *spin = f.child<QSpinBox>(QStringLiteral("SpinEdit1"));
    spin->stepUp();
    QCOMPARE(spin->value(), 308);
    QCOMPARE(f.fill(31), Liquid);
    spin->setValue(1810);
    QCOMPARE(f.fill(26), Solid);
    QCOMPARE(f.fill(29), Liquid); // copper melts at 1358 K
}

void TestColouring::temperatureRefusesADecimalSeparator_data()
{
    QTest::addColumn<QString>("separator");
    QTest::newRow("point") << ".";
    QTest::newRow("comma") << ",";
}

// The temperature is a whole number of kelvins: a decimal separator is refused with a word,
// rather than dropped so that « 298.5 » would run on as 2985 K.
void TestColouring::temperatureRefusesADecimalSeparator()
{
    QFETCH(QString, separator);
    MainWindowFixture f;
    f.choose(QStringLiteral("Etat Physique"));
    auto *spin = f.child<QSpinBox>(QStringLiteral("SpinEdit1"));
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("308"));
    QCOMPARE(f.fill(31), Liquid); // gallium melts at 303 K
    const QStringList boxes = messageBoxesDuring([&] { QTest::keyClicks(spin, separator); });
    QCOMPARE(boxes.size(), 1);
    for (const QString &part : {QStringLiteral("Température (K)"),
                                QStringLiteral("« 308") + separator + QStringLiteral(" »"),
                                QStringLiteral("nombre entier"), QStringLiteral("reste 308")})
        QVERIFY2(boxes.first().contains(part), qPrintable(boxes.first()));
    QCOMPARE(spin->text(), QStringLiteral("308"));
    QCOMPARE(f.fill(31), Liquid);
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
    QCOMPARE(countFill(f, Grey) + countFill(f, Navy), ElementTable::ElementCount);
    QVERIFY(visible(f, "legende5"));
    // A year equal to the chosen one is not yet discovered.
    auto *year = f.child<QSpinBox>(QStringLiteral("SpinEdit2"));
    year->setValue(1669);
    QCOMPARE(f.fill(15), Navy);
    year->setValue(1670);
    QCOMPARE(f.fill(15), White);
    year->setValue(2000);
    QCOMPARE(f.fill(15), White);
    QCOMPARE(f.fill(103), White);
    QCOMPARE(f.fill(26), Grey);
    QCOMPARE(countFill(f, Navy), 5); // Lv (2000), Og (2002), Mc (2003), Nh (2004), Ts (2010)
}

void TestColouring::atomicNumberGreyScale()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Numero Atomique"));
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        const int s = (z - 1) * 255 / (ElementTable::ElementCount - 1);
        QCOMPARE(f.fill(z), QColor(255 - s, 255 - s, 255 - s));
        // White from s = 91 would be 2,5:1 on grey 164; it reads (4,5:1) from grey 118 on.
        QCOMPARE(f.button(z)->FontColor(), 255 - s <= 118 ? White : QColor(Qt::black));
    }
    QCOMPARE(f.child<QLabel>(QStringLiteral("RxLabel1"))->text(), QStringLiteral("N° At"));
    QVERIFY(visible(f, "Panel2"));
}

void TestColouring::captionsOnNavyAreWhite_data()
{
    QTest::addColumn<int>("entry"); // in the colouring list
    QTest::addColumn<int>("navy");
    QTest::newRow("not discovered by 1600") << 6 << 105;
    QTest::newRow("no electronegativity") << 23 << 30;
    QTest::newRow("separator line") << 1 << ElementTable::ElementCount;
}

// Black on navy cannot be read (1,3:1): such a caption is drawn white, the fill unchanged.
void TestColouring::captionsOnNavyAreWhite()
{
    QFETCH(int, entry);
    QFETCH(int, navy);
    MainWindowFixture f;
    f.choose(entry);
    QCOMPARE(countFill(f, Navy), navy);
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        if (f.fill(z) == Navy)
            QVERIFY2(f.button(z)->FontColor() == White, qPrintable(QString::number(z)));
    }
}

void TestColouring::electronegativityNavyForMissingValues()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Electronégativité"));
    QCOMPARE(countFill(f, Navy), 30);
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
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
        nearlyWhite += f.fill(z).red() >= 250;
    QVERIFY(nearlyWhite > 90);
}

void TestColouring::separatorLineColoursEverythingNavy()
{
    MainWindowFixture f;
    f.choose(1);
    QCOMPARE(countFill(f, Navy), ElementTable::ElementCount);
    QCOMPARE(f.child<QLabel>(QStringLiteral("RxLabel1"))->text(), QString());
    QTest::mouseMove(f.button(26), QPoint(10, 10));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("DBEdit3"))->text(), QString());
}

// The next mode turns white captions black again; "Defaut" restores the plain table.
void TestColouring::nextModeAndDefautRestore()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Numero Atomique"));
    QCOMPARE(f.button(103)->FontColor(), White);
    f.choose(QStringLiteral("Groupe"));
    QCOMPARE(f.button(103)->FontColor(), QColor(Qt::black));
    f.choose(QStringLiteral("Numero Atomique"));
    f.choose(QStringLiteral("Defaut"));
    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(countFill(f, face), ElementTable::ElementCount);
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
    QCOMPARE(thrownMessage<EConvertError>([&] { f.form->combobox1Change(); }),
             QStringLiteral("« abc » n'est pas un nombre décimal valide"));
    QCOMPARE(f.fill(1), Gas); // coloured before the fault
    QCOMPARE(f.fill(4), Solid);
    QCOMPARE(f.fill(5), face); // the faulty record and those after it are untouched
    QCOMPARE(f.fill(26), face);
    QVERIFY(!visible(f, "legende4"));
    // Chosen in the list, the fault is told once, from the handler, and the window goes on.
    const QStringList shown =
        messageBoxesDuring([&] { f.choose(QStringLiteral("Etat Physique")); });
    QCOMPARE(shown, QStringList{"« abc » n'est pas un nombre décimal valide"});
    f.choose(QStringLiteral("Groupe"));
    QVERIFY(visible(f, "legende1"));
    QVERIFY(f.fill(26) != face);
}

void TestColouring::columnOfEqualValuesIsWhite()
{
    MainWindowFixture f([](TStrGrid &grid) {
        for (int z = 1; z <= ElementTable::ElementCount; ++z)
            if (!grid.Cell(ElementColumns::indexOf("_3EN"), z).isEmpty())
                MainWindowFixture::setCell(grid, z, "_3EN", "2");
    });
    f.choose(QStringLiteral("Electronégativité"));
    QCOMPARE(countFill(f, Navy), 30);
    QCOMPARE(countFill(f, White), 88);
}

QTEST_MAIN(TestColouring)
#include "tst_colouring.moc"
