// The window « Calculs » driven by the keyboard alone: pages in order, the keys that change
// page, the first field's focus, Return, the result a screen reader reads, Escape.
#include "TestFiles.h"
#include "calculs/CalculsWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

class TestCalculsWindow : public QObject
{
    Q_OBJECT

private slots:
    void keyboardOnly();
};

void TestCalculsWindow::keyboardOnly()
{
    ScratchData data;
    QVERIFY(data.copyAllShipped());
    CalculsWindow window(data.store());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Calculs"));
    QStringList titles;
    for (int i = 0; i < window.tabs()->count(); ++i)
        titles << window.tabs()->tabText(i);
    QCOMPARE(titles,
             (QStringList{"Quantité de matière", "Concentration", "Gaz parfait", "Équation"}));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Formule"));
    const struct
    {
        QKeySequence keys;
        int page;
        const char *first;
    } steps[] = {{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1, "Solute"},
                 {QKeySequence(Qt::CTRL | Qt::Key_Tab), 2, "PressionP"},
                 {QKeySequence(Qt::CTRL | Qt::Key_PageUp), 1, "Solute"},
                 {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 2, "PressionP"},
                 {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 3, "Equation"}};
    for (const auto &step : steps) {
        QTest::keySequence(&window, step.keys);
        QCOMPARE(window.tabs()->currentIndex(), step.page);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(step.first));
    }
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(field);
    QTest::keyClicks(field, QStringLiteral("Fe + O2 -> Fe2O3"));
    QTest::keyClick(field, Qt::Key_Return);
    QLabel *result =
        window.tabs()->currentWidget()->findChild<QLabel *>(QStringLiteral("EquationResult"));
    QVERIFY(result);
    QCOMPARE(result->accessibleName(), QStringLiteral("4 Fe + 3 O2 → 2 Fe2O3"));
    QVERIFY(result->text().contains(QStringLiteral("O<sub>2</sub>")));
    // A refusal is read too, and the field keeps what was typed.
    QTest::keyClicks(field, QStringLiteral(" + N2"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(result->accessibleName(),
             QStringLiteral("« Équation » : L'élément N n'apparaît que parmi les produits : "
                            "l'équation ne peut pas être équilibrée"));
    QCOMPARE(field->text(), QStringLiteral("Fe + O2 -> Fe2O3 + N2"));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestCalculsWindow)
#include "tst_calculswindow.moc"
