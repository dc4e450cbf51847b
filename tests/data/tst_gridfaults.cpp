// Faults around the grid's file: missing and unreadable files, garbage, huge lines, and writes
// that fail half-way, which must keep the old file whole.
#include "TestFiles.h"
#include "Thrown.h"
#include "data/Errors.h"
#include "data/TStrGrid.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

TStrGrid bigGrid(int rows)
{
    TStrGrid grid;
    grid.setDivChar(u';');
    grid.setColCount(4);
    grid.setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 4; ++c)
            grid.setCell(c, r, QStringLiteral("cellule %1-%2 ").arg(r).arg(c).repeated(8));
    }
    return grid;
}

// Every row holds exactly ColCount cells, none longer than a line may be.
void checkShape(const TStrGrid &grid)
{
    QCOMPARE(grid.Cells().size(), qsizetype(grid.RowCount()) * grid.ColCount());
    for (const QString &cell : grid.Cells())
        QVERIFY(cell.size() <= TStrGrid::MaxLineLength);
}

} // namespace

class TestGridFaults : public QObject
{
    Q_OBJECT
private slots:
    void missingFileKeepsTheGrid();
    void binaryGarbage();
    void tenMegabyteLine();
    void unwritableFolder();
    void fullDiskKeepsOldFile();
    void readOnlyFileKeepsOldFile();
    void refusedCellLeavesFileUntouched();
    void writeGoesThroughATemporaryFile();
};

void TestGridFaults::missingFileKeepsTheGrid()
{
    TStrGrid grid = bigGrid(3);
    QTemporaryDir dir;
    QVERIFY(!grid.LoadFromFile(dir.filePath("absent.yop")));
    QVERIFY(!grid.LoadFromFile(QString()));
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.Cell(0, 2), bigGrid(3).Cell(0, 2));
}

void TestGridFaults::binaryGarbage()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        for (char &b : bytes)
            b = static_cast<char>(random.bounded(256));
        TStrGrid grid;
        grid.setDivChar(u';');
        grid.LoadFromBytes(bytes);
        QVERIFY(grid.RowCount() >= 1);
        checkShape(grid);
    }
}

void TestGridFaults::tenMegabyteLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.yop");
    QVERIFY(writeFileBytes(path, QByteArray("a;").repeated(5 * 1024 * 1024)));
    TStrGrid grid;
    grid.setDivChar(u';');
    QVERIFY(grid.LoadFromFile(path));
    // The first 4096 characters hold 2048 times "a;": 2048 names and an empty last one.
    QCOMPARE(grid.RowCount(), 1);
    QCOMPARE(grid.ColCount(), TStrGrid::MaxLineLength / 2 + 1);
    QCOMPARE(grid.Cell(grid.ColCount() - 1, 0), QString());
    checkShape(grid);
}

void TestGridFaults::unwritableFolder()
{
    QTemporaryDir dir;
    // A plain file standing where the folder should be stops even the super-user.
    const QString notAFolder = dir.filePath("plain");
    QVERIFY(writeFileBytes(notAFolder, "x"));
    QVERIFY_THROWS_EXCEPTION(EInOutError, bigGrid(2).SaveToFile(notAFolder + "/prop.yop"));
    QCOMPARE(readFileBytes(notAFolder), QByteArray("x"));
}

void TestGridFaults::fullDiskKeepsOldFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small tmpfs needs the super-user");
    QTemporaryDir dir;
    const QString mountPoint = dir.path();
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
        QSKIP("no tmpfs could be mounted");
    const QString path = mountPoint + "/prop.yop";
    const QByteArray old("n;m\r\nold;file\r\n");
    QVERIFY(writeFileBytes(path, old));
    const QString message = thrownMessage<EInOutError>([&] {
        bigGrid(400).SaveToFile(path); // about 150 KB
    });
    const QByteArray after = readFileBytes(path);
    const QStringList left = QDir(mountPoint).entryList(QDir::Files | QDir::Hidden);
    QProcess::execute("umount", {mountPoint});
    // The system's reason, not an unknown error.
    QVERIFY2(message.contains(path) && message.contains(QStringLiteral("le disque est plein")),
             qPrintable(message));
    QCOMPARE(after, old);
    QCOMPARE(left, QStringList{"prop.yop"});
}

void TestGridFaults::readOnlyFileKeepsOldFile()
{
    if (geteuid() == 0)
        QSKIP("the super-user writes through read-only modes");
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(path, "old"));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY_THROWS_EXCEPTION(EInOutError, bigGrid(2).SaveToFile(path));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(readFileBytes(path), QByteArray("old"));
}

void TestGridFaults::refusedCellLeavesFileUntouched()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(path, "old"));
    TStrGrid grid = bigGrid(3);
    grid.setCell(2, 2, QStringLiteral("deux\r\nlignes"));
    QVERIFY_THROWS_EXCEPTION(ETxtTblError, grid.SaveToFile(path));
    QCOMPARE(readFileBytes(path), QByteArray("old"));
}

void TestGridFaults::writeGoesThroughATemporaryFile()
{
    // The new table is written beside the old file and renamed over it: a second name of the
    // old file keeps the old bytes, which a write in place would overwrite, and no
    // temporary file is left behind.
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    const QString second = dir.filePath("second-name.yop");
    QVERIFY(writeFileBytes(path, "old"));
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()), 0);
    bigGrid(2).SaveToFile(path);
    QCOMPARE(readFileBytes(path), bigGrid(2).SaveToBytes());
    QCOMPARE(readFileBytes(second), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"prop.yop", "second-name.yop"}));
}

QTEST_GUILESS_MAIN(TestGridFaults)
#include "tst_gridfaults.moc"
