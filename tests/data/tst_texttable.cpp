// The data set over a delimited text file: opening, the cursor and its signals, fields,
// editing, bookmarks, locating, write-back on closing, and the grid model over it.
#include "TestFiles.h"
#include "Thrown.h"
#include "data/Errors.h"
#include "data/TTextTable.h"
#include "data/TTextTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// 103 records "n;Sn;Nom n;mass" where every tenth mass is missing.
QByteArray elementsFile()
{
    QByteArray bytes("_NO_AT;_SYMBOLE;_NOM;_M__AT\r\n");
    for (int n = 1; n <= 103; ++n) {
        const QByteArray mass = n % 10 == 0 ? QByteArray() : QByteArray::number(n * 2) + ",5";
        bytes += QByteArray::number(n) + ";S" + QByteArray::number(n) + ";Nom " +
                 QByteArray::number(n) + ";" + mass + "\r\n";
    }
    return bytes;
}

// A table named Table1 on a file of its own, in a folder of its own that a test may take away.
struct Fixture
{
    explicit Fixture(const QByteArray &bytes = elementsFile())
    {
        QDir(dir.path()).mkdir("data");
        path = dir.filePath("data/prop.yop");
        writeFileBytes(path, bytes);
        table.setObjectName("Table1");
        table.setFileName(path);
    }

    QTemporaryDir dir;
    QString path;
    TTextTable table;
};

// The same, opened.
struct OpenFixture : Fixture
{
    explicit OpenFixture(const QByteArray &file = elementsFile()) : Fixture(file) { table.Open(); }
};

// Posts `text` into field B of record `recNo`.
void postB(TTextTable &table, int recNo, const QString &text)
{
    table.setRecNo(recNo);
    table.setFieldText(QStringLiteral("B"), text);
    table.Post();
}

// Opens `table` on `path`, as another window or another copy of the program opens the file.
void openOn(TTextTable &table, const QString &path)
{
    table.setFileName(path);
    table.Open();
}

const QByteArray kThreeRecords("A;B\r\nr1;1\r\nr2;2\r\nr3;3\r\n");

// The way an edit ends: a move on, or a post.
using EditEnd = void (TTextTable::*)();

} // namespace

Q_DECLARE_METATYPE(EditEnd)

class TestTextTable : public QObject
{
    Q_OBJECT
private slots:
    void openingComputesFields();
    void emptyFileGivesOneNamelessField();
    void cursorStopsAtTheEnds();
    void recordNumber();
    void walkingToTheEnd();
    void readingFields();
    void declaredFieldsMustExist();
    void fileNameWhileOpen();
    void storedDataWhenKeepData();
    void missingFileTakesStoredRecordAsNames();
    void editEndsInTheFile_data();
    void editEndsInTheFile();
    void writtenOnce_data();
    void writtenOnce();
    void postRefuses_data();
    void postRefuses();
    void insertAppendDelete();
    void editOnEmptyTableInserts();
    void bookmarks();
    void locate();
    void filterListsMatchingRows();
    void failedWriteIsReported();
    void twoTablesKeepEachOthersEdits_data();
    void twoTablesKeepEachOthersEdits();
    void insertedAndDeletedRowsKeepOtherEdits();
    void unmatchedFileGetsTheWholeCopy_data();
    void unmatchedFileGetsTheWholeCopy();
    void lockKeepsTwoWritersApart();
    void model();
};

