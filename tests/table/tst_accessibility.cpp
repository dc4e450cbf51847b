// What a screen reader is told of the program's windows: every control it can reach has a
// name, the element buttons say which element they are and what the colouring shows of it,
// and the self-drawn buttons can be pressed through their accessible action.
#include "MainWindowFixture.h"
#include "charts/TForm5.h"
#include "charts/TForm6.h"
#include "charts/TFormgr.h"
#include "controls/TAboutBox.h"
#include "data/GraphSelection.h"
#include "graph3d/TMain3D.h"
#include "graph3d/TfrmCopy.h"
#include "molar/TForm7.h"
#include "molar/TForm8.h"
#include "sheet/TForm2.h"
#include "table/ElementLayout.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QtTest>

namespace {

bool isButtonRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

struct Reachable
{
    int count = 0;       // shown nodes a user can move to or press
    QStringList unnamed; // those without a name, as "class objectName"
};

// Walks the tree a screen reader walks from `node`.
void collectUnnamed(QAccessibleInterface *node, Reachable &out, bool hiddenToo, int depth = 0)
{
    if (!node || depth > 40)
        return;
    const QAccessible::State state = node->state();
    if (state.invisible && !hiddenToo)
        return;
    // An empty cell has no text to speak; the reader names its row and column.
    const bool reachable =
        node->role() != QAccessible::Cell && (state.focusable || isButtonRole(node->role()));
    out.count += reachable;
    if (reachable && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject *object = node->object();
        out.unnamed << (object ? QString::fromLatin1(object->metaObject()->className()) +
                                     QLatin1Char(' ') + object->objectName()
                               : QStringLiteral("role %1").arg(int(node->role())));
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), out, hiddenToo, depth + 1);
}

Reachable reachableControls(QWidget *window, bool hiddenToo = false)
{
    Reachable out;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), out, hiddenToo);
    return out;
}

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(object);
    if (!node)
        qFatal("no accessible interface");
    return node;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowControlsHaveNames_data();
    void mainWindowControlsHaveNames();
    void otherWindowsControlsHaveNames_data();
    void otherWindowsControlsHaveNames();
    void toolbarGlyphButtonsNamedByTheirGraph_data();
    void toolbarGlyphButtonsNamedByTheirGraph();
    void elementButtonIsNamedPushButton();
    void elementDescribedByTheColouring_data();
    void elementDescribedByTheColouring();
    void pressActionsClickAsTheMouseDoes();
    void buttonOffTakesNoPress();
    void hoverPanelAnnouncesTheElement();
    void readOnlyBoxesSaySo_data();
    void readOnlyBoxesSaySo();
    void newMolarMassAnnounced_data();
    void newMolarMassAnnounced();
    void chartsReadAsTables_data();
    void chartsReadAsTables();
    void graph3DControlsNamedInFrench_data();
    void graph3DControlsNamedInFrench();
};

// The main window in each of its states that shows other controls: the hover panel, each
// legend, the molar-mass panel.
void TestAccessibility::mainWindowControlsHaveNames_data()
{
    QTest::addColumn<QString>("entry"); // a colouring entry to choose, or what to do
    QTest::newRow("at start") << QString();
    QTest::newRow("hover panel") << QStringLiteral("hover");
    QTest::newRow("molar-mass panel") << QStringLiteral("molar");
    QTest::newRow("search field") << QStringLiteral("search");
    QTest::newRow("family legend") << QStringLiteral("Groupe");
    QTest::newRow("state legend") << QStringLiteral("Etat Physique");
    QTest::newRow("discovery legend") << QStringLiteral("Decouverte");
    QTest::newRow("numeric legend") << QStringLiteral("Masse Volumique");
}

