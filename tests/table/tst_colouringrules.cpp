// The rules that turn an element's text into a category colour, without a window: every
// value of the three columns the modes match exactly, and texts that only look like one.
#include "table/ColouringRules.h"

#include <QtTest>

#include <optional>

class TestColouringRules : public QObject
{
    Q_OBJECT

private slots:
    void categoryTexts_data();
    void categoryTexts();
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

QTEST_GUILESS_MAIN(TestColouringRules)
#include "tst_colouringrules.moc"