void TestTextTable::openingComputesFields()
{
    Fixture f("_NO_AT;_SYMBOLE;_NOM\r\n1;H;Hydrog\xE8ne\r\n2;He;H\xE9lium\r\n");
    QSignalSpy active(&f.table, &TTextTable::activeChanged);
    f.table.Open();
    QVERIFY(f.table.Active());
    QCOMPARE(active.count(), 1);
    QCOMPARE(f.table.FieldNames(), (QStringList{"_NO_AT", "_SYMBOLE", "_NOM"}));
    // The longest text of each column, its name included, plus 5.
    QCOMPARE(f.table.FieldSize(0), 11);
    QCOMPARE(f.table.FieldSize(1), 13);
    QCOMPARE(f.table.FieldSize(2), 14);
    QCOMPARE(f.table.RecordSize(), 38);
    QCOMPARE(f.table.RecordCount(), 2);
    QCOMPARE(f.table.RecNo(), 1);
    QCOMPARE(f.table.FieldText("_NOM"), QString::fromUtf16(u"Hydrogène"));
    QCOMPARE(f.table.Bookmark(), std::optional<int>(1));
    f.table.Next();
    QCOMPARE(f.table.Bookmark(), std::optional<int>(2));
}

void TestTextTable::emptyFileGivesOneNamelessField()
{
    OpenFixture f("");
    QCOMPARE(f.table.FieldNames(), QStringList{QString()});
    QCOMPARE(f.table.FieldSize(0), 5);
    QCOMPARE(f.table.RecordCount(), 0);
    QVERIFY(f.table.Eof() && f.table.Bof());
    QCOMPARE(f.table.Bookmark(), std::nullopt);
}

void TestTextTable::cursorStopsAtTheEnds()
{
    OpenFixture f;
    QSignalSpy moved(&f.table, &TTextTable::recordChanged);
    f.table.Prior();
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("1"));
    QVERIFY(f.table.Bof());
    QCOMPARE(moved.count(), 0);
    QCOMPARE(f.table.MoveBy(200), 102);
    QCOMPARE(moved.count(), 1);
    QVERIFY(f.table.Eof());
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("103"));
    f.table.Next();
    f.table.Last();
    QCOMPARE(moved.count(), 1);
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("103"));
    f.table.Prior();
    QCOMPARE(moved.count(), 2);
    QVERIFY(!f.table.Eof() && !f.table.Bof());
    QCOMPARE(f.table.MoveBy(-500), -101);
    QCOMPARE(moved.count(), 3);
    QVERIFY(f.table.Bof());
    f.table.First();
    QCOMPARE(moved.count(), 3);
    // Element n is shown by going to the first record and moving n - 1 forward.
    f.table.MoveBy(25);
    QCOMPARE(f.table.FieldText("_SYMBOLE"), QStringLiteral("S26"));
}

void TestTextTable::recordNumber()
{
    OpenFixture f;
    QSignalSpy moved(&f.table, &TTextTable::recordChanged);
    f.table.setRecNo(103);
    QCOMPARE(f.table.RecNo(), 103);
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("103"));
    f.table.setRecNo(0);
    f.table.setRecNo(104);
    f.table.setRecNo(103);
    QCOMPARE(f.table.RecNo(), 103);
    QCOMPARE(moved.count(), 1);
}

void TestTextTable::writtenOnce_data()
{
    QTest::addColumn<bool>("savedOpen");
    QTest::addColumn<int>("recNo"); // where the table stands once it has written
    QTest::newRow("saved while open") << true << 2;
    QTest::newRow("closed and opened again") << false << 1;
}

// What a table wrote, by writing what was posted or by closing, is not written again by its
// later closing, which so keeps what another writer has put there since: a table whose copy
// is older than the file writes only what it changed. Writing what was posted keeps the table
// open on its record.
void TestTextTable::writtenOnce()
{
    QFETCH(bool, savedOpen);
    OpenFixture f(kThreeRecords);
    postB(f.table, 2, "p2");
    QSignalSpy moves(&f.table, &TTextTable::recordChanged);
    if (savedOpen) {
        f.table.SavePosted();
        QCOMPARE(moves.count(), 0);
    } else {
        f.table.Close();
        f.table.Open();
    }
    QVERIFY(f.table.Active());
    QTEST(f.table.RecNo(), "recNo");
    QCOMPARE(readFileBytes(f.path), QByteArray("A;B\r\nr1;1\r\nr2;p2\r\nr3;3\r\n"));
    TTextTable other;
    openOn(other, f.path);
    postB(other, 2, "q2");
    other.Close();
    postB(f.table, 3, "p3"); // its copy still holds p2
    f.table.Close();
    QCOMPARE(readFileBytes(f.path), QByteArray("A;B\r\nr1;1\r\nr2;q2\r\nr3;p3\r\n"));
}

