// The rules that turn an element's values into a button's colours, without a window: every
// value of the three columns the modes match exactly and texts that only look like one, the
// state at a temperature, the discovery by a year, the grey scale, and a whole mode over a
// set of records, up to the value that stops it.
#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "data/TTextTable.h"
#include "table/Colouring.h"
#include "table/ColouringRules.h"

#include <QtTest>

#include <optional>

namespace {

const QColor None; // the button keeps its fill
const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor Solid(0xF8, 0x5E, 0x47);
const QColor Liquid(0x00, 0x80, 0xC0);
const QColor Gas(0xFF, 0xFF, 0x00);
const QColor Grey(0x80, 0x80, 0x80);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Navy(0x00, 0x00, 0x80);
const QColor Black(0, 0, 0);

// Records made in memory: the first row holds the field names, each further row an element.
ElementRecords recordsOf(const QList<QStringList> &lines)
{
    TTextTable table;
    table.setKeepData(true);
    table.setFldNames(lines.first());
    TStrGrid &grid = table.Grid();
    grid.setColCount(int(lines.first().size()));
    grid.setRowCount(int(lines.size()) - 1);
    for (int row = 1; row < lines.size(); ++row)
        for (int col = 0; col < lines[row].size(); ++col)
            grid.setCell(col, row - 1, lines[row][col]);
    table.Open();
    return ElementRecords::fromTable(table);
}

} // namespace

Q_DECLARE_METATYPE(Colouring::Mode)
Q_DECLARE_METATYPE(Colouring::Choice)

class TestColouringRules : public QObject
{
    Q_OBJECT

private slots:
    void categoryTexts_data();
    void categoryTexts();
    void physicalState_data();
    void physicalState();
    void discovery_data();
    void discovery();
    void greyShade_data();
    void greyShade();
    void modeOfEntryText_data();
    void modeOfEntryText();
    void looksOfAMode_data();
    void looksOfAMode();
};

void TestColouringRules::categoryTexts_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour"); // invalid: the button keeps its colour
    const QColor none;
    const QColor silver(0xC0, 0xC0, 0xC0);
    const struct
    {
        const char *mode, *text;
        QColor colour;
    } rows[] = {
        {"Groupe", "Non métal", QColor(0x96BFC2)},
        {"Groupe", "Gaz Noble", QColor(0xFFFFFF)},
        {"Groupe", "Alcalin", QColor(0xFDA85B)},
        {"Groupe", "Alcalino-terreux", QColor(0xF23A0D)},
        {"Groupe", "Halogène", QColor(0x6B7BED)},
        {"Groupe", "Metal de transition", QColor(0xFFFF80)},
        {"Groupe", "Metal", QColor(0xB7B7B7)},
        {"Groupe", "Lanthanide", QColor(0xDAD6A7)},
        {"Groupe", "Actinide", QColor(0xB5AD53)},
        {"Groupe", "Metalloide", QColor(0xB88FFC)},
        // The legend's captions, other cases and blanks are no family.
        {"Groupe", "Non Métal", none},
        {"Groupe", "Métal ", none},
        {"Groupe", "Metal ", none},
        {"Groupe", "metal", none},
        {"Groupe", "", none},
        {"Blocs s/p/d/f", "s", QColor(0xFFFFFF)},
        {"Blocs s/p/d/f", "p", QColor(0xFFFF80)},
        {"Blocs s/p/d/f", "d", QColor(0x96BFC2)},
        {"Blocs s/p/d/f", "f", QColor(0xF23A0D)},
        {"Blocs s/p/d/f", "S", none},
        {"Blocs s/p/d/f", "Bloc s", none},
        {"Acide-Base", "Base faible", QColor(0x17D5FD)},
        {"Acide-Base", "Base forte", QColor(0x166DFE)},
        {"Acide-Base", "Acide faible", QColor(0xFCB818)},
        {"Acide-Base", "Acide fort", QColor(0xFF1515)},
        {"Acide-Base", "Amphotère", QColor(0xFFFFFF)},
        // No character, or an unknown one, keeps the silver of the first pass.
        {"Acide-Base", "", silver},
        {"Acide-Base", "Acid Faible", silver},
    };
    for (const auto &row : rows)
        QTest::addRow("%s: '%s'", row.mode, row.text)
            << QString::fromUtf8(row.mode) << QString::fromUtf8(row.text) << row.colour;
}

void TestColouringRules::categoryTexts()
{
    QFETCH(QString, mode);
    QFETCH(QString, text);
    std::optional<QColor> colour;
    if (mode == u"Groupe")
        colour = ColouringRules::familyColour(text);
    else if (mode == u"Blocs s/p/d/f")
        colour = ColouringRules::blockColour(text);
    else
        colour = ColouringRules::acidBaseColour(text);
    QTEST(colour.value_or(QColor()), "colour");
}

