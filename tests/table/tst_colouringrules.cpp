// The rules of the colouring modes, without a window: what each mode makes of one element's
// texts (its fill and what it says: every value of the three columns the modes match exactly
// and texts that only look like one, the state at a temperature, the discovery by a year),
// the grey scale, the mode a list text names, and a whole mode over a set of records, up to
// the value that stops it.
#include "RecordsInMemory.h"
#include "data/ElementTable.h"

#include "table/ColouringModes.h"
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

// The readings of the mode the list's text names; a negative parameter is none given.
ColouringModes::Readings readingsOf(const QString &entry, const ElementRecords &records,
                                    int parameter = -1, const QColor &face = QColor())
{
    const ColouringModes::Mode &mode = ColouringModes::shipped().modeOf(entry);
    return ColouringModes::readings(
        mode, records, {parameter < 0 ? std::nullopt : std::optional(parameter), face});
}

} // namespace

class TestColouringRules : public QObject
{
    Q_OBJECT

private slots:
    void oneElement_data();
    void oneElement();
    void numericSaysItsScale_data();
    void numericSaysItsScale();
    void greyShade_data();
    void greyShade();
    void modeOfEntryText_data();
    void modeOfEntryText();
    void looksOfAMode_data();
    void looksOfAMode();
};

void TestColouringRules::oneElement_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("text");    // in the mode's column; the melting point for the state
    QTest::addColumn<QString>("boiling"); // the state's boiling point
    QTest::addColumn<int>("parameter");
    QTest::addColumn<QColor>("colour"); // invalid: the button keeps its colour
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("error");
    const QColor none;
    const struct
    {
        const char *mode, *text, *boiling;
        int parameter;
        QColor colour;
        const char *said, *error;
    } rows[] = {
        {"Groupe", "Non métal", "", 0, QColor(0x96BFC2), "Non métal", ""},
        {"Groupe", "Gaz Noble", "", 0, QColor(0xFFFFFF), "Gaz Noble", ""},
        {"Groupe", "Alcalin", "", 0, QColor(0xFDA85B), "Alcalin", ""},
        {"Groupe", "Alcalino-terreux", "", 0, QColor(0xF23A0D), "Alcalino-terreux", ""},
        {"Groupe", "Halogène", "", 0, QColor(0x6B7BED), "Halogène", ""},
        {"Groupe", "Metal de transition", "", 0, QColor(0xFFFF80), "Metal de transition", ""},
        {"Groupe", "Metal", "", 0, QColor(0xB7B7B7), "Metal", ""},
        {"Groupe", "Lanthanide", "", 0, QColor(0xDAD6A7), "Lanthanide", ""},
        {"Groupe", "Actinide", "", 0, QColor(0xB5AD53), "Actinide", ""},
        {"Groupe", "Metalloide", "", 0, QColor(0xB88FFC), "Metalloide", ""},
        // The legend's captions, other cases and blanks are no family; the text is still said.
        {"Groupe", "Non Métal", "", 0, none, "Non Métal", ""},
        {"Groupe", "Métal ", "", 0, none, "Métal", ""},
        {"Groupe", " Gaz Noble ", "", 0, none, "Gaz Noble", ""},
        {"Groupe", "metal", "", 0, none, "metal", ""},
        {"Groupe", "", "", 0, none, "pas de valeur", ""},
        {"Blocs s/p/d/f", "s", "", 0, QColor(0xFFFFFF), "Bloc s", ""},
        {"Blocs s/p/d/f", "p", "", 0, QColor(0xFFFF80), "Bloc p", ""},
        {"Blocs s/p/d/f", "d", "", 0, QColor(0x96BFC2), "Bloc d", ""},
        {"Blocs s/p/d/f", "f", "", 0, QColor(0xF23A0D), "Bloc f", ""},
        {"Blocs s/p/d/f", "S", "", 0, none, "Bloc S", ""},
        {"Blocs s/p/d/f", " ", "", 0, none, "pas de valeur", ""},
        {"Acide-Base", "Base faible", "", 0, QColor(0x17D5FD), "Base faible", ""},
        {"Acide-Base", "Base forte", "", 0, QColor(0x166DFE), "Base forte", ""},
        {"Acide-Base", "Acide faible", "", 0, QColor(0xFCB818), "Acide faible", ""},
        {"Acide-Base", "Acide fort", "", 0, QColor(0xFF1515), "Acide fort", ""},
        {"Acide-Base", "Amphotère", "", 0, QColor(0xFFFFFF), "Amphotère", ""},
        // No character, or an unknown one, keeps the silver of the first pass.
        {"Acide-Base", "", "", 0, Silver, "pas de valeur", ""},
        {"Acide-Base", "Acid Faible", "", 0, Silver, "Acid Faible", ""},
        {"Etat Physique", "302,98", "2477", 298, Solid, "Solide à 298 K", ""},
        {"Etat Physique", "302,98", "2477", 308, Liquid, "Liquide à 308 K", ""},
        {"Etat Physique", "14,01", "20,28", 298, Gas, "Gaz à 298 K", ""},
        {"Etat Physique", "2,9E+02", "3,1E+02", 300, Liquid, "Liquide à 300 K", ""},
        {"Etat Physique", " 302,98 ", " 2477", 298, Solid, "Solide à 298 K", ""},
        {"Etat Physique", "1810", "3020", 1810, none, "Au point de fusion, 1810 K", ""},
        {"Etat Physique", "234,32", "630", 630, none, "Au point d'ébullition, 630 K", ""},
        {"Etat Physique", "", "3020", 298, Silver, "État inconnu à 298 K", ""},
        {"Etat Physique", "1810", "", 298, Silver, "État inconnu à 298 K", ""},
        // Blanks are a point that is not a number, which stops the mode.
        {"Etat Physique", "  ", "3020", 298, none, "Valeur illisible",
         "«    » n'est pas un nombre décimal valide"},
        {"Etat Physique", "abc", "3020", 298, none, "Valeur illisible",
         "« abc » n'est pas un nombre décimal valide"},
        {"Etat Physique", "1810", "3020.5", 298, none, "Valeur illisible",
         "« 3020.5 » n'est pas un nombre décimal valide (le séparateur décimal est la virgule : "
         "1,01)"},
        {"Decouverte", "Préhistoire", "", 2000, Grey, "Découvert avant 1600", ""},
        {"Decouverte", "-2500", "", 1600, Grey, "Découvert avant 1600", ""},
        {"Decouverte", "1599", "", 2000, Grey, "Découvert avant 1600", ""},
        {"Decouverte", "1669", "", 1670, White, "Découvert", ""},
        {"Decouverte", " 1669 ", "", 1670, White, "Découvert", ""},
        {"Decouverte", "1669", "", 1669, Navy, "Pas découvert", ""},
        {"Decouverte", "1600", "", 1600, Navy, "Pas découvert", ""},
        {"Decouverte", "1961", "", 1600, Navy, "Pas découvert", ""},
        // Prehistory is the exact word: with blanks or in another case it is no year.
        {"Decouverte", " Préhistoire ", "", 2000, none, "Valeur illisible",
         "«  Préhistoire  » n'est pas un nombre entier valide"},
        {"Decouverte", "préhistoire", "", 2000, none, "Valeur illisible",
         "« préhistoire » n'est pas un nombre entier valide"},
        {"Decouverte", "1669,5", "", 2000, none, "Valeur illisible",
         "« 1669,5 » n'est pas un nombre entier valide"},
        {"Decouverte", "", "", 2000, none, "Valeur illisible",
         "«  » n'est pas un nombre entier valide"},
    };
    for (const auto &row : rows)
        QTest::addRow("%s: '%s' '%s' at %d", row.mode, row.text, row.boiling, row.parameter)
            << QString::fromUtf8(row.mode) << QString::fromUtf8(row.text)
            << QString::fromUtf8(row.boiling) << row.parameter << row.colour
            << QString::fromUtf8(row.said) << QString::fromUtf8(row.error);
}

