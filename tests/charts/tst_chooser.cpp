// The chart property chooser: its property table, the confirmation rules of the graph
// selection, and the dialog driven as the user drives it.
#include "charts/TFormgr.h"
#include "controls/Fonts.h"
#include "data/ChartProperties.h"
#include "data/ElementColumns.h"
#include "data/GraphSelection.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <QSet>
#include <functional>

class TestChooser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void propertyTable_data();
    void propertyTable();
    void everyPropertyHasItsOwnColumn();
    void confirmRules_data();
    void confirmRules();
    void firstUseConfirmsAtomicNumber();
    void clickDoubleClickAndHighlight();
    void closeBoxConfirmsNothing();
    void layout();
};

namespace {

// Runs the chooser modally under `caption`; `act` plays the user once it is showing.
bool runChooser(TFormgr &chooser, const QString &caption, const std::function<void()> &act)
{
    QTimer::singleShot(0, &chooser, [&] {
        if (QTest::qWaitForWindowExposed(&chooser))
            act();
    });
    // A step that fails to close the chooser fails the test instead of hanging it.
    QTimer::singleShot(5000, &chooser, &QDialog::reject);
    return chooser.choose(caption);
}

QListWidget *list(TFormgr &chooser)
{
    return chooser.findChild<QListWidget *>(QStringLiteral("ListBox2"));
}

void clickRow(TFormgr &chooser, int row, bool twice = false)
{
    QListWidget *items = list(chooser);
    items->scrollToItem(items->item(row));
    items->doItemsLayout();
    const QPoint at = items->visualItemRect(items->item(row)).center();
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, at);
    if (twice) { // what a mouse sends: press, release, double click, release
        QTest::mouseDClick(items->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(items->viewport(), Qt::LeftButton, {}, at);
    }
}

void clickOk(TFormgr &chooser)
{
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
}

} // namespace

void TestChooser::propertyTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("column");
    // The ends of the list, texts with a trailing or a double blank, titles that differ from
    // the text's words and fields not named after the text.
    const struct
    {
        int row;
        const char *text, *title, *column;
    } rows[] = {
        {0, "Numero Atomique", "N° At", "_NO_AT"},
        {1, "Masse Atomique ", "M. At.(g/mol)", "_M__AT"},
        {3, "Point de  fusion", "T fus (K)", "_TF"},
        {9, "Conductivité thermique", "Cond. therm.(W/(m/K))", "_1COND_THE"},
        {11, "Nombre d'isotopes", "nb Isotopes", "_1ISOTOPES"},
        {13, "Energie de  2ème ionisation", "E 2eme ionisation(KJ/mol)", "_9E_2EME_I"},
        {17, "Polarisabilité", "Polarisabilité(a**3)", "_5POLARIS"},
        {24, "Rayon ionique :  ion 3+", "RI (ion3+)(pm)", "_5RI_3_"},
        {27, "Abondance solaire", "Ab. soleil (log)", "ABSOLEIL"},
        {32, "Abondance atmosphere", "Ab. atmosphère (% vol)", "ABATM"},
        {34, "Abondance organismes vivants", "Ab. organismes vivants (%)", "ABVIVANT"},
        {35, "Electronégativité (Pauling)", "E.N. (Pauling)", "ENPAULING"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.column) << row.row << QString::fromUtf8(row.text)
                                  << QString::fromUtf8(row.title)
                                  << QString::fromLatin1(row.column);
}

// A list item as the user reads it (double blanks and all), the axis title and column it
// chooses.
void TestChooser::propertyTable()
{
    QFETCH(int, row);
    const ChartProperties::Property &property = ChartProperties::all()[row];
    QTEST(property.text(), "text");
    QTEST(property.axisTitle(), "title");
    QTEST(property.field(), "column");
}

// Every item has a text, a title and a charted column of its own, which holds numbers.
void TestChooser::everyPropertyHasItsOwnColumn()
{
    QSet<Column> columns;
    for (const ChartProperties::Property &each : ChartProperties::all()) {
        QVERIFY2(!each.text().isEmpty() && !each.axisTitle().isEmpty(), qPrintable(each.field()));
        QVERIFY2(ElementColumns::isNumeric(each.column), qPrintable(each.field()));
        columns.insert(each.column);
    }
    QCOMPARE(columns.size(), ChartProperties::Count);
}

// Title and column each go to X while X's own part is empty, to Y otherwise.
void TestChooser::confirmRules_data()
{
    QTest::addColumn<QStringList>("before"); // X title, X column, Y title, Y column
    QTest::addColumn<QStringList>("after");
    const QString e;
    QTest::newRow("empty: X") << QStringList{e, e, e, e} << QStringList{"T eb (K)", "_TEB", e, e};
    QTest::newRow("X set: Y") << QStringList{"E.N.", "_3EN", e, e}
                              << QStringList{"E.N.", "_3EN", "T eb (K)", "_TEB"};
    QTest::newRow("only X title set")
        << QStringList{"E.N.", e, e, e} << QStringList{"E.N.", "_TEB", "T eb (K)", e};
    QTest::newRow("only X column set")
        << QStringList{e, "_3EN", e, e} << QStringList{"T eb (K)", "_3EN", e, "_TEB"};
    QTest::newRow("both set: Y replaced") << QStringList{"E.N.", "_3EN", "Dureté", "_0DURET_"}
                                          << QStringList{"E.N.", "_3EN", "T eb (K)", "_TEB"};
}