void TestColouringRules::physicalState_data()
{
    QTest::addColumn<QString>("melting");
    QTest::addColumn<QString>("boiling");
    QTest::addColumn<int>("t");
    QTest::addColumn<QColor>("colour"); // invalid: the button keeps its colour
    QTest::addColumn<QString>("error");
    QTest::newRow("solid below its melting point") << "302,98"
                                                   << "2477" << 298 << Solid << "";
    QTest::newRow("liquid between the points") << "302,98"
                                               << "2477" << 308 << Liquid << "";
    QTest::newRow("gas above its boiling point") << "14,01"
                                                 << "20,28" << 298 << Gas << "";
    QTest::newRow("exponent form") << "2,9E+02"
                                   << "3,1E+02" << 300 << Liquid << "";
    QTest::newRow("exactly the melting point") << "1810"
                                               << "3020" << 1810 << None << "";
    QTest::newRow("exactly the boiling point") << "234,32"
                                               << "630" << 630 << None << "";
    QTest::newRow("no melting point") << ""
                                      << "3020" << 298 << Silver << "";
    QTest::newRow("no boiling point") << "1810"
                                      << "" << 298 << Silver << "";
    QTest::newRow("a word") << "abc"
                            << "3020" << 298 << None
                            << "« abc » n'est pas un nombre décimal valide";
    QTest::newRow("a decimal point") << "1810"
                                     << "3020.5" << 298 << None
                                     << "« 3020.5 » n'est pas un nombre décimal valide (le "
                                        "séparateur décimal est la virgule : 1,01)";
}

void TestColouringRules::physicalState()
{
    QFETCH(QString, melting);
    QFETCH(QString, boiling);
    QFETCH(int, t);
    QString error;
    std::optional<QColor> colour;
    try {
        colour = ColouringRules::physicalStateColour(melting, boiling, t);
    } catch (const EConvertError &e) {
        error = e.message();
    }
    QTEST(error, "error");
    QTEST(colour.value_or(QColor()), "colour");
}

void TestColouringRules::discovery_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("error");
    QTest::newRow("prehistory") << "Préhistoire" << 2000 << Grey << "";
    QTest::newRow("before the common era") << "-2500" << 1600 << Grey << "";
    QTest::newRow("1599, before 1600 whatever the year") << "1599" << 2000 << Grey << "";
    QTest::newRow("1669 by 1670: discovered") << "1669" << 1670 << White << "";
    QTest::newRow("1669 in 1669: not yet") << "1669" << 1669 << Navy << "";
    QTest::newRow("1600 in 1600: not yet") << "1600" << 1600 << Navy << "";
    QTest::newRow("1961 by 1600") << "1961" << 1600 << Navy << "";
    QTest::newRow("other case of prehistory")
        << "préhistoire" << 2000 << QColor() << "« préhistoire » n'est pas un nombre entier valide";
    QTest::newRow("a decimal year")
        << "1669,5" << 2000 << QColor() << "« 1669,5 » n'est pas un nombre entier valide";
    QTest::newRow("no year") << "" << 2000 << QColor() << "«  » n'est pas un nombre entier valide";
}

void TestColouringRules::discovery()
{
    QFETCH(QString, year);
    QFETCH(int, chosen);
    QString error;
    QColor colour;
    try {
        colour = ColouringRules::discoveryColour(year, chosen);
    } catch (const EConvertError &e) {
        error = e.message();
    }
    QTEST(error, "error");
    QTEST(colour, "colour");
}

void TestColouringRules::greyShade_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("whiteCaption");
    QTest::newRow("smallest: white") << 1.0 << 1.0 << 103.0 << 255 << false;
    QTest::newRow("greatest: black") << 103.0 << 1.0 << 103.0 << 0 << true;
    QTest::newRow("Te: s = 127, cut toward zero") << 52.0 << 1.0 << 103.0 << 128 << true;
    // s = 90 keeps a black caption, s = 91 (grey level 164) turns it white.
    QTest::newRow("s = 90") << 90.0 << 0.0 << 255.0 << 165 << false;
    QTest::newRow("s = 91") << 91.0 << 0.0 << 255.0 << 164 << true;
    QTest::newRow("negative values") << -0.5 << -1.0 << 0.0 << 128 << true;
    QTest::newRow("all values equal") << 2.0 << 2.0 << 2.0 << 255 << false;
}

void TestColouringRules::greyShade()
{
    QFETCH(double, value);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, level);
    const ColouringRules::Shade shade = ColouringRules::greyShade(value, minimum, maximum);
    QCOMPARE(shade.fill, QColor(level, level, level));
    QTEST(shade.whiteCaption, "whiteCaption");
}