// The one rule of each mode gives both the fill and the words: every element of the records
// holds the same texts, so that the first one decides the error too.
void TestColouringRules::oneElement()
{
    QFETCH(QString, mode);
    QFETCH(QString, text);
    QFETCH(QString, boiling);
    QFETCH(int, parameter);
    QList<QStringList> lines = {{"GROUPE", "BLOC", "Acidbase", "_TF", "_TEB", "_7DECOUVER"}};
    const int column = mode == u"Groupe"          ? 0
                       : mode == u"Blocs s/p/d/f" ? 1
                       : mode == u"Acide-Base"    ? 2
                       : mode == u"Etat Physique" ? 3
                                                  : 5;
    QStringList element(6);
    element[column] = text;
    element[4] = boiling;
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
        lines.append(element);
    const ColouringModes::Readings readings = readingsOf(mode, recordsOf(lines), parameter);
    QTEST(readings.looks[0].fill.value_or(QColor()), "colour");
    QVERIFY(readings.descriptions);
    QTEST(readings.descriptions->at(0), "said");
    QTEST(readings.error.value_or(QString()), "error");
}

void TestColouringRules::numericSaysItsScale_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("said");
    QTest::newRow("Allred-Rochow") << "Electronégativité"
                                   << "4,1"
                                   << "4,1, échelle d'Allred-Rochow";
    QTest::newRow("Pauling") << "Electronégativité (Pauling)"
                             << "3,98"
                             << "3,98, échelle de Pauling";
    QTest::newRow("Pauling, no value") << "Electronégativité (Pauling)"
                                       << ""
                                       << "pas de valeur";
    QTest::newRow("a unit, no scale") << "Masse Volumique"
                                      << "7,87"
                                      << "7,87 kg/L";
}

