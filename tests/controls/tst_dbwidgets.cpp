// The data-aware boxes: they follow the table's record, and what the user types is posted when
// the table moves on.
#include "TestFiles.h"
#include "controls/TDBEdit.h"
#include "controls/TDBMemo.h"
#include "data/TTextTable.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Fixture
{
    Fixture()
    {
        path = dir.filePath("prop.yop");
        writeFileBytes(path, "_NO_AT;DECPAR;ORINOM\r\n1;Cavendish;grec: hydro\r\n2;Ramsay;grec: "
                             "helios\r\n");
        table.setFileName(path);
        edit.setObjectName("DBEdit1");
        edit.setDataSource(&table);
        edit.setDataField("decpar");
        memo.setObjectName("DBMemo1");
        memo.setDataSource(&table);
        memo.setDataField("OriNom");
    }

    QByteArray fileBytes() const { return readFileBytes(path); }

    QTemporaryDir dir;
    QString path;
    TTextTable table;
    TDBEdit edit;
    TDBMemo memo;
};

} // namespace

class TestDbWidgets : public QObject
{
    Q_OBJECT
private slots:
    void boxesFollowTheRecord();
    void typingEditsAndMovingPosts();
    void memoKeepsOneLine();
    void readOnlyBoxLeavesTheTable();
};

void TestDbWidgets::boxesFollowTheRecord()
{
    Fixture f;
    QCOMPARE(f.edit.text(), QString());
    f.table.Open();
    QCOMPARE(f.edit.text(), QStringLiteral("Cavendish"));
    QCOMPARE(f.memo.toPlainText(), QStringLiteral("grec: hydro"));
    f.table.Next();
    QCOMPARE(f.edit.text(), QStringLiteral("Ramsay"));
    QCOMPARE(f.memo.toPlainText(), QStringLiteral("grec: helios"));
    f.table.Close();
    QCOMPARE(f.edit.text(), QString());
    QCOMPARE(f.memo.toPlainText(), QString());
}

void TestDbWidgets::typingEditsAndMovingPosts()
{
    Fixture f;
    f.table.Open();
    f.edit.show();
    f.edit.setFocus();
    f.edit.end(false);
    QTest::keyClicks(&f.edit, " H.");
    QCOMPARE(f.table.state(), TTextTable::State::Edit);
    QVERIFY(!f.table.Modified());
    f.table.Next();
    QVERIFY(f.table.Modified());
    QCOMPARE(f.edit.text(), QStringLiteral("Ramsay"));
    f.table.Prior();
    QCOMPARE(f.edit.text(), QStringLiteral("Cavendish H."));
    f.table.Close();
    QCOMPARE(f.fileBytes(), QByteArray("_NO_AT;DECPAR;ORINOM\r\n1;Cavendish H.;grec: hydro\r\n"
                                       "2;Ramsay;grec: helios\r\n"));
}

void TestDbWidgets::memoKeepsOneLine()
{
    Fixture f;
    f.table.Open();
    f.memo.show();
    f.memo.setFocus();
    f.memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&f.memo, Qt::Key_Return);
    QTest::keyClicks(&f.memo, "x");
    QCOMPARE(f.table.state(), TTextTable::State::Edit);
    QCOMPARE(f.table.FieldText("ORINOM"), QStringLiteral("grec: hydro x"));
    f.table.Next();
    f.table.Prior();
    QCOMPARE(f.memo.toPlainText(), QStringLiteral("grec: hydro x"));
}

void TestDbWidgets::readOnlyBoxLeavesTheTable()
{
    Fixture f;
    f.table.Open();
    f.edit.setReadOnly(true);
    f.edit.show();
    f.edit.setFocus();
    QTest::keyClicks(&f.edit, "zz");
    QCOMPARE(f.table.state(), TTextTable::State::Browse);
    QCOMPARE(f.edit.text(), QStringLiteral("Cavendish"));
}

QTEST_MAIN(TestDbWidgets)
#include "tst_dbwidgets.moc"