void TestTextTable::walkingToTheEnd()
{
    OpenFixture f;
    int seen = 0;
    int sum = 0;
    for (f.table.First(); !f.table.Eof(); f.table.Next()) {
        ++seen;
        sum += f.table.FieldText("_NO_AT").toInt();
    }
    QCOMPARE(seen, 103);
    QCOMPARE(sum, 103 * 104 / 2);
}

void TestTextTable::readingFields()
{
    Fixture f;
    f.table.setDeclaredFields(QVector<TTextTable::FieldDecl>{{"_NOM", 3}, {"_no_at", 0}});
    f.table.Open();
    f.table.setRecNo(10);
    QCOMPARE(f.table.FieldText("_NOM"), QStringLiteral("Nom"));
    QCOMPARE(f.table.FieldText("_m__at"), QString());
    QCOMPARE(f.table.FieldValue("_M__AT"), std::nullopt);
    f.table.Next();
    QCOMPARE(f.table.FieldValue("_M__AT"), std::optional<QString>("22,5"));
    QCOMPARE(thrownMessage<EDatabaseError>([&] { f.table.FieldText("NOPE"); }),
             QStringLiteral("Table1: Field 'NOPE' not found"));
    f.table.Close();
    QCOMPARE(f.table.FieldText("_NOM"), QString());
    // Two names that differ in case only: either spelling finds the same field.
    Fixture twice("b;B\r\n1;2\r\n");
    twice.table.Open();
    QCOMPARE(twice.table.FieldText("b"), QStringLiteral("2"));
    QCOMPARE(twice.table.FieldText("B"), QStringLiteral("2"));
}

void TestTextTable::declaredFieldsMustExist()
{
    Fixture f;
    f.table.setDeclaredFields(QStringList{"_NO_AT", "_ABSENT"});
    QCOMPARE(thrownMessage<EDatabaseError>([&] { f.table.Open(); }),
             QStringLiteral("Table1: Field '_ABSENT' not found"));
    QVERIFY(!f.table.Active());
    // Without its file the table has no field at all; the first declared one is named.
    QFile::remove(f.path);
    f.table.setDeclaredFields(QStringList{"_NO_AT", "_NOM"});
    QCOMPARE(thrownMessage<EDatabaseError>([&] { f.table.Open(); }),
             QStringLiteral("Table1: Field '_NO_AT' not found"));
}

void TestTextTable::fileNameWhileOpen()
{
    OpenFixture f;
    QCOMPARE(thrownMessage<ETxtTblError>([&] { f.table.setFileName("other.yop"); }),
             QStringLiteral("Can't change this property while table is active "));
    QCOMPARE(f.table.FileName(), f.path);
    f.table.Close();
    f.table.setKeepData(true);
    f.table.setFileName(f.dir.filePath("other.yop"));
    QVERIFY(!f.table.KeepData());
}

void TestTextTable::storedDataWhenKeepData()
{
    TTextTable table;
    table.setKeepData(true);
    table.setFldNames({"A", "B"});
    table.Grid().setColCount(2);
    table.Grid().setRowCount(2);
    table.Grid().setCell(0, 1, "x");
    table.Open();
    QCOMPARE(table.RecordCount(), 2);
    table.Next();
    QCOMPARE(table.FieldText("a"), QStringLiteral("x"));
    table.Close();
    QCOMPARE(table.FldNames(), (QStringList{"A", "B"}));
    QCOMPARE(table.Grid().RowCount(), 2);
}

