// The molar-mass mode in the main window: entering and leaving, the compound built by element
// clicks, "RESET", "% --> FORMULE" with its two dialogs, bad cells and bad answers, and the
// layouts of the panel and the dialogs.
#include "controls/TEncartaButton.h"
#include "controls/TSelButton.h"
#include "data/ElementTable.h"
#include "data/Numbers.h"
#include "molar/CompoundGrid.h"
#include "molar/MolarMode.h"
#include "molar/TChemEdit.h"
#include "molar/TForm7.h"
#include "molar/TForm8.h"
#include "table/MainWindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

namespace {

QColor face()
{
    return QApplication::palette().color(QPalette::Button);
}

// Answers the two dialogs of "% --> FORMULE" as they open: "Données" with the next percentage
// (and molar mass, when one is given) or Escape when the percentage is null, "Masse molaire"
// with the molar mass, or closed without "OK" when the answer is null.
class DialogScript : public QObject
{
public:
    struct Data
    {
        QString percent;
        QString molarMass; // null keeps the proposed one
    };
    QList<Data> data;
    QString molarMass;
    QStringList proposals; // the percentages "Données" proposed
    QStringList symbols;
    int molarMassShown = 0;
    bool staysOpenAfterRefusal = true;

    DialogScript()
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::answer);
        m_timer.start(5);
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *form = qobject_cast<TForm7 *>(modal)) {
            auto *edit1 = form->findChild<QLineEdit *>(QStringLiteral("Edit1"));
            auto *edit2 = form->findChild<QLineEdit *>(QStringLiteral("Edit2"));
            auto *edit3 = form->findChild<QLineEdit *>(QStringLiteral("Edit3"));
            if (edit1->text() != m_lastSymbol || !m_refused) {
                symbols << edit1->text();
                proposals << edit3->text();
            }
            m_lastSymbol = edit1->text();
            // Asked once more than scripted, it takes the proposal.
            const Data next = data.isEmpty() ? Data{edit3->text(), {}} : data.takeFirst();
            if (next.percent.isNull()) {
                QTest::keyClick(form, Qt::Key_Escape);
                return;
            }
            if (!next.molarMass.isNull())
                edit2->setText(next.molarMass);
            edit3->setText(next.percent);
            QTest::mouseClick(form->findChild<TSelButton *>(QStringLiteral("SelButton1")),
                              Qt::LeftButton);
            m_refused = form->isVisible();
            staysOpenAfterRefusal = staysOpenAfterRefusal && (!m_refused || form->isVisible());
        } else if (auto *form8 = qobject_cast<TForm8 *>(modal)) {
            ++molarMassShown;
            if (molarMass.isNull()) {
                form8->reject();
                return;
            }
            form8->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(molarMass);
            QTest::mouseClick(form8->findChild<QPushButton *>(QStringLiteral("Button1")),
                              Qt::LeftButton);
        }
    }

    QTimer m_timer;
    QString m_lastSymbol;
    bool m_refused = false;
};

} // namespace

class TestMolarMode : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enteringAndLeaving();
    void onlyTheFirstEntryCentres();
    void compound();
    void resetThenOneClick();
    void aNewRowComesIntoSight();
    void aCellBeingTypedCountsAsTyped();
    void aSymbolTypedIntoTheSpareRowCountsThere();
    void badCellsShowFaitesUnReset();
    void typedFormula();
    void refusedFormulaChangesNothing();
    void aCountTooLongForItsColumnEndsInAnEllipsis();
    void formulaLeftUnconfirmed();
    void percentToFormula_data();
    void percentToFormula();
    void dialogsKeepTheirTexts();
    void aResultTooWideForItsColumnShowsWhole();
    void panelLayoutAndTextsFit();
    void dialogLayoutsAndTextsFit();

private:
    void toggle() const;
    void click(int z) const;
    QString rows() const;
    CompoundGrid *waterInFocusedGrid() const;
    TChemEdit *typeFormula(const QString &formula) const;

    std::unique_ptr<MainWindowFixture> f;
    MolarMode *mode = nullptr;
    QStringList messages;
};

void TestMolarMode::init()
{
    f = std::make_unique<MainWindowFixture>();
    QVERIFY(QTest::qWaitForWindowExposed(f->form.get()));
    mode = f->form->molarMode();
    messages.clear();
    mode->report = [this](const QString &message) { messages << message; };
    mode->dataDialog()->report = [this](const QString &message, QWidget *) { messages << message; };
}