void TestAccessibility::mainWindowControlsHaveNames()
{
    QFETCH(QString, entry);
    MainWindowFixture f;
    if (entry == QLatin1String("hover")) {
        QTest::mouseMove(f.button(26), QPoint(10, 10));
        QTRY_VERIFY(f.child<QWidget>(QStringLiteral("Panel1"))->isVisible());
    } else if (entry == QLatin1String("search")) {
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QTest::keyClick(f.form.get(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(f.child<QWidget>(QStringLiteral("SearchEdit"))->isVisible());
    } else if (entry == QLatin1String("molar")) {
        QTest::mouseClick(f.child<TEncartaButton>(QStringLiteral("EncartaButton1")),
                          Qt::LeftButton);
        QTRY_VERIFY(f.child<QWidget>(QStringLiteral("Panel3"))->isVisible());
    } else if (!entry.isEmpty()) {
        f.choose(entry);
    }
    const Reachable controls = reachableControls(f.form.get());
    QVERIFY(controls.count > ElementLayout::ElementCount);
    QVERIFY2(controls.unnamed.isEmpty(), qPrintable(controls.unnamed.join(QStringLiteral(", "))));
}

void TestAccessibility::otherWindowsControlsHaveNames_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("property sheet") << 0;
    QTest::newRow("chart chooser") << 1;
    QTest::newRow("Graph XY") << 2;
    QTest::newRow("Graph L/C") << 3;
    QTest::newRow("3-D window") << 4;
    QTest::newRow("image copy window") << 5;
    QTest::newRow("molar-mass element dialog") << 6;
    QTest::newRow("molar-mass dialog") << 7;
    QTest::newRow("About box") << 8;
}

void TestAccessibility::otherWindowsControlsHaveNames()
{
    QFETCH(int, window);
    MainWindowFixture f;
    QVERIFY(f.copySectionFiles());
    f.state.selectedElement = 26;
    GraphSelection graph;
    graph.xTitle = QStringLiteral("T eb (K)");
    graph.xColumn = QStringLiteral("_TEB");
    graph.yTitle = QStringLiteral("E.N.");
    graph.yColumn = QStringLiteral("_3EN");
    Graph3DModel::HeightTable heights;
    heights.fill(50);
    const std::function<QWidget *()> make[] = {
        [&] { return new TForm2(f.state, f.store()); },
        [&] { return new TFormgr(graph); },
        [&] { return new TForm5(graph, f.store()); },
        [&] { return new TForm6(graph, f.store()); },
        [&] { return new TMain3D(heights); },
        [] { return new TfrmCopy; },
        [] { return new TForm7; },
        [] { return new TForm8; },
        [] { return new TAboutBox; },
    };
    const std::unique_ptr<QWidget> shown(make[window]());
    shown->show();
    // The molar-mass dialogs make their controls as they are shown, and those stay hidden
    // until the dialog's modal run: they are walked hidden.
    const Reachable controls = reachableControls(shown.get(), window >= 6 && window <= 7);
    QVERIFY(controls.count > 0);
    QVERIFY2(controls.unnamed.isEmpty(), qPrintable(controls.unnamed.join(QStringLiteral(", "))));
}

void TestAccessibility::toolbarGlyphButtonsNamedByTheirGraph_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << "RxSpeedButton1"
                           << "Graph XY";
    QTest::newRow("second") << "RxSpeedButton2"
                            << "Graph L/C";
    QTest::newRow("third") << "RxSpeedButton3"
                           << "Graph 3D";
}

// The glyphs show no text: the name is all a screen reader has.
void TestAccessibility::toolbarGlyphButtonsNamedByTheirGraph()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    MainWindowFixture f;
    QAccessibleInterface *node = accessible(f.child<QWidget>(button));
    QCOMPARE(node->text(QAccessible::Name), name);
    QCOMPARE(node->role(), QAccessible::Button);
}

void TestAccessibility::elementButtonIsNamedPushButton()
{
    MainWindowFixture f;
    QAccessibleInterface *iron = accessible(f.button(26));
    QCOMPARE(iron->text(QAccessible::Name),
             QStringLiteral("Fer, Fe, numéro atomique 26, groupe 8, période 4"));
    QCOMPARE(iron->role(), QAccessible::Button);
    QVERIFY(
        iron->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // Lawrencium, the last record, is named from its own record too.
    QCOMPARE(accessible(f.button(103))->text(QAccessible::Name),
             QStringLiteral("Lawrencium, Lr, numéro atomique 103, période 7"));
}

void TestAccessibility::elementDescribedByTheColouring_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("description");
    QTest::newRow("plain table") << "Defaut" << 26 << "";
    QTest::newRow("family") << "Groupe" << 26 << "Metal de transition";
    QTest::newRow("block") << "Blocs s/p/d/f" << 26 << "Bloc d";
    QTest::newRow("acid-base") << "Acide-Base" << 26 << "Amphotère";
    QTest::newRow("state of iron at 298 K") << "Etat Physique" << 26 << "Solide à 298 K";
    QTest::newRow("phosphorus in 1600") << "Decouverte" << 15 << "Pas découvert";
    QTest::newRow("density") << "Masse Volumique" << 26 << "7,87 kg/L";
}

