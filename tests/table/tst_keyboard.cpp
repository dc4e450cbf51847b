// The main window without a mouse: the Tab chain with the table as one stop, the arrows and
// Return on the table, the search and its marks, the property sheet's keys and the menu's keys.
#include "MainWindowFixture.h"
#include "controls/TAboutBox.h"
#include "data/ElementTable.h"
#include "data/TTextTable.h"
#include "molar/CompoundGrid.h"
#include "molar/MolarMode.h"
#include "molar/TChemEdit.h"
#include "sheet/TForm2.h"
#include "table/MainWindowKeys.h"
#include "table/TableSearch.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabWidget>

namespace {

// The name of the control that holds the focus (a combo box for its line edit).
QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    while (focus && focus->objectName().isEmpty())
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

QString panelName(const MainWindowFixture &f)
{
    return f.child<QLineEdit>(QStringLiteral("Edit_NOM"))->text();
}

// The client area below the tool bar: the table, its labels and the navy around them.
QImage tablePicture(const MainWindowFixture &f)
{
    QWidget *client = f.form->centralWidget();
    return client->grab(client->rect().adjusted(0, 34, 0, 0)).toImage();
}

// Back to the main window after a list's popup or another window took the activation.
void activate(const MainWindowFixture &f)
{
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
}

// Runs `inside` on the property sheet once it is shown modally, then closes it with Escape.
struct SheetVisit
{
    explicit SheetVisit(std::function<void(TForm2 &)> inside)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, inside] {
            auto *sheet = qobject_cast<TForm2 *>(QApplication::activeModalWidget());
            if (!sheet || !sheet->isActiveWindow())
                return;
            timer.stop();
            inside(*sheet);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : sheet,
                            Qt::Key_Escape);
            closed = !sheet->isVisible();
        });
        timer.start(20);
    }
    QTimer timer;
    bool closed = false;
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void tabCrossesTheTableInOneStop();
    void arrowsMoveTheFocusShownAsTheHover();
    void returnActsOnTheFocusedElement();
    void sheetKeysStepAndTurnPages();
    void searchMarksAndRestoresEveryColouring_data();
    void searchMarksAndRestoresEveryColouring();
    void searchKeepsEveryKeyTyped_data();
    void searchKeepsEveryKeyTyped();
    void searchFromATypedLetterGoesToTheBestMatch();
    void molarMassWithoutTheMouse();
    void menuAndToolBarKeys();
    void legendValueTakesTheFocus_data();
    void legendValueTakesTheFocus();
    void searchFieldKeepsItsPlaceInTheTabChain_data();
    void searchFieldKeepsItsPlaceInTheTabChain();
};

void TestKeyboard::tabCrossesTheTableInOneStop()
{
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    // A mouse user sees no focus on the table.
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
        QVERIFY2(!f.button(z)->showsFocus() &&
                     f.button(z)->currentLook() == HoverButton::Look::Normal,
                 qPrintable(QString::number(z)));
    f.child<QWidget>(QStringLiteral("RxSpeedButton1"))->setFocus(Qt::TabFocusReason);
    QStringList stops;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << focusName();
    }
    QCOMPARE(stops.mid(0, 5), QStringList({"RxSpeedButton2", "RxSpeedButton3", "EncartaButton1",
                                           "combobox1", "E1"}));
    // Past the table, neither another element nor the boxes of the panel that shows hydrogen.
    const auto *panel = f.child<QWidget>(QStringLiteral("Panel1"));
    QVERIFY(panel->isVisible());
    QVERIFY2(!panel->isAncestorOf(QApplication::focusWidget()), qPrintable(stops.join(u' ')));
    QVERIFY2(!QRegularExpression(QStringLiteral("^E\\d+$")).match(stops[5]).hasMatch(),
             qPrintable(stops.join(u' ')));
    // Back into the table: the stop lands on the element last focused.
    f.button(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.button(1), Qt::Key_Right);
    QTest::keyClick(f.button(2), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("E2"));
}

void TestKeyboard::arrowsMoveTheFocusShownAsTheHover()
{
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.button(1)->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(f.button(1)->showsFocus());
    QCOMPARE(panelName(f), QString::fromUtf8("Hydrogène"));
    QTest::keyClick(f.button(1), Qt::Key_Down);
    QTest::keyClick(f.button(3), Qt::Key_Right);
    QCOMPARE(focusName(), QStringLiteral("E4"));
    QVERIFY(f.child<QWidget>(QStringLiteral("Panel1"))->isVisible());
    QCOMPARE(panelName(f), QStringLiteral("Béryllium"));
    QCOMPARE(f.button(4)->currentLook(), HoverButton::Look::Hover);
    QCOMPARE(f.button(1)->currentLook(), HoverButton::Look::Normal);
    QCOMPARE(f.button(3)->currentLook(), HoverButton::Look::Normal);
    // The mouse leaving the focused button leaves it lit.
    QTest::mouseMove(f.button(4), QPoint(10, 10));
    QTest::mouseMove(f.form->centralWidget(), QPoint(600, 420));
    QCOMPARE(f.button(4)->currentLook(), HoverButton::Look::Hover);
}