void TestMolarMode::cleanup()
{
    f.reset();
}

void TestMolarMode::toggle() const
{
    QTest::mouseClick(f->child<TEncartaButton>(QStringLiteral("EncartaButton1")), Qt::LeftButton);
}

void TestMolarMode::click(int z) const
{
    TEncartaButton *button = f->button(z);
    QTest::mouseMove(button, QPoint(10, 10));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// "el:mol:%" of each compound row, then the spare row's cells if it is not empty.
QString TestMolarMode::rows() const
{
    CompoundGrid *grid = mode->grid();
    QStringList out;
    for (int row = 1; row < f->state.nextFreeRow; ++row)
        out << grid->cell(row, CompoundRow::El) + u':' + grid->cell(row, CompoundRow::Mol) + u':' +
                   grid->cell(row, CompoundRow::Percent);
    return out.join(u' ');
}

// The mode entered, H then O clicked, and the grid given the focus for typing.
CompoundGrid *TestMolarMode::waterInFocusedGrid() const
{
    toggle();
    click(1);
    click(8);
    CompoundGrid *grid = mode->grid();
    grid->setFocus();
    return grid;
}

void TestMolarMode::enteringAndLeaving()
{
    f->choose(QStringLiteral("Groupe"));
    QVERIFY(f->fill(26) != face());
    auto *button = f->child<TEncartaButton>(QStringLiteral("EncartaButton1"));
    QVERIFY(button->Enabled());
    toggle();
    QVERIFY(f->state.molarMode);
    QCOMPARE(button->Caption(), QStringLiteral("Mode propriétés"));
    QCOMPARE(button->toolTip(), QStringLiteral("Cliquez ici  pour passer en mode propriétés"));
    QVERIFY(!f->combo()->isVisible());
    QVERIFY(!f->child<QWidget>(QStringLiteral("legende1"))->isVisible());
    QCOMPARE(f->form->layoutWidth(), 791);
    auto *panel = f->child<QWidget>(QStringLiteral("Panel3"));
    QVERIFY(panel->isVisible() && mode->chemEdit()->isVisible());
    QCOMPARE(panel->geometry(), QRect(783 - 163, 33, 163, 420));
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        QCOMPARE(f->fill(z), face());
        QCOMPARE(f->button(z)->FontColor(), QColor(Qt::black));
    }
    const QStringList headers{"el", "M", "mol", "% massique"};
    for (int column = 0; column < 4; ++column)
        QCOMPARE(mode->grid()->cell(0, column), headers[column]);
    click(1);

    toggle();
    QVERIFY(!f->state.molarMode);
    QCOMPARE(button->Caption(), QStringLiteral("Mode M / %"));
    QCOMPARE(button->toolTip(), QStringLiteral("Cliquez ici  pour calculer la masse molaire "
                                               "d\"un composé et son pourcentage massique."));
    QVERIFY(f->combo()->isVisible());
    QCOMPARE(f->combo()->currentText(), QStringLiteral("Propriétés"));
    QVERIFY(!panel->isVisible() && !mode->chemEdit()->isVisible());
    // The list's text is written, not chosen: no colouring runs and the width stays 643.
    QCOMPARE(f->form->layoutWidth(), 643);
    QVERIFY(!f->child<QWidget>(QStringLiteral("Panel2"))->isVisible());
    QCOMPARE(f->fill(26), face());

    // The compound waits for the next entry, untouched.
    toggle();
    QCOMPARE(rows(), QStringLiteral("H:1:100"));
    QCOMPARE(mode->chemEdit()->text(), QStringLiteral("H1"));
}

void TestMolarMode::onlyTheFirstEntryCentres()
{
    QWidget *window = f->form.get();
    window->move(5, 7);
    toggle();
    const QRect screen = window->screen()->geometry();
    QTRY_VERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window->frameGeometry().center().y() - screen.center().y()) <= 1);
    toggle();
    window->move(30, 40);
    QTRY_COMPARE(window->pos(), QPoint(30, 40));
    toggle();
    QCOMPARE(window->pos(), QPoint(30, 40));
}