void TestTextTable::missingFileTakesStoredRecordAsNames()
{
    Fixture f;
    QFile::remove(f.path);
    f.table.Grid().setColCount(2);
    f.table.Grid().setRowCount(2);
    f.table.Grid().setCell(0, 0, "1");
    f.table.Grid().setCell(1, 0, "H");
    f.table.Grid().setCell(1, 1, "He");
    f.table.Open();
    QCOMPARE(f.table.FieldNames(), (QStringList{"1", "H"}));
    QCOMPARE(f.table.RecordCount(), 1);
}

void TestTextTable::editEndsInTheFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("widthOfA"); // 0: A is not declared narrower
    QTest::addColumn<QString>("typed");
    QTest::addColumn<EditEnd>("ending"); // none: the table is closed in the middle of the edit
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("written");
    using T = TTextTable;
    QTest::newRow("posted by moving on")
        << QByteArray("A;B\r\n\"x;y\";1\r\n\xA0z;2\r\n") << 1 << "B" << 0 << "9" << &T::Next
        << QStringList{"x;y", "9"} << QByteArray("A;B\r\n\"x;y\";9\r\n\xA0z;2\r\n");
    // A window may declare a field narrower than its longest text: reading cuts it, an edit
    // of another field of the record must not.
    QTest::newRow("beside a narrow field")
        << QByteArray("A;B\r\nlonger than declared;1\r\n") << 1 << "B" << 6 << "2" << &T::Post
        << QStringList{"longer", "2"} << QByteArray("A;B\r\nlonger than declared;2\r\n");
    QTest::newRow("not posted") << QByteArray("A;B\r\nx;1\r\n") << 1 << "B" << 0 << "changed"
                                << EditEnd()
                                << QStringList{"x", "change"} // cut to the field's size
                                << QByteArray("A;B\r\nx;1\r\n");
    // A value erased is written as an empty cell, the cells around it as they were.
    const QByteArray three("A;B;C\r\nr1;1;x\r\nr2;2;y\r\nr3;3;z\r\n");
    QTest::newRow("first field erased")
        << three << 2 << "A" << 0 << QString() << &T::Post << QStringList{"", "2", "y"}
        << QByteArray("A;B;C\r\nr1;1;x\r\n;2;y\r\nr3;3;z\r\n");
    QTest::newRow("middle field erased")
        << three << 2 << "B" << 0 << QString() << &T::Post << QStringList{"r2", "", "y"}
        << QByteArray("A;B;C\r\nr1;1;x\r\nr2;;y\r\nr3;3;z\r\n");
    QTest::newRow("last field erased")
        << three << 2 << "C" << 0 << QString() << &T::Post << QStringList{"r2", "2", ""}
        << QByteArray("A;B;C\r\nr1;1;x\r\nr2;2;\r\nr3;3;z\r\n");
}

// A posted edit is written back on closing, the rest of the file as it was, and reads back (an
// empty text as no value); an edit never posted is dropped.
void TestTextTable::editEndsInTheFile()
{
    QFETCH(QByteArray, file);
    QFETCH(int, recNo);
    QFETCH(QString, field);
    QFETCH(int, widthOfA);
    QFETCH(QString, typed);
    QFETCH(EditEnd, ending);
    Fixture f(file);
    if (widthOfA > 0)
        f.table.setDeclaredFields(QVector<TTextTable::FieldDecl>{{"A", widthOfA}, {"B", 0}});
    f.table.Open();
    f.table.setRecNo(recNo);
    const QString before = f.table.FieldText(field);
    f.table.setFieldText(field, typed);
    QVERIFY(f.table.FieldEdited(field));
    QCOMPARE(f.table.state(), TTextTable::State::Edit);
    QStringList shown;
    for (const QString &name : f.table.FieldNames())
        shown << f.table.FieldText(name);
    QTEST(shown, "shown");
    const bool posted = ending != nullptr;
    if (posted)
        (f.table.*ending)();
    QCOMPARE(f.table.state(), posted ? TTextTable::State::Browse : TTextTable::State::Edit);
    f.table.Close();
    QCOMPARE(f.table.Modified(), posted);
    QTEST(readFileBytes(f.path), "written");
    TTextTable again;
    openOn(again, f.path);
    again.setRecNo(recNo);
    const QString readBack = posted ? typed : before;
    QCOMPARE(again.FieldValue(field),
             readBack.isEmpty() ? std::nullopt : std::optional<QString>(readBack));
    QCOMPARE(again.RecordCount(), int(file.count('\n')) - 1);
    again.Close();
    // The mark stays, but what was written is not written again: a later opening and closing
    // without a change leaves the file alone, as does one by a table that changed nothing.
    for (TTextTable *table : {&f.table, &again}) {
        table->Open();
        QVERIFY(QFile::remove(f.path));
        table->Close();
        QVERIFY(!QFile::exists(f.path));
        QVERIFY(writeFileBytes(f.path, "A;B\r\nx;1\r\n"));
    }
    QCOMPARE(f.table.Modified(), posted);
}