// A numeric mode says the first element's value of its own column, with the unit, or the
// scale for the two electronegativities, which have no unit to tell them apart.
void TestColouringRules::numericSaysItsScale()
{
    QFETCH(QString, mode);
    QFETCH(QString, value);
    QList<QStringList> lines = {{"_NO_AT", "_3EN", "ENPAULING", "_M__VOL"}, {"1", "", "", ""}};
    for (int z = 2; z <= ElementTable::ElementCount; ++z)
        lines.append({QString::number(z), "1", "1", "1"});
    lines[1][mode == u"Electronégativité" ? 1 : mode == u"Masse Volumique" ? 3 : 2] = value;
    const ColouringModes::Readings readings = readingsOf(mode, recordsOf(lines));
    QVERIFY(readings.descriptions);
    QTEST(readings.descriptions->at(0), "said");
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
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("legend"); // the legend panel shown, empty for none
    QTest::addColumn<QString>("heading");
    QTest::newRow("Defaut") << "Defaut"
                            << ""
                            << "";
    QTest::newRow("Groupe") << "Groupe"
                            << "legende1"
                            << "";
    QTest::newRow("Blocs") << "Blocs s/p/d/f"
                           << "legende2"
                           << "";
    QTest::newRow("Acide-Base") << "Acide-Base"
                                << "legende3"
                                << "";
    QTest::newRow("Etat Physique") << "Etat Physique"
                                   << "legende4"
                                   << "";
    QTest::newRow("Decouverte") << "Decouverte"
                                << "legende5"
                                << "";
    QTest::newRow("another case") << "groupe"
                                  << "Panel2"
                                  << "";
    QTest::newRow("a trailing blank") << "Defaut "
                                      << "Panel2"
                                      << "";
    QTest::newRow("a numeric entry") << "Electronégativité"
                                     << "Panel2"
                                     << "E.N.";
    QTest::newRow("a separator") << QString(75, u'-') << "Panel2"
                                 << "";
    QTest::newRow("the list's first text") << "Propriétés"
                                           << "Panel2"
                                           << "";
}