// Clicks build the compound in the order of first clicks; the arithmetic itself is the
// rules' (tst_compoundrules).
void TestMolarMode::compound()
{
    toggle();
    for (int z : {8, 1, 8, 1, 1})
        click(z);
    QCOMPARE(rows(), QStringLiteral("O:2:91,3503 H:3:8,64973"));
    QCOMPARE(mode->chemEdit()->text(), QStringLiteral("O2H3"));
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("35,03"));
    // The atomic mass is the hover panel's text, and one spare row stays below the compound.
    QCOMPARE(mode->grid()->cell(2, CompoundRow::M),
             f->child<QLineEdit>(QStringLiteral("Edit_M__AT"))->text());
    QCOMPARE(mode->grid()->rows(), f->state.nextFreeRow + 1);
    QVERIFY(messages.isEmpty());
}

void TestMolarMode::resetThenOneClick()
{
    toggle();
    click(1);
    click(8);
    QTest::mouseClick(f->child<TEncartaButton>(QStringLiteral("EncartaButton2")), Qt::LeftButton);
    QCOMPARE(mode->grid()->rows(), 2);
    QCOMPARE(f->state.nextFreeRow, 1);
    QVERIFY(mode->chemEdit()->text().isEmpty() && mode->molarMassField()->text().isEmpty());
    for (int column = 0; column < 4; ++column)
        QVERIFY(mode->grid()->cell(1, column).isEmpty());
    click(11);
    QCOMPARE(rows(), QStringLiteral("Na:1:100"));
}

void TestMolarMode::aNewRowComesIntoSight()
{
    toggle();
    CompoundGrid *grid = mode->grid();
    for (int z = 1; z <= 20; ++z) {
        click(z);
        const QRect shown = grid->viewport()->rect();
        const QRect row = grid->visualItemRect(grid->item(z - 1, CompoundRow::El));
        QVERIFY2(shown.contains(row), qPrintable(QString::number(z)));
    }
}

void TestMolarMode::aCellBeingTypedCountsAsTyped()
{
    CompoundGrid *grid = waterInFocusedGrid();
    QTRY_VERIFY(grid->hasFocus());
    // The user types a count and, without confirming it, clicks the next element: the
    // element buttons take no focus, so the cell's editor is still open.
    grid->setCurrentCell(0, CompoundRow::Mol);
    QTest::keyClicks(grid, QStringLiteral("3"));
    const auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor && grid->isAncestorOf(editor) && editor->text() == QStringLiteral("3"));
    click(8);
    QCOMPARE(rows(), QStringLiteral("H:3:8,64973 O:2:91,3503"));
    QCOMPARE(mode->chemEdit()->text(), QStringLiteral("H3O2"));
}

void TestMolarMode::aSymbolTypedIntoTheSpareRowCountsThere()
{
    CompoundGrid *grid = waterInFocusedGrid();
    QTRY_VERIFY(grid->hasFocus());
    // The spare row's cells have never been written: the user's typing makes them.
    for (const auto &[column, text] : {std::pair{CompoundRow::El, "N"}, {CompoundRow::Mol, "4"}}) {
        grid->setCurrentCell(2, column);
        QTest::keyClicks(grid, QLatin1String(text));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(grid->cell(3, column), QLatin1String(text));
    }
    click(7);
    QVERIFY(messages.isEmpty());
    QCOMPARE(grid->cell(3, CompoundRow::Mol), QStringLiteral("5"));
    QCOMPARE(f->state.nextFreeRow, 3);
    // The compound is still H O: 101 / 17,01 = 5,93768 and 1600 / 17,01 = 94,0623.
    QCOMPARE(rows(), QStringLiteral("H:1:5,93768 O:1:94,0623"));
}