// What the colour of a button means, as the legend says it, is what the button tells a screen
// reader; a mode chosen after another replaces what the first one said. One element per mode:
// the texts themselves are tst_elementdescriptions' table.
void TestAccessibility::elementDescribedByTheColouring()
{
    QFETCH(QString, entry);
    QFETCH(int, z);
    QFETCH(QString, description);
    MainWindowFixture f;
    f.choose(QStringLiteral("Groupe"));
    f.choose(entry);
    QCOMPARE(accessible(f.button(z))->text(QAccessible::Description), description);
}

// "Mode M / %" pressed through its action enters the molar-mass mode; hydrogen pressed then adds
// one atom, whose molar mass the panel shows.
void TestAccessibility::pressActionsClickAsTheMouseDoes()
{
    MainWindowFixture f;
    const QString press = QAccessibleActionInterface::pressAction();
    accessible(f.child<TEncartaButton>(QStringLiteral("EncartaButton1")))
        ->actionInterface()
        ->doAction(press);
    // The panel is made by the first entry into the mode.
    const auto panelShown = [&f] {
        const auto *panel = f.child<QWidget>(QStringLiteral("Panel3"));
        return panel && panel->isVisible();
    };
    QTRY_VERIFY(panelShown());
    // Like the mouse, the press takes the element the hover panel shows.
    QTest::mouseMove(f.button(1), QPoint(10, 10));
    accessible(f.button(1))->actionInterface()->doAction(press);
    QTRY_COMPARE(f.child<QLineEdit>(QStringLiteral("Edit3"))->text(), QStringLiteral("1,01"));
}

void TestAccessibility::buttonOffTakesNoPress()
{
    TEncartaButton button;
    button.setCaption(QStringLiteral("RESET"));
    QSignalSpy clicks(&button, &TEncartaButton::clicked);
    QAccessibleInterface *node = accessible(&button);
    QCOMPARE(node->text(QAccessible::Name), QStringLiteral("RESET"));
    button.setButtonEnabled(false);
    QVERIFY(node->state().disabled);
    QVERIFY(!node->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Back on before the event loop runs: the press was refused when it was asked for. A call
    // queued after it shows that the loop has passed where the press would have come.
    button.setButtonEnabled(true);
    bool passed = false;
    QMetaObject::invokeMethod(
        &button, [&passed] { passed = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(passed);
    QCOMPARE(clicks.count(), 0);
}

// The panel is named by the element it shows and described by its values; the change of
// both is what the accessibility bus announces (checked on the real bus, end to end).
void TestAccessibility::hoverPanelAnnouncesTheElement()
{
    MainWindowFixture f;
    QTest::mouseMove(f.button(26), QPoint(10, 10));
    auto *panel = f.child<QWidget>(QStringLiteral("Panel1"));
    QTRY_VERIFY(panel->isVisible());
    QAccessibleInterface *node = accessible(panel);
    QCOMPARE(node->text(QAccessible::Name),
             QStringLiteral("Fer, Fe, numéro atomique 26, groupe 8, période 4"));
    const QString description = node->text(QAccessible::Description);
    QVERIFY2(description.contains(QStringLiteral("Tfus (K) 1810")), qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("E.N. 1,6")), qPrintable(description));
    QTest::mouseMove(f.button(27), QPoint(10, 10));
    QTRY_COMPARE(node->text(QAccessible::Name),
                 QStringLiteral("Cobalt, Co, numéro atomique 27, groupe 9, période 4"));
    QVERIFY(node->text(QAccessible::Description) != description);
}

void TestAccessibility::readOnlyBoxesSaySo_data()
{
    QTest::addColumn<int>("window"); // 0 main window, 1 property sheet, 2 element dialog
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("hover panel value") << 0 << "Edit_TF" << true;
    QTest::newRow("hover panel symbol") << 0 << "Edit_SYMBOLE" << true;
    QTest::newRow("temperature shown in Celsius") << 0 << "edit1" << true;
    QTest::newRow("legend value typed in") << 0 << "DBEdit3" << false;
    QTest::newRow("sheet header") << 1 << "DB_NOM" << true;
    QTest::newRow("sheet page value") << 1 << "DB_TF" << true;
    QTest::newRow("sheet section top") << 1 << "DB_9STRUCTUR" << true;
    QTest::newRow("sheet memo") << 1 << "DBDECPAR" << false;
    QTest::newRow("element dialog symbol") << 2 << "Edit1" << true;
    QTest::newRow("element dialog percentage") << 2 << "Edit2" << false;
}

// A box that shows a value and takes none says it is read-only and not editable, and offers
// no way to change its text; a box the user types in says it is editable. The text of a
// read-only box is still read through the text interface.
void TestAccessibility::readOnlyBoxesSaySo()
{
    QFETCH(int, window);
    QFETCH(QString, box);
    QFETCH(bool, readOnly);
    MainWindowFixture f;
    QVERIFY(f.copySectionFiles());
    f.state.selectedElement = 26;
    std::unique_ptr<QWidget> shown;
    QWidget *root = f.form.get();
    if (window == 0) {
        f.choose(QStringLiteral("Etat Physique")); // the legend of the temperature boxes
        // The hover panel's boxes; two moves, as one to where the pointer already is would
        // not reach the window.
        QTest::mouseMove(f.button(25), QPoint(10, 10));
        QTest::mouseMove(f.button(26), QPoint(10, 10));
    } else {
        shown.reset(window == 1 ? static_cast<QWidget *>(new TForm2(f.state, f.store()))
                                : new TForm7);
        shown->show();
        root = shown.get();
        // The sheet builds each page as it is first shown.
        if (auto *pages = root->findChild<QTabWidget *>(QStringLiteral("PageControl1"))) {
            for (int page = 0; page < pages->count(); ++page)
                pages->setCurrentIndex(page);
        }
    }
    auto *widget = root->findChild<QWidget *>(box);
    QVERIFY(widget);
    QAccessibleInterface *node = accessible(widget);
    QCOMPARE(bool(node->state().readOnly), readOnly);
    QCOMPARE(bool(node->state().editable), !readOnly);
    QCOMPARE(node->editableTextInterface() == nullptr, readOnly);
    if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        QAccessibleTextInterface *text = node->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), line->text());
    }
}

