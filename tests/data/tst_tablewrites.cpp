// Writes of one table file by two copies of the program: the lock that keeps them apart, even
// through links, records found by their key whatever their order, and a cell both changed.
// The other copy is a real process (table_writer) where the lock is concerned.
#include "TestFiles.h"
#include "data/TTextTable.h"
#include "data/TableLock.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kElements("_NO_AT;_NOM;B\r\n1;H;1\r\n2;He;2\r\n3;Li;3\r\n");

// Another copy of the program, run by table_writer with `args`.
class OtherCopy
{
public:
    explicit OtherCopy(const QStringList &args)
    {
        m_process.start(QStringLiteral(TABLE_WRITER), args);
    }
    ~OtherCopy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    // Waits for the copy to print `line`.
    bool says(const QByteArray &line)
    {
        while (!m_out.contains(line + '\n')) {
            if (!m_process.waitForReadyRead(10000))
                return false;
            m_out += m_process.readAllStandardOutput();
        }
        return true;
    }
    bool endsWell()
    {
        return m_process.waitForFinished(20000) && m_process.exitStatus() == QProcess::NormalExit &&
               m_process.exitCode() == 0;
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_out;
};

// Posts `text` into field B of the record whose _NO_AT is `number`.
void postB(TTextTable &table, const QString &number, const QString &text)
{
    QVERIFY(table.Locate(QStringLiteral("_NO_AT"), number));
    table.setFieldText(QStringLiteral("B"), text);
    table.Post();
}

// A table on `path` keyed by _NO_AT, open.
void openKeyed(TTextTable &table, const QString &path)
{
    table.setDivChar(u';');
    table.setFileName(path);
    table.setKeyField(QStringLiteral("_NO_AT"));
    table.Open();
}

} // namespace

class TestTableWrites : public QObject
{
    Q_OBJECT
private slots:
    void liveWriterIsWaitedFor_data();
    void liveWriterIsWaitedFor();
    void lockOfAKilledCopyIsTakenAtOnce();
    void recordsAreFoundByTheirKey_data();
    void recordsAreFoundByTheirKey();
    void cellChangedByBothAsksTheResolver_data();
    void cellChangedByBothAsksTheResolver();
};

void TestTableWrites::liveWriterIsWaitedFor_data()
{
    QTest::addColumn<bool>("throughLinks");
    QTest::addColumn<QString>("holdsMs");
    QTest::newRow("one path") << false << "1500";
    // Longer than any bound on the wait that would then write without the lock.
    QTest::newRow("one path, held eleven seconds") << false << "11000";
    QTest::newRow("two folders linking one file") << true << "1500";
}

// The other copy holds the lock a long while between its read of the
// file and its write: this copy waits for it, telling its observer, and then lays its own
// change over the other's, so that neither is lost. A link stays a link.
void TestTableWrites::liveWriterIsWaitedFor()
{
    QFETCH(bool, throughLinks);
    QFETCH(QString, holdsMs);
    QTemporaryDir dir;
    const QString real = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(real, kElements));
    QString mine = real;
    QString theirs = real;
    if (throughLinks) {
        QVERIFY(QDir(dir.path()).mkdir("a") && QDir(dir.path()).mkdir("b"));
        mine = dir.filePath("a/prop.yop");
        theirs = dir.filePath("b/prop.yop");
        QVERIFY(QFile::link(real, mine) && QFile::link(real, theirs));
    }
    TTextTable table;
    openKeyed(table, mine);
    postB(table, "1", "p1");
    OtherCopy other({"write", theirs, "2", "B", "q2", holdsMs});
    QVERIFY(other.says("read"));
    QList<TableChanges::Step> steps;
    table.setWriteObserver([&steps](TableChanges::Step step) {
        if (steps.isEmpty() || steps.last() != step)
            steps.append(step);
    });
    table.Close();
    QVERIFY(other.endsWell());
    using Step = TableChanges::Step;
    const QList<Step> waited{Step::LockBusy, Step::LockWaiting, Step::LockTaken, Step::FileRead};
    QCOMPARE(steps, waited);
    QCOMPARE(readFileBytes(real), QByteArray("_NO_AT;_NOM;B\r\n1;H;p1\r\n2;He;q2\r\n3;Li;3\r\n"));
    QCOMPARE(QFileInfo(mine).isSymLink(), throughLinks);
    QCOMPARE(QFileInfo(theirs).isSymLink(), throughLinks);
}