void TestTextTable::postRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no code point") << QString::fromUtf16(u"r\u00E9sum\u00E9 \u03A9");
    QTest::newRow("quote before divider") << "Dupont\"; Durand";
    QTest::newRow("carriage return") << "a\rb";
    QTest::newRow("Ctrl-Z") << "a\x1A";
    QTest::newRow("line too long") << QString(3000, u'"');
    QTest::newRow("value check") << "refused";
}

// A value the file cannot hold is refused when it is posted, not found at the file's write:
// the record keeps the text to be corrected, the other posted edits are written.
void TestTextTable::postRefuses()
{
    QFETCH(QString, text);
    const QByteArray wide(3000, 'w');
    Fixture f("A;B\r\nx;1\r\ny;" + wide + "\r\n");
    f.table.setValueCheck([](int field, const QString &t) -> std::optional<QString> {
        if (field == 1 && t == u"refused")
            return QStringLiteral("refusé par la règle");
        return std::nullopt;
    });
    f.table.Open();
    f.table.setFieldText("B", "a\nb"); // an LF alone reads back and is accepted
    f.table.Next();
    f.table.setFieldText("B", text);
    const QString refusal = thrownMessage<ETxtTblError>([&] { f.table.Post(); });
    QVERIFY2(refusal.startsWith(QStringLiteral("Enregistrement 2, champ B : ")),
             qPrintable(refusal));
    QCOMPARE(f.table.state(), TTextTable::State::Edit);
    QCOMPARE(f.table.FieldText("B"), text);
    QVERIFY_THROWS_EXCEPTION(ETxtTblError, f.table.Prior()); // nor does a move post it
    QCOMPARE(f.table.RecNo(), 2);
    f.table.Cancel();
    f.table.Close();
    QCOMPARE(readFileBytes(f.path), "A;B\r\nx;a\nb\r\ny;" + wide + "\r\n");
}

void TestTextTable::insertAppendDelete()
{
    OpenFixture f("A;B\r\nr1;1\r\nr2;2\r\nr3;3\r\n");
    f.table.Append();
    f.table.setFieldText("A", "r4");
    f.table.Post();
    QCOMPARE(f.table.RecordCount(), 4);
    QCOMPARE(f.table.RecNo(), 4);
    QCOMPARE(f.table.Bookmark(), std::optional<int>(4));
    f.table.setRecNo(2);
    f.table.Insert();
    QCOMPARE(f.table.FieldText("A"), QString());
    f.table.setFieldText("A", "new");
    f.table.Post();
    QCOMPARE(f.table.RecNo(), 2);
    QCOMPARE(f.table.Bookmark(), std::optional<int>(5));
    f.table.Next();
    QCOMPARE(f.table.FieldText("A"), QStringLiteral("r2"));
    f.table.Insert();
    f.table.Cancel();
    QCOMPARE(f.table.RecordCount(), 5);
    QCOMPARE(f.table.FieldText("A"), QStringLiteral("r2"));
    f.table.Last();
    f.table.Delete();
    QCOMPARE(f.table.RecordCount(), 4);
    QCOMPARE(f.table.FieldText("A"), QStringLiteral("r3"));
    f.table.Close();
    QCOMPARE(readFileBytes(f.path), QByteArray("A;B\r\nr1;1\r\nnew;\r\nr2;2\r\nr3;3\r\n"));
}