void TestAccessibility::newMolarMassAnnounced_data()
{
    QTest::addColumn<QList<int>>("clicked"); // elements clicked, in order
    QTest::addColumn<QString>("typed");      // then a formula typed and confirmed
    QTest::addColumn<QString>("spoken");
    QTest::newRow("clicked water")
        << QList<int>{1, 1, 8} << QString() << "Masse molaire de H2O1 : 18,02 g/mol";
    QTest::newRow("typed salt") << QList<int>{1} << "NaCl"
                                << "Masse molaire de NaCl : 58,44 g/mol";
    QTest::newRow("reset") << QList<int>{1, 8} << "reset"
                           << "Masse molaire";
}

// Each new molar mass renames the molar-mass panel, which the bus announces (checked end to
// end): the formula and the mass as the panel shows them.
void TestAccessibility::newMolarMassAnnounced()
{
    QFETCH(QList<int>, clicked);
    QFETCH(QString, typed);
    QFETCH(QString, spoken);
    MainWindowFixture f;
    QTest::mouseClick(f.child<TEncartaButton>(QStringLiteral("EncartaButton1")), Qt::LeftButton);
    QTRY_VERIFY(f.child<QWidget>(QStringLiteral("Panel3"))->isVisible());
    QAccessibleInterface *panel = accessible(f.child<QWidget>(QStringLiteral("Panel3")));
    for (int z : clicked) {
        QTest::mouseMove(f.button(z), QPoint(10, 10));
        QTest::mouseClick(f.button(z), Qt::LeftButton, {}, QPoint(10, 10));
    }
    if (!typed.isEmpty())
        QVERIFY(panel->text(QAccessible::Name) != spoken);
    if (typed == QLatin1String("reset")) {
        QTest::mouseClick(f.child<TEncartaButton>(QStringLiteral("EncartaButton2")),
                          Qt::LeftButton);
    } else if (!typed.isEmpty()) {
        auto *formula = f.child<QLineEdit>(QStringLiteral("ChemEdit1"));
        formula->setFocus();
        formula->selectAll();
        QTest::keyClicks(formula, typed);
        QTest::keyClick(formula, Qt::Key_Return);
    }
    QTRY_COMPARE(panel->text(QAccessible::Name), spoken);
}