void TestMolarMode::badCellsShowFaitesUnReset()
{
    toggle();
    CompoundGrid *grid = mode->grid();
    const auto expectReset = [this](const char *what) {
        QVERIFY2(messages == QStringList{"Faites un reset"}, what);
        messages.clear();
    };
    click(1);
    grid->setCell(1, CompoundRow::Mol, QStringLiteral("2,5"));
    click(1);
    expectReset("a count that is not an integer");
    QCOMPARE(grid->cell(1, CompoundRow::Mol), QStringLiteral("2,5"));

    mode->ResetClick();
    click(1);
    grid->setCell(1, CompoundRow::M, QStringLiteral("abc"));
    click(8);
    expectReset("a mass that is not a number");
    // The new row was written; the formula of the failed computation is not shown.
    QCOMPARE(grid->cell(2, CompoundRow::El), QStringLiteral("O"));
    QCOMPARE(mode->chemEdit()->text(), QStringLiteral("H1"));

    mode->ResetClick();
    click(1);
    grid->setCell(1, CompoundRow::M, QStringLiteral("0"));
    click(1);
    expectReset("a zero molar mass");
    // The formula and the molar mass come before the percentages that fail, and stay.
    QCOMPARE(mode->chemEdit()->text(), QStringLiteral("H2"));
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("0"));
    QCOMPARE(grid->cell(1, CompoundRow::Percent), QStringLiteral("100"));

    mode->ResetClick();
    const int elements[] = {1, 6, 7, 8};
    for (int i = 0; i < 200; ++i)
        click(elements[i % 4]);
    QVERIFY(messages.isEmpty());
    QCOMPARE(rows(), QStringLiteral("H:50:2,3472 C:50:27,9108 N:50:32,5587 O:50:37,1834"));
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("2151,5"));
}

// A click into the formula edit, its text selected and typed over.
TChemEdit *TestMolarMode::typeFormula(const QString &formula) const
{
    TChemEdit *edit = mode->chemEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, formula);
    return edit;
}

void TestMolarMode::typedFormula()
{
    toggle();
    const QRect place = mode->chemEdit()->geometry();
    const QRect panel = f->child<QWidget>(QStringLiteral("Panel3"))->geometry();
    TChemEdit *edit = typeFormula(QStringLiteral("CuSO4.5H2O"));
    QTest::keyClick(edit, Qt::Key_Return);
    // 63,55 + 32,06 + 9 x 16,00 + 10 x 1,01 = 249,71; Cu 6 355 / 249,71 = 25,4495,
    // S 3 206 / 249,71 = 12,8389, O 14 400 / 249,71 = 57,6669, H 1 010 / 249,71 = 4,04469.
    QCOMPARE(rows(), QStringLiteral("Cu:1:25,4495 S:1:12,8389 O:9:57,6669 H:10:4,04469"));
    QCOMPARE(mode->grid()->cell(1, CompoundRow::M), QStringLiteral("63,55"));
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("249,71"));
    // Shown as typed, its dot drawn in the middle, no longer as a plain edit.
    QCOMPARE(edit->text(), QStringLiteral("CuSO4·5H2O"));
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->geometry(), place);
    QCOMPARE(f->child<QWidget>(QStringLiteral("Panel3"))->geometry(), panel);
    QCOMPARE(f->form->layoutWidth(), 791);

    // A click adds to the same compound: 249,71 + 1,01 = 250,72.
    click(1);
    QCOMPARE(edit->text(), QStringLiteral("Cu1S1O9H11"));
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("250,72"));
    QTest::mouseClick(f->child<TEncartaButton>(QStringLiteral("EncartaButton2")), Qt::LeftButton);
    QCOMPARE(f->state.nextFreeRow, 1);
    QVERIFY(edit->text().isEmpty() && mode->molarMassField()->text().isEmpty());
    QVERIFY(messages.isEmpty());
}

// 10 000 atoms in the narrow "mol" column: cut without a sign, it read as 100. Only what is cut
// shows whole in a tool tip.
void TestMolarMode::aCountTooLongForItsColumnEndsInAnEllipsis()
{
    toggle();
    TChemEdit *edit = typeFormula(QStringLiteral("H10000O"));
    QTest::keyClick(edit, Qt::Key_Return);
    CompoundGrid *grid = mode->grid();
    QCOMPARE(grid->cell(1, CompoundRow::Mol), QStringLiteral("10000"));
    const QString shown = grid->shownText(1, CompoundRow::Mol);
    QVERIFY2(shown.endsWith(QChar(0x2026)) && !QStringLiteral("10000").startsWith(shown),
             qPrintable(shown));
    QCOMPARE(grid->shownText(2, CompoundRow::Mol), QStringLiteral("1"));
    const auto tipOf = [grid](int row, int column) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("(a tool tip stays up)");
        const QPoint at = grid->visualItemRect(grid->item(row - 1, column)).center();
        QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipOf(1, CompoundRow::Mol), QStringLiteral("10000"));
    QCOMPARE(tipOf(2, CompoundRow::Mol), QString());
    QVERIFY(messages.isEmpty());
}