void TestTextTable::editOnEmptyTableInserts()
{
    OpenFixture f("A;B\r\n");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.table.Delete());
    f.table.Edit();
    QCOMPARE(f.table.state(), TTextTable::State::Insert);
    f.table.setFieldText("A", "z");
    f.table.Post();
    QCOMPARE(f.table.RecordCount(), 1);
    QCOMPARE(f.table.FieldText("a"), QStringLiteral("z"));
}

void TestTextTable::bookmarks()
{
    OpenFixture f;
    f.table.setRecNo(50);
    const std::optional<int> mark = f.table.Bookmark();
    QVERIFY(mark);
    f.table.First();
    f.table.GotoBookmark(*mark);
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("50"));
    f.table.Delete();
    QCOMPARE(thrownMessage<EDatabaseError>([&] { f.table.GotoBookmark(*mark); }),
             QStringLiteral("Bookmark not found"));
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("51"));
}

void TestTextTable::locate()
{
    OpenFixture f;
    QSignalSpy moved(&f.table, &TTextTable::recordChanged);
    QVERIFY(!f.table.Locate("_SYMBOLE", "s26"));
    QVERIFY(f.table.Locate("_SYMBOLE", "s26", TTextTable::CaseInsensitive));
    QCOMPARE(f.table.RecNo(), 26);
    QVERIFY(!f.table.Locate("_NOM", "m 10")); // a part of the text only where asked for
    QVERIFY(f.table.Locate("_NOM", "m 10", TTextTable::PartialKey));
    QCOMPARE(f.table.RecNo(), 10);
    QVERIFY(!f.table.Locate("_NOM", "absent", TTextTable::PartialKey));
    QCOMPARE(f.table.RecNo(), 10);
    QCOMPARE(moved.count(), 2);
}

void TestTextTable::filterListsMatchingRows()
{
    Fixture f;
    f.table.setFilter("_NO_AT > 100 OR [_SYMBOLE] = 'S7'");
    f.table.setFiltered(true);
    f.table.Open();
    QCOMPARE(f.table.RecordCount(), 4);
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("7"));
    f.table.setFilter("_M__AT = NULL");
    QCOMPARE(f.table.RecordCount(), 10);
    // Records deleted under the filter leave the others in place.
    f.table.setRecNo(2);
    f.table.Delete();
    QCOMPARE(f.table.FieldText("_NO_AT"), QStringLiteral("30"));
    QVERIFY(f.table.Locate("_NO_AT", "100"));
    QCOMPARE(f.table.RecNo(), 9);
    QVERIFY(!f.table.Locate("_NO_AT", "5"));
    f.table.setFiltered(false);
    QCOMPARE(f.table.RecordCount(), 102);
    // A faulty expression leaves the filter applied as it was.
    f.table.setFiltered(true);
    QCOMPARE(f.table.RecordCount(), 9);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.table.setFilter("_NO_AT ="));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.table.setFilter("ABSENT = 1"));
    QCOMPARE(f.table.RecordCount(), 9);
    QCOMPARE(f.table.Filter(), QStringLiteral("_M__AT = NULL"));
}