void TestColouringRules::modeOfEntryText_data()
{
    using Colouring::Mode;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Mode>("mode");
    QTest::newRow("Defaut") << "Defaut" << Mode::Plain;
    QTest::newRow("Groupe") << "Groupe" << Mode::Family;
    QTest::newRow("Blocs") << "Blocs s/p/d/f" << Mode::Block;
    QTest::newRow("Acide-Base") << "Acide-Base" << Mode::AcidBase;
    QTest::newRow("Etat Physique") << "Etat Physique" << Mode::PhysicalState;
    QTest::newRow("Decouverte") << "Decouverte" << Mode::Discovery;
    QTest::newRow("another case") << "groupe" << Mode::Numeric;
    QTest::newRow("a trailing blank") << "Defaut " << Mode::Numeric;
    QTest::newRow("a numeric entry") << "Electronégativité" << Mode::Numeric;
    QTest::newRow("the list's first text") << "Propriétés" << Mode::Numeric;
}

void TestColouringRules::modeOfEntryText()
{
    QFETCH(QString, text);
    QTEST(Colouring::modeOf(text), "mode");
}

void TestColouringRules::looksOfAMode_data()
{
    using Colouring::Mode;
    QTest::addColumn<Colouring::Choice>("choice");
    // The first four elements' fills and captions; every later element has no record.
    QTest::addColumn<QList<QColor>>("fills");
    QTest::addColumn<QList<QColor>>("captions");
    QTest::addColumn<QColor>("laterFill");
    QTest::addColumn<QString>("error");
    const QColor face(0xF0, 0xF0, 0xF0);
    const QList<QColor> black(4, Black);
    QTest::newRow("plain") << Colouring::Choice{Mode::Plain, {}, {}, face} << QList<QColor>(4, face)
                           << black << face << "";
    QTest::newRow("family: an unknown text keeps its fill")
        << Colouring::Choice{Mode::Family} << QList<QColor>{None, White, None, QColor(0xFDA85B)}
        << black << None << "";
    QTest::newRow("acid-base: silver without a value")
        << Colouring::Choice{Mode::AcidBase}
        << QList<QColor>{QColor(0xFF1515), Silver, Silver, Silver} << black << Silver << "";
    QTest::newRow("state at 298 K stops at the word")
        << Colouring::Choice{Mode::PhysicalState, 298} << QList<QColor>{Gas, Solid, None, None}
        << black << None
        << "« env. 1560 » n'est pas un nombre décimal valide (le séparateur décimal est la virgule "
           ": 1,01)";
    QTest::newRow("state with the spin edit empty")
        << Colouring::Choice{Mode::PhysicalState} << QList<QColor>(4, None) << black << None << "";
    QTest::newRow("discovery by 1800")
        << Colouring::Choice{Mode::Discovery, 1800} << QList<QColor>{White, Navy, Navy, Grey}
        << black << QColor() << "«  » n'est pas un nombre entier valide";
    QTest::newRow("numeric: atomic numbers")
        << Colouring::Choice{Mode::Numeric, {}, Column::NoAt}
        << QList<QColor>{White, QColor(170, 170, 170), QColor(85, 85, 85), Black}
        << QList<QColor>{Black, Black, White, White} << Navy << "";
    QTest::newRow("numeric: no column")
        << Colouring::Choice{Mode::Numeric} << QList<QColor>(4, Navy) << black << Navy << "";
    QTest::newRow("numeric: a word stops it before any fill")
        << Colouring::Choice{Mode::Numeric, {}, Column::Tf} << QList<QColor>(4, None) << black
        << None
        << "« env. 1560 » n'est pas un nombre décimal valide (le séparateur décimal est la virgule "
           ": 1,01)";
}

// Four elements: hydrogen, a solid, one with a word for its melting point, and lithium; the
// modes read the columns of each from the records alone.
void TestColouringRules::looksOfAMode()
{
    QFETCH(Colouring::Choice, choice);
    QFETCH(QList<QColor>, fills);
    QFETCH(QList<QColor>, captions);
    QFETCH(QColor, laterFill);
    const ElementRecords records = recordsOf({
        {"_NO_AT", "GROUPE", "Acidbase", "_TF", "_TEB", "_7DECOUVER"},
        {"1", "Hydrogen", "Acide fort", "14,01", "20,28", "1766"},
        {"2", "Gaz Noble", "", "1000", "2000", "1868"},
        {"3", "", "", "env. 1560", "2000", "1817"},
        {"4", "Alcalin", "", "453,69", "1615", "Préhistoire"},
    });
    const Colouring::Looks looks = Colouring::looks(records, choice);
    for (int z = 1; z <= 4; ++z) {
        const Colouring::Look &look = looks.buttons[z - 1];
        QVERIFY2(look.fill.value_or(QColor()) == fills[z - 1], qPrintable(QString::number(z)));
        QVERIFY2(look.caption == captions[z - 1], qPrintable(QString::number(z)));
    }
    for (int z = 5; z <= 103; ++z)
        QVERIFY2(looks.buttons[z - 1].fill.value_or(QColor()) == laterFill,
                 qPrintable(QString::number(z)));
    QTEST(looks.error.value_or(QString()), "error");
}

QTEST_GUILESS_MAIN(TestColouringRules)
#include "tst_colouringrules.moc"