void TestMolarMode::refusedFormulaChangesNothing()
{
    toggle();
    click(1);
    click(1);
    click(8);
    TChemEdit *edit = typeFormula(QStringLiteral("Ca(OH2"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(messages, QStringList{"Il manque la fermeture de « ( » (caractère 3)"});
    QCOMPARE(rows(), QStringLiteral("H:2:11,2098 O:1:88,7902"));
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("18,02"));
    // The typing goes on where the fault is.
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("Ca(OH2"));
    QCOMPARE(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(edit->text(), QStringLiteral("H2O1"));
    QVERIFY(!edit->hasFocus());
    QCOMPARE(messages.size(), 1);
}

// Typed and not confirmed, a formula counts when an element is clicked or the edit is left, as
// a cell being typed does.
void TestMolarMode::formulaLeftUnconfirmed()
{
    toggle();
    typeFormula(QStringLiteral("nacl"));
    click(1);
    // 22,99 + 35,45 + 1,01 = 59,45
    QCOMPARE(rows(), QStringLiteral("Na:1:38,6712 Cl:1:59,6299 H:1:1,69891"));
    TChemEdit *edit = typeFormula(QStringLiteral("H2Xx"));
    QTest::mouseClick(mode->grid()->viewport(), Qt::LeftButton);
    QCOMPARE(messages, QStringList{"Symbole inconnu « Xx » (caractère 3)"});
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("H2Xx"));
    QCOMPARE(rows(), QStringLiteral("Na:1:38,6712 Cl:1:59,6299 H:1:1,69891"));
}

// What the dialogs ask and tell on the way; the arithmetic's own cases (rounding, ratios,
// empty compounds) are the rules' (tst_compoundrules).
void TestMolarMode::percentToFormula_data()
{
    using Data = DialogScript::Data;
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<Data>>("data");
    QTest::addColumn<QString>("molarMass");
    QTest::addColumn<QStringList>("proposals");
    QTest::addColumn<QList<double>>("moles");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("expectedMessages");
    QTest::addColumn<int>("molarMassShown");
    const QList<int> water{1, 1, 8};
    const QList<Data> waterShares{{"11,19", {}}, {"88,81", {}}};
    QTest::newRow("probable formula")
        << water << waterShares << "18" << QStringList{"100", "88,81"}
        << QList<double>{1.9943, 0.9991} << "formule probable : H2O1" << QStringList{} << 1;
    QTest::newRow("molar mass dialog closed")
        << water << waterShares << QString() << QStringList{"100", "88,81"}
        << QList<double>{1.996, 1} << "" << QStringList{} << 1;
    QTest::newRow("empty grid with a molar mass")
        << QList<int>{} << QList<Data>{} << "18" << QStringList{} << QList<double>{}
        << "formule probable : " << QStringList{} << 1;
    QTest::newRow("refused percentages")
        << water << QList<Data>{{"abc", {}}, {"1e999", {}}, {"-5", {}}, {"105", {}}} << "18"
        << QStringList{"100", "105"} << QList<double>{-0.8911, 1.18125}
        << "formule probable : H-1O1"
        << QStringList{"entrez une valeur numerique!", "entrez une valeur numerique!"} << 1;
    // Given up, the run leaves the compound as it was.
    QTest::newRow("Données given up")
        << water << QList<Data>{{"11,19", {}}, {QString(), {}}} << "18"
        << QStringList{"100", "88,81"} << QList<double>{2, 1} << "H2O1" << QStringList{} << 0;
    QTest::newRow("zero molar mass of an element")
        << water << QList<Data>{{"50", "0"}, {"50", {}}} << "18" << QStringList{"100", "50"}
        << QList<double>{} << "" << QStringList{"Division par zéro"} << 0;
    QTest::newRow("molar mass not a number")
        << water << waterShares << "abc" << QStringList{"100", "88,81"}
        << QList<double>{0.1108, 0.0555} << ""
        << QStringList{"La masse molaire du composé : « abc » n'est pas un nombre décimal "
                       "valide."}
        << 1;
    QTest::newRow("molar mass of an element not a number")
        << water << QList<Data>{{"50", "abc"}, {"50", {}}} << "18" << QStringList{"100", "50"}
        << QList<double>{} << ""
        << QStringList{"La masse molaire de H (colonne « M ») : « abc » n'est pas un nombre "
                       "décimal valide."}
        << 0;
}

