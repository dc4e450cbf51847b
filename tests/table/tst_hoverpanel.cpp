// The hover panel following the mouse over the element buttons, and the value box of
// the numeric legend writing an edited value back to the element table.
#include "MainWindowFixture.h"
#include "TestFiles.h"

#include <QLabel>
#include <QLineEdit>

class TestHoverPanel : public QObject
{
    Q_OBJECT

private slots:
    void panelShowsTheHoveredRecord_data();
    void panelShowsTheHoveredRecord();
    void movingToAnotherButtonSwitchesWithoutHiding();
    void bareWindowAndPanelSurfaceHideIt();
    void layoutOfThePanel();
    void missingValueShowsEmptyBox();
    void editedLegendValueIsWrittenBackOnce();
    void missingTableFailsToBuildTheWindow();
};

void TestHoverPanel::panelShowsTheHoveredRecord_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");
    QTest::newRow("H, first record") << 1 << "H"
                                     << "Hydrogène";
    QTest::newRow("Fe") << 26 << "Fe"
                        << "Fer";
    QTest::newRow("Lr, last record") << 103 << "Lr"
                                     << "Lawrencium";
}

void TestHoverPanel::panelShowsTheHoveredRecord()
{
    QFETCH(int, z);
    MainWindowFixture f;
    auto *panel = f.child<QWidget>(QStringLiteral("Panel1"));
    QVERIFY(!panel->isVisible());
    QTest::mouseMove(f.button(z), QPoint(12, 12));
    QVERIFY(panel->isVisible());
    QCOMPARE(f.state.hoveredElement, z);
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_NO_AT"))->text(), QString::number(z));
    QTEST(f.child<QLineEdit>(QStringLiteral("Edit_SYMBOLE"))->text(), "symbol");
    QTEST(f.child<QLineEdit>(QStringLiteral("Edit_NOM"))->text(), "name");
}

void TestHoverPanel::movingToAnotherButtonSwitchesWithoutHiding()
{
    MainWindowFixture f;
    QTest::mouseMove(f.button(26), QPoint(12, 12));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_M__AT"))->text(), QStringLiteral("55,85"));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_TF"))->text(), QStringLiteral("1810"));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_CONFIG__"))->text(),
             QStringLiteral("[Ar] 3d6 4s2"));
    QTest::mouseMove(f.button(27), QPoint(12, 12));
    QVERIFY(f.child<QWidget>(QStringLiteral("Panel1"))->isVisible());
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_NO_AT"))->text(), QStringLiteral("27"));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_SYMBOLE"))->text(), QStringLiteral("Co"));
}

void TestHoverPanel::bareWindowAndPanelSurfaceHideIt()
{
    MainWindowFixture f;
    auto *panel = f.child<QWidget>(QStringLiteral("Panel1"));
    QTest::mouseMove(f.button(26), QPoint(12, 12));
    QVERIFY(panel->isVisible());
    QTest::mouseMove(f.form->centralWidget(), QPoint(600, 420));
    QTRY_VERIFY(!panel->isVisible());

    QTest::mouseMove(f.button(26), QPoint(12, 12));
    QVERIFY(panel->isVisible());
    QTest::mouseMove(panel, QPoint(120, 100)); // on the panel's own surface
    QTRY_VERIFY(!panel->isVisible());
}

