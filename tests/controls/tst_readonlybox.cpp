// A box that shows a value and takes none, as a screen reader meets it: read-only and not
// editable, its text readable by ranges and selectable, each character found where it is
// drawn, and no interface through which a tool could change the text.
#include "controls/ReadOnlyBoxAccessible.h"

#include <QAccessible>
#include <QLineEdit>
#include <QtTest>

class TestReadOnlyBox : public QObject
{
    Q_OBJECT
private slots:
    void readsAndSelectsButNeverEdits();
};

void TestReadOnlyBox::readsAndSelectsButNeverEdits()
{
    QLineEdit box;
    ReadOnlyBoxAccessible::makeReadOnly(&box);
    box.setText(QStringLiteral("1811,5 K"));
    box.resize(200, 24);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&box);
    QVERIFY(spoken);
    QVERIFY(spoken->state().readOnly && !spoken->state().editable);
    QVERIFY(!spoken->editableTextInterface());
    QCOMPARE(spoken->text(QAccessible::Value), QStringLiteral("1811,5 K"));

    QAccessibleTextInterface *text = spoken->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 8);
    QCOMPARE(text->text(0, 6), QStringLiteral("1811,5"));
    QCOMPARE(text->text(5, 2), QString()); // a range backwards reads nothing
    QCOMPARE(text->text(-1, 3), QString());
    int start = -1;
    int end = -1;
    text->attributes(3, &start, &end);
    QCOMPARE(std::make_pair(start, end), std::make_pair(0, 8));

    // A selection made by the tool is the box's own, and goes with it.
    QCOMPARE(text->selectionCount(), 0);
    text->addSelection(5, 6);
    QCOMPARE(box.selectedText(), QStringLiteral("5"));
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(std::make_pair(start, end), std::make_pair(5, 6));
    text->removeSelection(0);
    QVERIFY(!box.hasSelectedText());
    text->setCursorPosition(4);
    QCOMPARE(text->cursorPosition(), 4);
    text->scrollToSubstring(2, 6);
    QCOMPARE(box.cursorPosition(), 2);

    // Each character is told where it is drawn: the middle of that place lies between the
    // cursor places on either side of it.
    QVERIFY(!text->characterRect(8).isValid());
    for (int offset = 0; offset < 8; ++offset) {
        const QRect place = text->characterRect(offset);
        QVERIFY(place.isValid());
        const int at = text->offsetAtPoint(place.center());
        QVERIFY2(at == offset || at == offset + 1, qPrintable(QString::number(offset)));
    }
    QCOMPARE(box.text(), QStringLiteral("1811,5 K"));
}

QTEST_MAIN(TestReadOnlyBox)
#include "tst_readonlybox.moc"