void TestKeyboard::returnActsOnTheFocusedElement()
{
    MainWindowFixture f;
    QVERIFY(f.copySectionFiles());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QString shown;
    SheetVisit visit(
        [&shown](TForm2 &sheet) { shown = sheet.shown()->text(QStringLiteral("_SYMBOLE")); });
    f.button(27)->setFocus(Qt::TabFocusReason);
    // The mouse elsewhere does not change which element Return acts on.
    QTest::mouseMove(f.button(80), QPoint(10, 10));
    QTest::keyClick(f.button(27), Qt::Key_Return);
    QVERIFY(visit.closed);
    QCOMPARE(shown, QStringLiteral("Co"));
    activate(f);
    QCOMPARE(focusName(), QStringLiteral("E27"));

    // In the molar-mass mode Return and Space each count one atom.
    f.form->molarMode()->EncartaButton1Click();
    f.button(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.button(1), Qt::Key_Return);
    QTest::keyClick(f.button(1), Qt::Key_Space);
    QTest::keyClick(f.button(1), Qt::Key_Right);
    QTest::keyClick(f.button(2), Qt::Key_Return);
    QCOMPARE(f.form->molarMode()->chemEdit()->text(), QStringLiteral("H2He1"));
}

void TestKeyboard::sheetKeysStepAndTurnPages()
{
    MainWindowFixture f;
    QVERIFY(f.copySectionFiles());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QStringList seen;
    SheetVisit visit([&seen](TForm2 &sheet) {
        auto *pages = sheet.findChild<QTabWidget *>();
        const auto note = [&] {
            seen << sheet.shown()->text(QStringLiteral("_SYMBOLE")) +
                        QString::number(pages->currentIndex());
        };
        // The focus starts on something the user sees.
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && focus->isVisible() && sheet.isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_PageDown);
        note();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
        note();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        note();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        note();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        note();
    });
    f.button(26)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.button(26), Qt::Key_Space);
    QVERIFY(visit.closed);
    QCOMPARE(seen, QStringList({"Co0", "Mn0", "Mn1", "Mn6", "Mn0"}));
}

void TestKeyboard::searchMarksAndRestoresEveryColouring_data()
{
    QTest::addColumn<QString>("mode"); // an entry of the colouring list, or the molar-mass mode
    QTest::newRow("start") << QString();
    QTest::newRow("Groupe") << QStringLiteral("Groupe");
    QTest::newRow("Etat Physique") << QStringLiteral("Etat Physique");
    QTest::newRow("Decouverte") << QStringLiteral("Decouverte");
    QTest::newRow("numeric, the list's last entry") << QStringLiteral("numeric");
    QTest::newRow("molar mass") << QStringLiteral("molar");
}

void TestKeyboard::searchMarksAndRestoresEveryColouring()
{
    QFETCH(QString, mode);
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    if (mode == u"molar")
        f.form->molarMode()->EncartaButton1Click();
    else if (mode == u"numeric")
        f.choose(f.combo()->count() - 1);
    else if (!mode.isEmpty()) {
        const int entry = f.combo()->findText(mode);
        QVERIFY(entry >= 0);
        f.choose(entry);
    }
    activate(f);
    QTest::mouseMove(f.form->centralWidget(), QPoint(600, 440));
    const QImage before = tablePicture(f);
    const std::vector<QColor> fills = [&f] {
        std::vector<QColor> all;
        for (int z = 1; z <= ElementTable::ElementCount; ++z)
            all.push_back(f.fill(z));
        return all;
    }();

    QTest::keyClick(f.form.get(), Qt::Key_F, Qt::ControlModifier);
    TableSearch *search = f.form->keys()->search();
    QVERIFY(search->isOpen());
    QCOMPARE(focusName(), QStringLiteral("SearchEdit"));
    // The field hides no element button.
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
        QVERIFY(!search->field()->geometry().intersects(f.button(z)->geometry()));
    QTest::keyClicks(search->field(), QStringLiteral("fer"));
    QCOMPARE(f.button(26)->mark(), HoverButton::Mark::Framed);
    QCOMPARE(f.button(100)->mark(), HoverButton::Mark::None);
    QCOMPARE(f.button(27)->mark(), HoverButton::Mark::Dimmed);
    QVERIFY(tablePicture(f) != before);
    QTest::keyClick(search->field(), Qt::Key_Down);
    QCOMPARE(f.button(26)->mark(), HoverButton::Mark::None);
    QCOMPARE(f.button(100)->mark(), HoverButton::Mark::Framed);
    QTest::keyClick(search->field(), Qt::Key_Down); // round the end
    QCOMPARE(f.button(26)->mark(), HoverButton::Mark::Framed);

    QTest::keyClick(search->field(), Qt::Key_Escape);
    QVERIFY(!search->isOpen());
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        QCOMPARE(f.button(z)->mark(), HoverButton::Mark::None);
        QCOMPARE(f.fill(z), fills[z - 1]);
    }
    QCOMPARE(tablePicture(f), before);
}