void TestHoverPanel::layoutOfThePanel()
{
    MainWindowFixture f;
    QCOMPARE(f.child<QWidget>(QStringLiteral("Panel1"))->geometry(), QRect(112, 40, 297, 149));
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_SYMBOLE"))->geometry(), QRect(30, 40, 67, 48));
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_SYMBOLE"))->font().pixelSize(), 37);
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_AE"))->geometry(), QRect(190, 32, 49, 19));
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_VOL_AT"))->geometry(), QRect(190, 128, 43, 19));
    QVERIFY(f.child<QLineEdit>(QStringLiteral("Edit_CONFIG__"))->hasFrame());
    QVERIFY(!f.child<QLineEdit>(QStringLiteral("Edit_EN"))->hasFrame());
    QVERIFY(f.child<QLineEdit>(QStringLiteral("Edit_EN"))->isReadOnly());
    QStringList captions;
    for (const QLabel *label : f.child<QWidget>(QStringLiteral("Panel1"))->findChildren<QLabel *>())
        captions << label->text();
    for (const char *text : {"masse at.", "E.N. :", "A.E. :", "(KJ/mol)", "Tfus :", "(K)",
                             "Teb :", "m vol :", "(g/cm3)", "vol at :", "(ml/mol)"})
        QVERIFY2(captions.contains(QString::fromLatin1(text)), text);

    // Each value is drawn on the line of its caption: the first dark row of the caption's
    // letters and of the value's digits are the same, on iron, whose values all exist.
    QTest::mouseMove(f.button(26), QPoint(12, 12));
    const QImage shot = f.child<QWidget>(QStringLiteral("Panel1"))->grab().toImage();
    const auto firstInkRow = [&](int left, int right, int top) {
        for (int y = top; y < top + 19; ++y)
            for (int x = left; x < right; ++x)
                if (qGray(shot.pixel(x, y)) < 128)
                    return y;
        return -1;
    };
    for (const int top : {9, 32, 56, 80, 104, 128}) {
        const int caption = firstInkRow(143, 188, top);
        const int value = firstInkRow(190, 233, top);
        QVERIFY2(caption >= 0 && std::abs(value - caption) <= 1,
                 qPrintable(QStringLiteral("row at %1: caption ink from %2, value ink from %3")
                                .arg(top)
                                .arg(caption)
                                .arg(value)));
    }
}

void TestHoverPanel::missingValueShowsEmptyBox()
{
    MainWindowFixture f;
    QTest::mouseMove(f.button(2), QPoint(12, 12)); // helium: no electronegativity
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_NO_AT"))->text(), QStringLiteral("2"));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_EN"))->text(), QString());
}

void TestHoverPanel::editedLegendValueIsWrittenBackOnce()
{
    QByteArray before;
    QByteArray after;
    {
        MainWindowFixture f;
        const QString original = f.path(QStringLiteral("prop.yop"));
        before = readFileBytes(original);
        QVERIFY(!before.isEmpty());
        f.choose(QStringLiteral("Point de  fusion"));
        QTest::mouseMove(f.button(26), QPoint(12, 12));
        auto *value = f.child<QLineEdit>(QStringLiteral("DBEdit3"));
        QCOMPARE(value->text(), QStringLiteral("1810"));
        value->selectAll();
        QTest::keyClicks(value, QStringLiteral("1811"));
        QTest::mouseMove(f.button(27), QPoint(12, 12)); // the move posts the change
        QCOMPARE(value->text(), QStringLiteral("1768"));
        f.form.reset(); // the view writes the table back as the window goes
        after = readFileBytes(original);
        QVERIFY(!after.isEmpty());
    }
    const QList<QByteArray> oldLines = before.split('\n');
    const QList<QByteArray> newLines = after.split('\n');
    QCOMPARE(newLines.size(), oldLines.size());
    for (int i = 0; i < oldLines.size(); ++i) {
        if (i == 26)
            QCOMPARE(newLines[i], QByteArray(oldLines[i]).replace(";1810;", ";1811;"));
        else
            QCOMPARE(newLines[i], oldLines[i]);
    }
}

void TestHoverPanel::missingTableFailsToBuildTheWindow()
{
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    try {
        ProgramState state;
        TForm1 form(state);
        QFAIL("the window was built without its table");
    } catch (const std::exception &error) {
        QCOMPARE(QString::fromUtf8(error.what()),
                 QStringLiteral("Table1: Field '_NO_AT' not found"));
    }
    QDir::setCurrent(QDir::tempPath());
}

QTEST_MAIN(TestHoverPanel)
#include "tst_hoverpanel.moc"