void TestTextTable::failedWriteIsReported()
{
    Fixture f("A;B\r\nx;1\r\n");
    QSignalSpy failed(&f.table, &TTextTable::writeFailed);
    f.table.Open();
    f.table.setFieldText("B", "2");
    f.table.Post();
    // The folder gives way to a plain file: no write can succeed.
    const QString folder = QFileInfo(f.path).path();
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(writeFileBytes(folder, "plain"));
    f.table.Close();
    QCOMPARE(failed.count(), 1);
    // The message names the file and says that the changes are lost.
    const QString message = failed.first().first().toString();
    QVERIFY2(message.contains(f.path), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("modifications n'ont pas été enregistrées")),
             qPrintable(message));
    QVERIFY(!f.table.Active());
}

void TestTextTable::twoTablesKeepEachOthersEdits_data()
{
    QTest::addColumn<bool>("firstClosesFirst");
    QTest::addColumn<QByteArray>("expected");
    // Record 3 was changed by both: the table that writes last has it.
    QTest::newRow("first closes first") << true << QByteArray("A;B\r\nr1;p1\r\nr2;q2\r\nr3;q3\r\n");
    QTest::newRow("second closes first")
        << false << QByteArray("A;B\r\nr1;p1\r\nr2;q2\r\nr3;p3\r\n");
}

// Two tables on one file, each with its own copy: each writes its own changes onto the file as
// the other left it.
void TestTextTable::twoTablesKeepEachOthersEdits()
{
    QFETCH(bool, firstClosesFirst);
    Fixture f(kThreeRecords);
    TTextTable second;
    f.table.Open();
    openOn(second, f.path);
    postB(f.table, 1, "p1");
    postB(second, 2, "q2");
    postB(f.table, 3, "p3");
    postB(second, 3, "q3");
    QSignalSpy failed(&f.table, &TTextTable::writeFailed);
    for (TTextTable *table : firstClosesFirst ? QList<TTextTable *>{&f.table, &second}
                                              : QList<TTextTable *>{&second, &f.table})
        table->Close();
    QTEST(readFileBytes(f.path), "expected");
    QCOMPARE(failed.count(), 0);
}

// Records keep the places the table read them at: its insertions and deletions go where they
// were made, among the cells another table changed meanwhile. A record it deleted stays
// deleted, even when the other changed it.
void TestTextTable::insertedAndDeletedRowsKeepOtherEdits()
{
    Fixture f("A;B\r\nr1;1\r\nr2;2\r\nr3;3\r\nr4;4\r\n");
    TTextTable second;
    f.table.Open();
    openOn(second, f.path);
    f.table.setRecNo(2);
    f.table.Delete();
    f.table.Append();
    f.table.setFieldText("A", "r5");
    f.table.Post();
    f.table.First();
    f.table.Insert();
    f.table.setFieldText("A", "r0");
    f.table.Post();
    postB(second, 2, "q2");
    postB(second, 3, "q3");
    second.Close();
    f.table.Close();
    QCOMPARE(readFileBytes(f.path), QByteArray("A;B\r\nr0;\r\nr1;1\r\nr3;q3\r\nr4;4\r\nr5;\r\n"));
}

void TestTextTable::unmatchedFileGetsTheWholeCopy_data()
{
    QTest::addColumn<QByteArray>("onDisk"); // empty: the file is gone
    QTest::addColumn<QString>("cause");
    QTest::newRow("a record fewer")
        << QByteArray("A;B\r\nr1;1\r\nr2;2\r\n") << "il contient 2 enregistrements au lieu des 3";
    QTest::newRow("other columns")
        << QByteArray("A;C\r\nr1;1\r\nr2;2\r\nr3;3\r\n") << "ses colonnes ne sont plus celles";
    QTest::newRow("gone") << QByteArray() << "est introuvable";
    QTest::newRow("saved in UTF-8")
        << QByteArray("A;B\r\nr1;1\r\nr2;\xC3\xA9\r\nr3;3\r\n") << "est enregistré en UTF-8";
    QTest::newRow("LF line ends") << QByteArray("A;B\nr1;1\nr2;2\nr3;3\n")
                                  << "fins de ligne sans retour chariot";
    QTest::newRow("a key twice") << QByteArray("A;B\r\nr1;1\r\nr1;2\r\nr3;3\r\n")
                                 << "deux de ses enregistrements ont « A » égal à « r1 »";
    QTest::newRow("a key gone") << QByteArray("A;B\r\nr1;1\r\nr9;2\r\nr3;3\r\n")
                                << "aucun de ses enregistrements n'a plus « A » égal à « r2 »";
}