void TestAccessibility::chartsReadAsTables_data()
{
    QTest::addColumn<bool>("rowColumn"); // Graph L/C, else Graph XY
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("iron"); // iron's row, then the headers, "|" between
    QTest::newRow("scatter") << false << 0 << "Fe|3020|1,6|Élément|T eb (K)|E.N.";
    QTest::newRow("bars") << false << 1 << "Fe|3020|1,6|Élément|T eb (K)|E.N.";
    QTest::newRow("line") << false << 2 << "Fe|3020|1,6|Élément|T eb (K)|E.N.";
    QTest::newRow("by row") << true << 0 << "Fe|4|3020|Élément|Lignes|T eb (K)";
    QTest::newRow("by column") << true << 1 << "Fe|8|3020|Élément|Colonnes|T eb (K)";
}

// A chart tells a screen reader its points as a table: a row per point plotted, the values of
// iron in its row, each value column headed by its axis title, on the table and on the cell.
void TestAccessibility::chartsReadAsTables()
{
    QFETCH(bool, rowColumn);
    QFETCH(int, tab);
    QFETCH(QString, iron);
    MainWindowFixture f;
    GraphSelection graph;
    graph.xTitle = QStringLiteral("T eb (K)");
    graph.xColumn = QStringLiteral("_TEB");
    graph.yTitle = QStringLiteral("E.N.");
    graph.yColumn = QStringLiteral("_3EN");
    std::unique_ptr<ChartWindow> window;
    if (rowColumn)
        window = std::make_unique<TForm6>(graph, f.store());
    else
        window = std::make_unique<TForm5>(graph, f.store());
    window->show();
    QTRY_VERIFY(window->filled());
    window->tabs()->setCurrentIndex(tab);
    QAccessibleInterface *node = accessible(window->chart(tab));
    QCOMPARE(node->role(), QAccessible::Table);
    QAccessibleTableInterface *table = node->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), int(window->chart(tab)->points().size()));
    QVERIFY(table->rowCount() > 50);
    QCOMPARE(node->childCount(), table->rowCount() * table->columnCount());
    int row = 0;
    while (row < table->rowCount() && table->cellAt(row, 0)->text(QAccessible::Name) != u"Fe")
        ++row;
    QVERIFY(row < table->rowCount());
    QStringList spoken;
    for (int column = 0; column < table->columnCount(); ++column)
        spoken << table->cellAt(row, column)->text(QAccessible::Name);
    for (int column = 0; column < table->columnCount(); ++column) {
        const QList<QAccessibleInterface *> headers =
            table->cellAt(row, column)->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers[0]->text(QAccessible::Name), table->columnDescription(column));
        spoken << table->columnDescription(column);
    }
    QCOMPARE(spoken.join(QLatin1Char('|')), iron);
    QCOMPARE(node->indexOfChild(table->cellAt(row, 2)), row * 3 + 2);
    QVERIFY2(node->text(QAccessible::Description).contains(spoken.last()),
             qPrintable(node->text(QAccessible::Description)));
}

void TestAccessibility::graph3DControlsNamedInFrench_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("no mouse action") << "rgMouse_none"
                                     << "none"
                                     << "aucun";
    QTest::newRow("turn") << "rgMouse_rotate"
                          << "rotate"
                          << "tourner";
    QTest::newRow("move") << "rgMouse_pan"
                          << "pan"
                          << "déplacer";
    QTest::newRow("zoom") << "rgMouse_zoom"
                          << "zoom"
                          << "zoomer";
    QTest::newRow("south-west view") << "Button2"
                                     << "SW"
                                     << "vue sud-ouest";
    QTest::newRow("south-east view") << "Button1"
                                     << "SE"
                                     << "vue sud-est";
    QTest::newRow("north-east view") << "Button4"
                                     << "NE"
                                     << "vue nord-est";
    QTest::newRow("north-west view") << "Button3"
                                     << "NW"
                                     << "vue nord-ouest";
    QTest::newRow("centre") << "cmdCentre"
                            << "Centre"
                            << "centrer la vue";
    QTest::newRow("live redraw") << "CheckBox1"
                                 << "visible pendant Action"
                                 << "graphique visible pendant l'action";
    QTest::newRow("axes") << "cbAxes"
                          << "Axes"
                          << "afficher les axes";
}

// The 3-D window's English and abbreviated captions stay as they are; a screen reader says
// what each control does in French.
void TestAccessibility::graph3DControlsNamedInFrench()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    Graph3DModel::HeightTable heights;
    heights.fill(50);
    TMain3D window(heights);
    auto *button = window.findChild<QAbstractButton *>(control);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(accessible(button)->text(QAccessible::Name), name);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