void TestColouringRules::modeOfEntryText()
{
    QFETCH(QString, text);
    const ColouringModes::Mode &mode = ColouringModes::shipped().modeOf(text);
    QTEST(QString::fromLatin1(mode.legend ? mode.legend->name : ""), "legend");
    QTEST(mode.heading, "heading");
}

void TestColouringRules::looksOfAMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("parameter"); // negative: none given
    // The first four elements' fills and captions; every later element has no record.
    QTest::addColumn<QList<QColor>>("fills");
    QTest::addColumn<QList<QColor>>("captions");
    QTest::addColumn<QColor>("laterFill");
    QTest::addColumn<QString>("error");
    const QColor face(0xF0, 0xF0, 0xF0);
    const QList<QColor> black(4, Black);
    QTest::newRow("plain") << "Defaut" << -1 << QList<QColor>(4, face) << black << face << "";
    QTest::newRow("family: an unknown text keeps its fill")
        << "Groupe" << -1 << QList<QColor>{None, White, None, QColor(0xFDA85B)} << black << None
        << "";
    QTest::newRow("acid-base: silver without a value")
        << "Acide-Base" << -1 << QList<QColor>{QColor(0xFF1515), Silver, Silver, Silver} << black
        << Silver << "";
    QTest::newRow("state at 298 K stops at the word")
        << "Etat Physique" << 298 << QList<QColor>{Gas, Solid, None, None} << black << None
        << "« env. 1560 » n'est pas un nombre décimal valide (le séparateur décimal est la virgule "
           ": 1,01)";
    QTest::newRow("state with the spin edit empty")
        << "Etat Physique" << -1 << QList<QColor>(4, None) << black << None << "";
    QTest::newRow("discovery by 1800")
        << "Decouverte" << 1800 << QList<QColor>{White, Navy, Navy, Grey} << black << QColor()
        << "«  » n'est pas un nombre entier valide";
    QTest::newRow("numeric: atomic numbers")
        << "Numero Atomique" << -1
        << QList<QColor>{White, QColor(170, 170, 170), QColor(85, 85, 85), Black}
        << QList<QColor>{Black, Black, White, White} << Navy << "";
    QTest::newRow("numeric: no column")
        << "Propriétés" << -1 << QList<QColor>(4, Navy) << black << Navy << "";
    QTest::newRow("numeric: a word stops it before any fill")
        << "Point de  fusion" << -1 << QList<QColor>(4, None) << black << None
        << "« env. 1560 » n'est pas un nombre décimal valide (le séparateur décimal est la virgule "
           ": 1,01)";
}

// Four elements: hydrogen, a solid, one with a word for its melting point, and lithium; the
// modes read the columns of each from the records alone.
void TestColouringRules::looksOfAMode()
{
    QFETCH(QString, mode);
    QFETCH(int, parameter);
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
    const ColouringModes::Readings readings =
        readingsOf(mode, records, parameter, QColor(0xF0, 0xF0, 0xF0));
    for (int z = 1; z <= 4; ++z) {
        const ColouringModes::Look &look = readings.looks[z - 1];
        QVERIFY2(look.fill.value_or(QColor()) == fills[z - 1], qPrintable(QString::number(z)));
        QVERIFY2(look.caption == captions[z - 1], qPrintable(QString::number(z)));
    }
    for (int z = 5; z <= ElementTable::ElementCount; ++z)
        QVERIFY2(readings.looks[z - 1].fill.value_or(QColor()) == laterFill,
                 qPrintable(QString::number(z)));
    QTEST(readings.error.value_or(QString()), "error");
}

QTEST_GUILESS_MAIN(TestColouringRules)
#include "tst_colouringrules.moc"