void TestMolarMode::percentToFormula()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QList<DialogScript::Data>, data);
    QFETCH(QString, molarMass);
    QFETCH(QList<double>, moles);
    toggle();
    for (int z : clicks)
        click(z);
    DialogScript script;
    script.data = data;
    script.molarMass = molarMass;
    QTest::mouseClick(f->child<TEncartaButton>(QStringLiteral("EncartaButton3")), Qt::LeftButton);
    QTEST(script.proposals, "proposals");
    QVERIFY(script.staysOpenAfterRefusal);
    QTEST(script.molarMassShown, "molarMassShown");
    QTEST(messages, "expectedMessages");
    QTEST(mode->chemEdit()->text(), "formula");
    CompoundGrid *grid = mode->grid();
    for (int row = 1; row <= moles.size(); ++row) {
        const std::optional<double> value =
            Numbers::parseDecimal(grid->cell(row, CompoundRow::Mol));
        QVERIFY2(value && qAbs(*value - moles[row - 1]) < 5e-5,
                 qPrintable(grid->cell(row, CompoundRow::Mol)));
    }
    // "el" and the rows are kept; the percentages typed stand in their cells.
    QCOMPARE(f->state.nextFreeRow, clicks.isEmpty() ? 1 : 3);
    if (!clicks.isEmpty())
        QCOMPARE(grid->cell(2, CompoundRow::El), QStringLiteral("O"));
}

void TestMolarMode::dialogsKeepTheirTexts()
{
    toggle();
    click(1);
    click(8);
    {
        DialogScript script;
        script.data = {{"11,190", {}}, {"88,81", {}}};
        script.molarMass = QStringLiteral("18");
        mode->FormuleClick();
        QCOMPARE(script.symbols, QStringList({"H", "O"}));
        // The proposal is what the first percentage leaves of 100; the cells keep the
        // percentages as typed.
        QCOMPARE(script.proposals, QStringList({"100", "88,81"}));
        QCOMPARE(mode->grid()->cell(1, CompoundRow::Percent), QStringLiteral("11,190"));
        QCOMPARE(mode->grid()->cell(2, CompoundRow::Percent), QStringLiteral("88,81"));
    }
    QCOMPARE(mode->molarMassDialog()->text(), QStringLiteral("18"));
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("18"));
    // Counts that are no longer integers make the next click fail.
    click(1);
    QCOMPARE(messages, QStringList{"Faites un reset"});
}

// The narrow "mol" column keeps its place; an amount it cuts is whole in the tool tip and in
// what a screen reader says, a text that fits has no tool tip.
void TestMolarMode::aResultTooWideForItsColumnShowsWhole()
{
    toggle();
    click(1);
    click(8);
    DialogScript script;
    script.data = {{"11,19", {}}, {"88,81", {}}};
    script.molarMass = QStringLiteral("18");
    mode->FormuleClick();
    CompoundGrid *grid = mode->grid();
    QCOMPARE(grid->columnWidth(CompoundRow::Mol), 23);
    const auto tipAt = [grid](int row, int column) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("tool tip stuck");
        const QPoint at = grid->visualItemRect(grid->item(row - 1, column)).center();
        QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QString amount = grid->cell(1, CompoundRow::Mol);
    QVERIFY2(amount.size() > 6, qPrintable(amount));
    QCOMPARE(tipAt(1, CompoundRow::Mol), amount);
    QCOMPARE(tipAt(1, CompoundRow::El), QString());
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(table && table->tableInterface());
    QAccessibleInterface *cell = table->tableInterface()->cellAt(0, CompoundRow::Mol);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), amount);
    QToolTip::hideText();
}

