// A mode added to a mode table of the test's own, which the program does not ship: with no
// other change it is named by its list text, colours the buttons, says its words, shows its
// legend with its rows and its spin edit, and draws that legend in the table's picture.
#include "RecordsInMemory.h"
#include "data/ElementTable.h"

#include "controls/TEncartaButton.h"
#include "table/ColouringModes.h"
#include "table/ColouringPicture.h"
#include "table/Legends.h"
#include "table/TableColourist.h"

#include <QFrame>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

using namespace ColouringModes;

const QColor Above(0x00, 0xC0, 0x40);
const QColor Below(0xC0, 0x00, 0xC0);

const Legend &thresholdLegend()
{
    static const Legend legend{
        "legende9",
        {640, 160, 121, 129},
        8,
        {{QString(), QStringLiteral("Au-delà"), Above.rgb()},
         {QString(), QStringLiteral("En deçà"), Below.rgb()}},
        {},
        Parameter{{"SpinEdit9", "Seuil", {32, 96}}, 1, 103, 50, "Seuil : %1"}};
    return legend;
}

// The elements past a chosen atomic number, and the others.
Table testTable()
{
    Table table;
    table.legends = {&thresholdLegend()};
    const Rule plain = [](const ElementRecords &, const Input &) { return Readings{}; };
    table.fallback = {QString(), nullptr, plain};
    ElementRule past = [](const ElementRecords &records, int z, int n) {
        const bool above = records.view(z, Column::NoAt).toInt() > n;
        const Row &row = thresholdLegend().rows[above ? 0 : 1];
        return Verdict{QColor(row.colour), row.caption + QStringLiteral(" de %1").arg(n)};
    };
    table.modes = {{QStringLiteral("Defaut"), nullptr, plain},
                   {QStringLiteral("Seuil atomique"), &thresholdLegend(), eachElement(past)}};
    return table;
}

} // namespace

class TestColouringTable : public QObject
{
    Q_OBJECT

private slots:
    void addedModeFlowsThrough();
};

void TestColouringTable::addedModeFlowsThrough()
{
    const Table table = testTable();
    QCOMPARE(table.entries(), QStringList({"Defaut", "Seuil atomique"}));
    QWidget client;
    client.resize(800, 460);
    TableColourist::Buttons buttons{};
    for (TEncartaButton *&button : buttons)
        button = new TEncartaButton(&client);
    const LegendControls legends = Legends::build(&client, table);
    TableColourist colourist(buttons, legends, table);
    QSignalSpy hidden(&colourist, &TableColourist::panelsHideRequested);
    QSignalSpy widths(&colourist, &TableColourist::layoutWidthRequested);
    client.show();
    QList<QStringList> lines = {{"_NO_AT"}};
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
        lines.append({QString::number(z)});
    QCOMPARE(legends.parameters.size(), std::size_t(1));
    legends.parameters[0]->setValue(60);

    colourist.apply(recordsOf(lines), QStringLiteral("Seuil atomique"));

    QCOMPARE(buttons[59]->Color(), Below); // element 60
    QCOMPARE(buttons[60]->Color(), Above);
    QCOMPARE(buttons[60]->accessibleDescription(), QStringLiteral("Au-delà de 60"));
    auto *panel = client.findChild<QWidget *>(QStringLiteral("legende9"));
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(hidden.size(), 1);
    QCOMPARE(hidden.first().first().value<const QWidget *>(), panel);
    QCOMPARE(widths.last().first().toInt(), TableColourist::LegendWidth);
    const auto *swatch = panel->findChild<QFrame *>(QStringLiteral("legende9_swatch2"));
    QVERIFY(swatch);
    QCOMPARE(swatch->palette().color(QPalette::Window), Below);

    ColouringPicture::Looks looks;
    for (std::size_t i = 0; i < looks.size(); ++i)
        looks[i] = {buttons[i]->Color(), buttons[i]->FontColor()};
    const TablePicture picture = ColouringPicture::picture(
        table, Legends::shown(legends, QStringLiteral("Seuil atomique")), looks);
    QCOMPARE(picture.title, QStringLiteral("Tableau périodique des éléments – Seuil atomique"));
    QVERIFY(picture.legend);
    QCOMPARE(picture.legend->rows.size(), std::size_t(2));
    QCOMPARE(picture.legend->rows[1].caption, QStringLiteral("En deçà"));
    QCOMPARE(picture.legend->rows[1].colour, Below);
    QCOMPARE(picture.legend->notes, QStringList{QStringLiteral("Seuil : 60")});
    QCOMPARE(picture.element(61).fill, Above);
}

QTEST_MAIN(TestColouringTable)
#include "tst_colouringtable.moc"
