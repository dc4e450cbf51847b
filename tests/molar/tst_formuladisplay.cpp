// What the formula edit of the molar-mass mode shows beside the molar mass and the grid: the
// formula they were computed from, drawn with its subscripts once the user no longer types; a
// text that is not that formula, marked as not computed.
#include "controls/TEncartaButton.h"
#include "molar/MolarMode.h"
#include "molar/TChemEdit.h"
#include "table/MainWindowFixture.h"

#include <QApplication>
#include <QLineEdit>

class TestFormulaDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickedFormulaIsDrawn();
    void refusedFormulaIsMarked_data();
    void refusedFormulaIsMarked();
    void formulaLeftForAnotherWindowIsMarked();

private:
    void click(int z) const;
    TChemEdit *typeFormula(const QString &formula) const;
    QString look() const;

    std::unique_ptr<MainWindowFixture> f;
    MolarMode *mode = nullptr;
    QStringList messages;
};

void TestFormulaDisplay::init()
{
    f = std::make_unique<MainWindowFixture>();
    QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
    mode = f->form->molarMode();
    messages.clear();
    mode->report = [this](const QString &message) { messages << message; };
    // Entered by the mouse, as the user does.
    QTest::mouseClick(f->child<TEncartaButton>(QStringLiteral("EncartaButton1")), Qt::LeftButton);
}

void TestFormulaDisplay::cleanup()
{
    f.reset();
}

void TestFormulaDisplay::click(int z) const
{
    TEncartaButton *button = f->button(z);
    QTest::mouseMove(button, QPoint(10, 10));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

TChemEdit *TestFormulaDisplay::typeFormula(const QString &formula) const
{
    TChemEdit *edit = mode->chemEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, formula);
    return edit;
}

// "marked" by its colour and a tool tip that says why, "plain" the silver box without a tool
// tip; anything else is neither.
QString TestFormulaDisplay::look() const
{
    const TChemEdit *edit = mode->chemEdit();
    const bool silver = edit->palette().color(QPalette::Base) == QColor(0xC0, 0xC0, 0xC0);
    if (silver && edit->toolTip().isEmpty())
        return QStringLiteral("plain");
    if (!silver && edit->toolTip().contains(QStringLiteral("non calculée")))
        return QStringLiteral("marked");
    return QStringLiteral("silver %1, tool tip « %2 »").arg(silver).arg(edit->toolTip());
}

// The edit draws its formula whenever it does not have the focus: neither entering the mode
// nor a click, however the focus stood before, leaves it there.
void TestFormulaDisplay::clickedFormulaIsDrawn()
{
    TChemEdit *edit = mode->chemEdit();
    QVERIFY(!edit->hasFocus());
    click(1);
    click(1);
    click(8);
    QCOMPARE(edit->text(), QStringLiteral("H2O1"));
    QVERIFY(QApplication::focusWidget() != edit);
    // Clicked into without typing, then an element clicked.
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(edit->hasFocus());
    click(8);
    QCOMPARE(edit->text(), QStringLiteral("H2O2"));
    QVERIFY(!edit->hasFocus());
    QCOMPARE(look(), QStringLiteral("plain"));
}

void TestFormulaDisplay::refusedFormulaIsMarked_data()
{
    QTest::addColumn<QString>("refused");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("mended");
    QTest::addColumn<QString>("molarMass");
    QTest::addColumn<QString>("shown");
    // Escape gives back the formula computed: Ca(OH)2, 40,08 + 2 x 17,01 = 74,1.
    QTest::newRow("given up") << "Ca(OH2" << 2 << QString() << "74,1"
                              << "Ca(OH)2";
    // 40,08 + 16,00 + 2 x 1,01 = 58,1
    QTest::newRow("mended") << "Ca(OH2" << 2 << "Ca(OH2)"
                            << "58,1"
                            << "Ca(OH2)";
    QTest::newRow("symbol mended") << "NaXl" << 2 << "NaCl"
                                   << "58,44"
                                   << "NaCl";
}

// Refused, a typed formula stays to be mended where its fault is, marked as not the one the mass
// and the grid were computed from until it is computed or given up.
void TestFormulaDisplay::refusedFormulaIsMarked()
{
    QFETCH(QString, refused);
    QFETCH(QString, mended);
    TChemEdit *edit = typeFormula(QStringLiteral("Ca(OH)2"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(look(), QStringLiteral("plain"));
    typeFormula(refused);
    QCOMPARE(look(), QStringLiteral("plain"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(edit->text(), refused);
    QTEST(edit->cursorPosition(), "cursor");
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("74,1"));
    QCOMPARE(look(), QStringLiteral("marked"));
    if (mended.isNull()) {
        QTest::keyClick(edit, Qt::Key_Escape);
    } else {
        // Still marked while being mended.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(look(), QStringLiteral("marked"));
        typeFormula(mended);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QTEST(edit->text(), "shown");
    QTEST(mode->molarMassField()->text(), "molarMass");
    QCOMPARE(look(), QStringLiteral("plain"));
    QCOMPARE(messages.size(), 1);
}

// Typed and not confirmed, a formula left for another window is drawn, not computed: marked,
// and no longer once the user types on in the box.
void TestFormulaDisplay::formulaLeftForAnotherWindowIsMarked()
{
    click(1);
    TChemEdit *edit = typeFormula(QStringLiteral("nacl"));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("nacl"));
    QCOMPARE(look(), QStringLiteral("marked"));
    f->form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(look(), QStringLiteral("plain"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(mode->molarMassField()->text(), QStringLiteral("58,44"));
    QVERIFY(messages.isEmpty());
}

QTEST_MAIN(TestFormulaDisplay)
#include "tst_formuladisplay.moc"