void TestMolarMode::panelLayoutAndTextsFit()
{
    TChemEdit *chem = mode->chemEdit();
    QCOMPARE(chem->geometry(), QRect(592, 4, 185, 26));
    QCOMPARE(chem->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(chem->Alignment(), TChemString::Alignment::Center);
    QVERIFY(chem->AutoSubscript());
    QVERIFY(!chem->isVisible());
    toggle();
    // The edit's face is the one it shows in the mode.
    QCOMPARE(chem->font().pixelSize(), 12);
    QVERIFY(chem->font().bold());
    CompoundGrid *grid = mode->grid();
    QCOMPARE(grid->geometry(), QRect(9, 8, 145, 217));
    const int widths[] = {30, 2, 23, 62};
    for (int column = 0; column < 4; ++column)
        QCOMPARE(grid->columnWidth(column), widths[column]);
    QCOMPARE(grid->rowHeight(0), 16);
    QCOMPARE(grid->horizontalHeader()->height(), 16);
    QVERIFY(grid->horizontalHeader()->sectionsMovable());
    QVERIFY(grid->editTriggers() & QAbstractItemView::DoubleClicked);
    QLineEdit *edit3 = mode->molarMassField();
    QCOMPARE(edit3->geometry(), QRect(17, 264, 121, 21));
    QCOMPARE(edit3->palette().color(QPalette::Base), QColor(0xF9, 0xB0, 0x68));
    QCOMPARE(edit3->text(), QStringLiteral("  "));
    auto *reset = f->child<TEncartaButton>(QStringLiteral("EncartaButton2"));
    auto *formule = f->child<TEncartaButton>(QStringLiteral("EncartaButton3"));
    QCOMPARE(reset->geometry(), QRect(38, 312, 86, 22));
    QCOMPARE(formule->geometry(), QRect(16, 352, 129, 22));
    QCOMPARE(formule->toolTip(), QStringLiteral("Formule chimique a partir des % massiques"));
    for (TEncartaButton *button : {reset, formule}) {
        QCOMPARE(button->ColorBorder(), QColor(Qt::black));
        QCOMPARE(button->ColorOver(), QColor(0xD8, 0xBE, 0x0A));
        QCOMPARE(button->font().pixelSize(), 15);
        QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->Caption()) <
                button->width() - 2);
    }
    // Every text fits its box: the header texts their columns (but the hidden "M"), the label
    // the panel.
    const QFontMetrics header(grid->horizontalHeader()->font());
    for (int column : {0, 2, 3})
        QVERIFY2(header.horizontalAdvance(grid->cell(0, column)) + 2 <= widths[column],
                 qPrintable(grid->cell(0, column)));
    auto *label = f->child<QLabel>(QStringLiteral("Label20"));
    QCOMPARE(label->pos(), QPoint(17, 240));
    QVERIFY(label->geometry().right() < 163);
}

void TestMolarMode::dialogLayoutsAndTextsFit()
{
    TForm7 *data = mode->dataDialog();
    data->show();
    QCOMPARE(data->size(), QSize(350, 185));
    QCOMPARE(data->pos(), QPoint(238, 134));
    QVERIFY(data->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(data->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    auto *ok = data->findChild<TSelButton *>(QStringLiteral("SelButton1"));
    QCOMPARE(ok->geometry(), QRect(112, 144, 97, 25));
    QCOMPARE(ok->Color(), QColor(0x00, 0x80, 0xC0));
    QCOMPARE(ok->ColorOver(), QColor(0x84, 0xB9, 0xA4));
    QCOMPARE(ok->Alignment(), TSelButton::CaptionAlignment::Center);
    QVERIFY(data->findChild<QLineEdit *>(QStringLiteral("Edit1"))->isReadOnly());
    // The labels end before their fields; the instructions stay inside the dialog.
    for (const char *name : {"Label1", "Label2", "Label3"}) {
        const auto *label = data->findChild<QLabel *>(QLatin1String(name));
        QVERIFY2(label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text()) < 176,
                 name);
    }
    for (QDialog *dialog :
         {static_cast<QDialog *>(data), static_cast<QDialog *>(mode->molarMassDialog())}) {
        dialog->show();
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            QVERIFY2(label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                         dialog->width(),
                     qPrintable(label->text()));
        dialog->hide();
    }
    TForm8 *molar = mode->molarMassDialog();
    QCOMPARE(molar->windowTitle(), QStringLiteral("Masse molaire"));
    QCOMPARE(molar->size(), QSize(388, 132));
    QCOMPARE(molar->findChild<QLineEdit *>(QStringLiteral("Edit1"))->geometry(),
             QRect(56, 56, 121, 21));
    QCOMPARE(molar->findChild<QPushButton *>(QStringLiteral("Button1"))->geometry(),
             QRect(240, 56, 75, 25));
}

QTEST_MAIN(TestMolarMode)
#include "tst_molarmode.moc"