void TestKeyboard::searchKeepsEveryKeyTyped_data()
{
    QTest::addColumn<bool>("navyClicked"); // else the focus is on hydrogen
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found");
    QTest::newRow("letters on an element") << false << QStringLiteral("iron") << 26;
    QTest::newRow("digits after a click on the navy, from the list")
        << true << QStringLiteral("103") << 103;
}

// Each key goes where the focus is, as the keyboard sends it: the first one opens the search,
// the others land in its field after it.
void TestKeyboard::searchKeepsEveryKeyTyped()
{
    QFETCH(bool, navyClicked);
    QFETCH(QString, typed);
    QFETCH(int, found);
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    if (navyClicked) {
        f.combo()->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(f.form->centralWidget(), Qt::LeftButton, {}, QPoint(600, 440));
    } else {
        f.button(1)->setFocus(Qt::TabFocusReason);
    }
    const QString listText = f.combo()->currentText();
    for (const QChar key : typed)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    TableSearch *search = f.form->keys()->search();
    QVERIFY(search->isOpen());
    QCOMPARE(search->field()->text(), typed);
    QCOMPARE(search->currentMatch(), std::optional<int>(found));
    QCOMPARE(f.combo()->currentText(), listText);
}

void TestKeyboard::searchFromATypedLetterGoesToTheBestMatch()
{
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.button(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.button(1), Qt::Key_E);
    TableSearch *search = f.form->keys()->search();
    QVERIFY(search->isOpen());
    QCOMPARE(search->field()->text(), QStringLiteral("e"));
    QTest::keyClicks(search->field(), QStringLiteral("tain"));
    QTest::keyClick(search->field(), Qt::Key_Return);
    QVERIFY(!search->isOpen());
    QCOMPARE(focusName(), QStringLiteral("E50"));
    QCOMPARE(panelName(f), QString::fromUtf8("Étain"));
    QVERIFY(f.button(50)->showsFocus());
    QCOMPARE(f.button(50)->mark(), HoverButton::Mark::None);
    // Nothing found: Return stays in the field.
    QTest::keyClick(f.button(50), Qt::Key_X);
    QTest::keyClicks(search->field(), QStringLiteral("yz"));
    QTest::keyClick(search->field(), Qt::Key_Return);
    QVERIFY(search->isOpen());
    QTest::keyClick(search->field(), Qt::Key_Escape);
    QCOMPARE(focusName(), QStringLiteral("E50"));
}