// A file that no longer holds the table read cannot take the changed cells at their places:
// the table's whole copy keeps the user's edits, and the user is told why.
void TestTextTable::unmatchedFileGetsTheWholeCopy()
{
    QFETCH(QByteArray, onDisk);
    QFETCH(QString, cause);
    Fixture f(kThreeRecords);
    QSignalSpy told(&f.table, &TTextTable::writeFailed);
    f.table.setKeyField("A");
    f.table.Open();
    postB(f.table, 1, "p1");
    QVERIFY(onDisk.isEmpty() ? QFile::remove(f.path) : writeFileBytes(f.path, onDisk));
    f.table.Close();
    QCOMPARE(readFileBytes(f.path), QByteArray("A;B\r\nr1;p1\r\nr2;2\r\nr3;3\r\n"));
    QCOMPARE(told.count(), 1);
    const QString message = told.first().first().toString();
    for (const QString &part : {f.path, cause, QStringLiteral("ont été enregistrées")})
        QVERIFY2(message.contains(part), qPrintable(message));
}

// A second writer closing between this table's read of the file and its write waits for it,
// then lays its change over this one's.
void TestTextTable::lockKeepsTwoWritersApart()
{
    OpenFixture f(kThreeRecords);
    postB(f.table, 1, "p1");
    std::atomic<bool> waiting{false};
    bool sawItWait = false;
    std::thread second;
    f.table.setWriteObserver([&](TableChanges::Step step) {
        if (step != TableChanges::Step::FileRead || second.joinable())
            return;
        second = std::thread([path = f.path, &waiting] {
            TTextTable other;
            other.setFileName(path);
            other.setWriteObserver([&waiting](TableChanges::Step s) {
                if (s == TableChanges::Step::LockBusy)
                    waiting = true;
            });
            other.Open();
            postB(other, 2, "q2");
            other.Close();
        });
        sawItWait = QTest::qWaitFor([&] { return waiting.load(); }, 5000);
    });
    f.table.Close();
    if (second.joinable())
        second.join();
    QCOMPARE(readFileBytes(f.path), QByteArray("A;B\r\nr1;p1\r\nr2;q2\r\nr3;3\r\n"));
    QVERIFY(sawItWait);
}

void TestTextTable::model()
{
    Fixture f;
    TTextTableModel model(&f.table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    f.table.Open();
    QCOMPARE(model.rowCount(), 103);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("_NOM"));
    QCOMPARE(model.data(model.index(25, 1)).toString(), QStringLiteral("S26"));
    QVERIFY(model.setData(model.index(4, 2), "Bore"));
    QVERIFY(f.table.Modified());
    QCOMPARE(f.table.RecNo(), 5);
    QCOMPARE(f.table.FieldText("_NOM"), QStringLiteral("Bore"));
    QVERIFY_THROWS_EXCEPTION(ETxtTblError,
                             model.setData(model.index(4, 2), QStringLiteral("\u03A9")));
    QCOMPARE(f.table.state(), TTextTable::State::Browse);
    QCOMPARE(model.data(model.index(4, 2)).toString(), QStringLiteral("Bore"));
    f.table.Delete();
    QCOMPARE(model.rowCount(), 102);
    f.table.setFilter("_NO_AT < 4");
    f.table.setFiltered(true);
    QCOMPARE(model.rowCount(), 3);
    f.table.Close();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
}

QTEST_GUILESS_MAIN(TestTextTable)
#include "tst_texttable.moc"
