// The data-aware boxes: they show the element a window shows from the store, what the user
// types is kept until the window moves to another element, which posts it, and a value posted
// from one window shows at once in every other.
#include "TestFiles.h"
#include "controls/TDBEdit.h"
#include "controls/TDBMemo.h"
#include "data/ElementColumns.h"
#include "data/ElementStore.h"
#include "data/ShownElement.h"
#include "data/TStrGrid.h"

#include <QtTest>

namespace {

struct Fixture
{
    Fixture()
    {
        edit.setObjectName("DBEdit1");
        edit.setDataSource(&shown);
        edit.setDataField("decpar");
        memo.setObjectName("DBMemo1");
        memo.setDataSource(&shown);
        memo.setDataField("OriNom");
        shown.show(1);
    }

    QString record(int z, const char *field) const
    {
        return store.records().text(z, store.records().fieldIndex(QString::fromLatin1(field)));
    }
    // The cell as the file holds it.
    QString onDisk(int z, const QString &field) const
    {
        TStrGrid grid;
        grid.setDivChar(QLatin1Char(';'));
        grid.setWinText(true);
        grid.LoadFromFile(data.path(&DataFolder::propFile));
        return grid.Cell(ElementColumns::indexOf(field), z);
    }
    void type(QWidget &box, const char *keys) const
    {
        box.show();
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(&box, keys);
    }

    ScratchData data;
    bool copied = data.copyShipped(&DataFolder::propFile);
    ElementStore &store = data.store();
    ShownElement shown{store};
    TDBEdit edit;
    TDBMemo memo;
};

} // namespace

class TestDbWidgets : public QObject
{
    Q_OBJECT
private slots:
    void boxesFollowTheElementShown();
    void typingIsKeptUntilAMovePostsIt();
    void refusedTextStopsTheMove();
    void memoKeepsOneLine();
    void readOnlyBoxLeavesTheRecord();
};

void TestDbWidgets::boxesFollowTheElementShown()
{
    Fixture f;
    QCOMPARE(f.edit.text(), QStringLiteral("Henry Cavendish"));
    QVERIFY(f.memo.toPlainText().startsWith(QStringLiteral("GREC: hydro-genes")));
    f.shown.show(2);
    QCOMPARE(f.edit.text(), f.record(2, "DECPAR"));
    QCOMPARE(f.memo.toPlainText(), f.record(2, "ORINOM"));
    f.shown.show(0);
    QCOMPARE(f.edit.text(), QString());
    QCOMPARE(f.memo.toPlainText(), QString());
}

void TestDbWidgets::typingIsKeptUntilAMovePostsIt()
{
    Fixture f;
    // A second window on the same element, as the hover panel's box and a sheet are.
    ShownElement other(f.store);
    TDBEdit otherBox;
    otherBox.setDataSource(&other);
    otherBox.setDataField("DECPAR");
    other.show(1);

    f.type(f.edit, " H.");
    QVERIFY(f.edit.holdsEdit());
    QCOMPARE(f.record(1, "DECPAR"), QStringLiteral("Henry Cavendish"));
    QCOMPARE(otherBox.text(), QStringLiteral("Henry Cavendish"));
    f.shown.show(2);
    QVERIFY(!f.edit.holdsEdit());
    QCOMPARE(otherBox.text(), QStringLiteral("Henry Cavendish H."));
    f.shown.show(1);
    QCOMPARE(f.edit.text(), QStringLiteral("Henry Cavendish H."));
    // Posted is not written: the file has it once the store writes.
    QCOMPARE(f.onDisk(1, "DECPAR"), QStringLiteral("Henry Cavendish"));
    f.store.save();
    QCOMPARE(f.onDisk(1, "DECPAR"), QStringLiteral("Henry Cavendish H."));
}

void TestDbWidgets::refusedTextStopsTheMove()
{
    Fixture f;
    TDBEdit melting;
    melting.setDataSource(&f.shown);
    melting.setDataField("_TF");
    f.type(melting, "x");
    QVERIFY_THROWS_EXCEPTION(std::exception, f.shown.show(2));
    // The element and the typed text stay, for the user to correct; the records are whole.
    QCOMPARE(f.shown.element(), 1);
    QCOMPARE(melting.text(), QStringLiteral("14,01x"));
    QCOMPARE(f.record(1, "_TF"), QStringLiteral("14,01"));
    const std::optional<QString> refusal = f.shown.tryPost();
    QVERIFY(refusal && refusal->contains(QStringLiteral("Hydrogène")));
    QTest::keyClick(&melting, Qt::Key_Escape);
    QCOMPARE(melting.text(), QStringLiteral("14,01"));
    f.shown.show(2);
    QCOMPARE(f.shown.element(), 2);
}

void TestDbWidgets::memoKeepsOneLine()
{
    Fixture f;
    f.memo.show();
    f.memo.setFocus();
    f.memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&f.memo, Qt::Key_Return);
    QTest::keyClicks(&f.memo, "x");
    QVERIFY(f.shown.text("ORINOM").endsWith(QStringLiteral("l'eau) x")));
    f.shown.show(2);
    f.shown.show(1);
    QVERIFY(f.memo.toPlainText().endsWith(QStringLiteral("l'eau) x")));
}

void TestDbWidgets::readOnlyBoxLeavesTheRecord()
{
    Fixture f;
    f.edit.setReadOnly(true);
    f.type(f.edit, "zz");
    QVERIFY(!f.shown.holdsEdit());
    QCOMPARE(f.edit.text(), QStringLiteral("Henry Cavendish"));
}

QTEST_MAIN(TestDbWidgets)
#include "tst_dbwidgets.moc"