// A copy killed while it held the lock is gone: its lock is no reason to wait.
void TestTableWrites::lockOfAKilledCopyIsTakenAtOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(path, kElements));
    {
        OtherCopy other({"hold", path, "0"});
        QVERIFY(other.says("locked"));
        other.process().kill();
        QVERIFY(other.process().waitForFinished());
    }
    QVERIFY(QFile::exists(TableLock::lockPath(path)));
    TTextTable table;
    openKeyed(table, path);
    postB(table, "3", "p3");
    QList<TableChanges::Step> steps;
    table.setWriteObserver([&steps](TableChanges::Step step) { steps.append(step); });
    table.Close();
    QCOMPARE(steps, QList<TableChanges::Step>{TableChanges::Step::FileRead});
    QCOMPARE(readFileBytes(path), QByteArray("_NO_AT;_NOM;B\r\n1;H;1\r\n2;He;2\r\n3;Li;p3\r\n"));
}

void TestTableWrites::recordsAreFoundByTheirKey_data()
{
    QTest::addColumn<bool>("insertHere");
    QTest::addColumn<QByteArray>("expected");
    // The disk's order stays when only cells changed here.
    QTest::newRow("cells changed")
        << false << QByteArray("_NO_AT;_NOM;B\r\n1;H;1\r\n3;Li;q3\r\n2;He;p2\r\n");
    QTest::newRow("a record inserted")
        << true << QByteArray("_NO_AT;_NOM;B\r\n1;H;1\r\n2;He;p2\r\n3;Li;q3\r\n4;Be;\r\n");
}

// Another copy wrote the file with two records swapped and one of them changed: this copy's
// change of the other record goes into that record, and the other copy's change stays.
void TestTableWrites::recordsAreFoundByTheirKey()
{
    QFETCH(bool, insertHere);
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(path, kElements));
    TTextTable table;
    openKeyed(table, path);
    postB(table, "2", "p2");
    if (insertHere) {
        table.Append();
        table.setFieldText("_NO_AT", "4");
        table.setFieldText("_NOM", "Be");
        table.Post();
    }
    QVERIFY(writeFileBytes(path, "_NO_AT;_NOM;B\r\n1;H;1\r\n3;Li;q3\r\n2;He;2\r\n"));
    QSignalSpy told(&table, &TTextTable::writeFailed);
    table.Close();
    QTEST(readFileBytes(path), "expected");
    QCOMPARE(told.count(), 0);
}

void TestTableWrites::cellChangedByBothAsksTheResolver_data()
{
    QTest::addColumn<QString>("otherWrites"); // the other copy's text for He's B
    QTest::addColumn<bool>("otherIsAProcess");
    QTest::addColumn<int>("answer"); // -1: no resolver; 0: take theirs; 1: keep ours
    QTest::addColumn<int>("questions");
    QTest::addColumn<QByteArray>("heB");
    QTest::newRow("kept") << "q2" << false << 1 << 1 << QByteArray("p2");
    QTest::newRow("taken from the other") << "q2" << false << 0 << 1 << QByteArray("q2");
    QTest::newRow("no resolver: ours") << "q2" << false << -1 << 0 << QByteArray("p2");
    QTest::newRow("the same value") << "p2" << false << 0 << 0 << QByteArray("p2");
    QTest::newRow("changed back by the other") << "2" << false << 0 << 0 << QByteArray("p2");
    QTest::newRow("another process, taken") << "q2" << true << 0 << 1 << QByteArray("q2");
}

// A cell this copy changed, changed on disk too since this copy read it, goes to the resolver
// with both texts; a cell the other left as read, or wrote as this copy did, asks nothing.
void TestTableWrites::cellChangedByBothAsksTheResolver()
{
    QFETCH(QString, otherWrites);
    QFETCH(bool, otherIsAProcess);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(QByteArray, heB);
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(path, kElements));
    TTextTable table;
    openKeyed(table, path);
    postB(table, "2", "p2");
    postB(table, "3", "p3"); // changed here only
    if (otherIsAProcess) {
        OtherCopy other({"write", path, "2", "B", otherWrites, "0"});
        QVERIFY(other.endsWell());
    } else {
        TTextTable second;
        openKeyed(second, path);
        postB(second, "2", otherWrites);
        second.Close();
    }
    QList<TableChanges::Conflict> asked;
    if (answer >= 0)
        table.setConflictResolver([&](const TableChanges::Conflict &conflict) {
            asked.append(conflict);
            return answer == 1;
        });
    table.Close();
    QCOMPARE(asked.size(), questions);
    if (questions > 0) {
        QCOMPARE(asked[0].record.value(1), QStringLiteral("He"));
        QCOMPARE(asked[0].names.value(asked[0].field), QStringLiteral("B"));
        QCOMPARE(asked[0].theirs, otherWrites);
        QCOMPARE(asked[0].ours, QStringLiteral("p2"));
    }
    QCOMPARE(readFileBytes(path), "_NO_AT;_NOM;B\r\n1;H;1\r\n2;He;" + heB + "\r\n3;Li;p3\r\n");
}

QTEST_GUILESS_MAIN(TestTableWrites)
#include "tst_tablewrites.moc"