void TestKeyboard::molarMassWithoutTheMouse()
{
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.child<QWidget>(QStringLiteral("EncartaButton1"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(f.state.molarMode);
    // A chosen match counts one atom, and Return on it one more.
    for (const auto &[key, twice] : {std::pair{Qt::Key_H, true}, std::pair{Qt::Key_O, false}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (twice)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(f.form->molarMode()->molarMassField()->text(), QStringLiteral("18,02"));

    // A formula typed into the formula edit reached by Tab.
    QWidget *edit = f.form->molarMode()->chemEdit();
    f.child<QWidget>(QStringLiteral("EncartaButton1"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, QStringLiteral("CO2"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(f.form->molarMode()->molarMassField()->text(), QStringLiteral("44,01"));
    // The window taking the focus back does not hand it to the edit, which shows the formula.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    activate(f);
    QVERIFY(!edit->hasFocus());
}

void TestKeyboard::menuAndToolBarKeys()
{
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    // The same menu with captions that have no letter to reach.
    QMainWindow plain;
    plain.setFont(f.form->font());
    for (const QAction *top : f.form->menuBar()->actions())
        plain.menuBar()
            ->addAction(QString(top->text()).remove(QLatin1Char('&')))
            ->setEnabled(top->isEnabled());
    plain.resize(f.form->size());
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    QMenuBar *bar = f.form->menuBar();
    const QImage unmarked = plain.menuBar()->grab().toImage();
    QCOMPARE(bar->grab().toImage(), unmarked);
    QTest::keyPress(f.form.get(), Qt::Key_Alt);
    QVERIFY(bar->grab().toImage() != unmarked);
    QTest::keyRelease(f.form.get(), Qt::Key_Alt);
    QCOMPARE(bar->grab().toImage(), unmarked);
    plain.close();
    activate(f);
    // Alt with the letter opens the menu.
    QTest::keyClick(f.form.get(), Qt::Key_G, Qt::AltModifier);
    auto *graphs = f.form->menuBar()->findChild<QMenu *>(QStringLiteral("Graphiques1"));
    QTRY_VERIFY(graphs->isVisible());
    QTest::keyClick(graphs, Qt::Key_Escape);
    QTRY_VERIFY(!graphs->isVisible());
    activate(f);

    // Return on the tool bar's first image button starts Graph XY, as a click does.
    // (the chooser it would show is left out: only the start is counted)
    int charts = 0;
    auto *chart = f.form->findChild<QAction *>(QStringLiteral("GraphXY1"));
    QObject::disconnect(chart, &QAction::triggered, f.form.get(), nullptr);
    QObject::connect(chart, &QAction::triggered, [&charts] { ++charts; });
    auto *graphXY = f.child<QWidget>(QStringLiteral("RxSpeedButton1"));
    graphXY->setFocus(Qt::TabFocusReason);
    QTest::keyClick(graphXY, Qt::Key_Return);
    QCOMPARE(charts, 1);

    // F1 opens the About box; Ctrl+Q ends the program.
    auto *about = new TAboutBox(f.form.get());
    f.form->setAboutBox(about);
    bool aboutShown = false;
    QTimer::singleShot(50, about, [&] {
        aboutShown = about->isVisible();
        about->reject();
    });
    QTest::keyClick(f.form.get(), Qt::Key_F1);
    QVERIFY(aboutShown);
    activate(f);
    QTest::keyClick(f.form.get(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!f.form->isVisible());
}

void TestKeyboard::legendValueTakesTheFocus_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::newRow("click") << true;
    QTest::newRow("tab") << false;
}

// Leaving the colouring list after typing an entry's name applies that entry once more: the
// box taking the focus from the list keeps it, and the digits typed next are the box's.
void TestKeyboard::legendValueTakesTheFocus()
{
    QFETCH(bool, byClick);
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QLineEdit *list = f.combo()->lineEdit();
    list->setFocus(Qt::MouseFocusReason);
    list->selectAll();
    QTest::keyClicks(list, QStringLiteral("Point de  fusion"));
    auto *box = f.child<QLineEdit>(QStringLiteral("DBEdit3"));
    QVERIFY(box->isVisible());
    QTest::mouseMove(f.button(2), QPoint(12, 12));
    QTest::mouseMove(f.button(1), QPoint(12, 12));
    if (byClick) {
        // Through the window, as the pointer reaches whatever lies over the box.
        const QPoint at = f.form->mapFromGlobal(box->mapToGlobal(box->rect().center()));
        QTest::mouseMove(f.form->windowHandle(), at);
        QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, {}, at);
    } else {
        QTest::keyClick(list, Qt::Key_Tab);
    }
    QCOMPARE(focusName(), QStringLiteral("DBEdit3"));
    box->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("15"));
    QCOMPARE(box->text(), QStringLiteral("15"));
    QVERIFY(!f.form->keys()->search()->isOpen());
}

QTEST_MAIN(TestKeyboard)
// The legends, the search field and the molar-mass panel are made when first needed, in any
// order; the Tab chain runs as if all were made at start: the table, the legend's boxes, the
// search field, then the molar-mass panel.
void TestKeyboard::searchFieldKeepsItsPlaceInTheTabChain_data()
{
    QTest::addColumn<QString>("before"); // what is made before the search opens
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::newRow("legend, then the search") << "legend" << int(Qt::Key_Backtab) << "Edit2";
    QTest::newRow("search, then the legend") << "search legend" << int(Qt::Key_Backtab) << "Edit2";
    QTest::newRow("molar-mass panel") << "molar" << int(Qt::Key_Tab) << "StringGrid1";
}

void TestKeyboard::searchFieldKeepsItsPlaceInTheTabChain()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    const auto openSearch = [&f] {
        QTest::keyClick(f.form.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(focusName(), QStringLiteral("SearchEdit"));
    };
    for (const QString &made : before.split(u' ')) {
        if (made == QLatin1String("search")) {
            openSearch();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (made == QLatin1String("legend")) {
            f.choose(QStringLiteral("Etat Physique"));
            activate(f);
        } else {
            QTest::mouseClick(f.child<QWidget>(QStringLiteral("EncartaButton1")), Qt::LeftButton,
                              {}, QPoint(10, 10));
            QVERIFY(f.state.molarMode);
        }
    }
    openSearch();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTEST(focusName(), "focus");
}

#include "tst_keyboard.moc"