void TestChooser::confirmRules()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    GraphSelection selection{QStringLiteral("T eb (K)"),
                             QStringLiteral("_TEB"),
                             before[0],
                             before[1],
                             before[2],
                             before[3]};
    selection.confirmCurrent();
    QCOMPARE(
        (QStringList{selection.xTitle, selection.xColumn, selection.yTitle, selection.yColumn}),
        after);
    QCOMPARE(selection.currentColumn, QStringLiteral("_TEB"));
}

// "OK" without a click, at the first use, gives the atomic number; the same property may
// serve as X and as Y.
void TestChooser::firstUseConfirmsAtomicNumber()
{
    GraphSelection selection;
    selection.currentTitle = QStringLiteral("stale");
    selection.currentColumn = QStringLiteral("stale");
    TFormgr chooser(selection);
    QVERIFY(runChooser(chooser, QStringLiteral("Abscisse"), [&] {
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Abscisse"));
        clickOk(chooser);
    }));
    QVERIFY(runChooser(chooser, QStringLiteral("Ordonnée"), [&] { clickOk(chooser); }));
    QCOMPARE(selection.xTitle, QStringLiteral("N° At"));
    QCOMPARE(selection.xColumn, QStringLiteral("_NO_AT"));
    QCOMPARE(selection.yTitle, QStringLiteral("N° At"));
    QCOMPARE(selection.yColumn, QStringLiteral("_NO_AT"));
}

// A click sets the choice, a double click confirms it, and the highlighted item is still
// there at the next use, where "OK" confirms it again.
void TestChooser::clickDoubleClickAndHighlight()
{
    GraphSelection selection;
    TFormgr chooser(selection);
    QVERIFY(runChooser(chooser, QStringLiteral("Abscisse"), [&] {
        clickRow(chooser, 4);
        clickOk(chooser);
    }));
    QVERIFY(runChooser(chooser, QStringLiteral("Ordonnée"), [&] { clickRow(chooser, 15, true); }));
    QCOMPARE(selection.xTitle, QStringLiteral("T eb (K)"));
    QCOMPARE(selection.xColumn, QStringLiteral("_TEB"));
    QCOMPARE(selection.yTitle, QStringLiteral("E.N."));
    QCOMPARE(selection.yColumn, QStringLiteral("_3EN"));

    selection.clearX();
    int shownRow = -1;
    QVERIFY(runChooser(chooser, QStringLiteral("Proprieté"), [&] {
        shownRow = chooser.currentRow();
        clickOk(chooser);
    }));
    QCOMPARE(shownRow, 15);
    QCOMPARE(selection.xColumn, QStringLiteral("_3EN"));
    QCOMPARE(selection.yColumn, QStringLiteral("_3EN"));
}

// The close box, after a click, confirms nothing; the click still moved the current choice.
void TestChooser::closeBoxConfirmsNothing()
{
    GraphSelection selection;
    TFormgr chooser(selection);
    QVERIFY(!runChooser(chooser, QStringLiteral("Abscisse"), [&] {
        clickRow(chooser, 10);
        chooser.close();
    }));
    QVERIFY(selection.xTitle.isEmpty() && selection.xColumn.isEmpty());
    QVERIFY(selection.yTitle.isEmpty() && selection.yColumn.isEmpty());
    QCOMPARE(selection.currentColumn, QStringLiteral("_0DURET_"));
    QVERIFY(!chooser.isVisible());
}

// Place and size, the list above the 41-pixel panel, "OK" in it, and every list text
// readable in full without a horizontal scroll.
void TestChooser::layout()
{
    GraphSelection selection;
    TFormgr chooser(selection);
    QVERIFY(!list(chooser)); // nothing built until first shown
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QCOMPARE(chooser.pos(), QPoint(301, 142));
    QCOMPARE(chooser.size(), QSize(194, 256));
    QListWidget *items = list(chooser);
    QCOMPARE(items->count(), 36);
    QCOMPARE(items->geometry(), QRect(0, 0, 194, 256 - 41));
    auto *ok = chooser.findChild<QPushButton *>(QStringLiteral("Button1"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(64, 8, 75, 25));
    QCOMPARE(ok->parentWidget()->geometry(), QRect(0, 256 - 41, 194, 41));
    const int room = items->viewport()->width() - 2 * items->spacing();
    for (int row = 0; row < items->count(); ++row)
        QVERIFY2(items->fontMetrics().horizontalAdvance(items->item(row)->text()) + 6 <= room,
                 qPrintable(items->item(row)->text()));
    QCOMPARE(items->item(0)->text(), QStringLiteral("Numero Atomique"));
    QCOMPARE(items->currentRow(), 0);
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
