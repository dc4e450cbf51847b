// Reading and writing of the delimited-text grid: line rules, field splitting, quoting on
// save, the code pages, and a round trip over random grids.
#include "TestFiles.h"
#include "Thrown.h"
#include "data/Cp1252.h"
#include "data/Errors.h"
#include "data/FieldSplitter.h"
#include "data/TStrGrid.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<QStringList>;

namespace {

Rows rowsOf(const TStrGrid &grid)
{
    Rows rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.append(grid.Row(r));
    return rows;
}

TStrGrid semicolonGrid()
{
    TStrGrid grid;
    grid.setDivChar(u';');
    return grid;
}

TStrGrid gridOf(const Rows &rows)
{
    TStrGrid grid = semicolonGrid();
    grid.setColCount(rows.isEmpty() ? 0 : static_cast<int>(rows.first().size()));
    grid.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            grid.setCell(c, r, rows[r][c]);
    }
    return grid;
}

} // namespace

class TestStrGrid : public QObject
{
    Q_OBJECT
private slots:
    void splitting_data();
    void splitting();
    void loading_data();
    void loading();
    void longLineIsCutAndItsRestSkipped();
    void lineFeedsAloneMakeOneCutLine();
    void oemTextIsConverted();
    void rowOperations();
    void reloadingKeepsNothingOfTheOldTable();
    void fileReadAgainIsReadAsItNowStands();
    void cp1252RoundTripsEveryByte();
    void savingQuotes_data();
    void savingQuotes();
    void savingRefuses_data();
    void savingRefuses();
    void randomGridsRoundTrip();
};

void TestStrGrid::splitting_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QChar>("quote");
    QTest::addColumn<QStringList>("fields");
    const QChar dq(u'"');
    QTest::newRow("doubled quote") << R"("x""y";z)" << dq << QStringList{R"(x"y)", "z"};
    QTest::newRow("quoted divider") << R"("a;b";c)" << dq << QStringList{"a;b", "c"};
    QTest::newRow("empty quoted") << R"("";z)" << dq << QStringList{"", "z"};
    QTest::newRow("pair before divider") << R"("a"";b")" << dq << QStringList{"a", R"(b")"};
    QTest::newRow("quote inside plain field") << R"(a"b;c)" << dq << QStringList{R"(a"b)", "c"};
    QTest::newRow("quoting off") << R"("a;b")" << QChar() << QStringList{R"("a)", R"(b")"};
    QTest::newRow("trailing divider") << "a;" << dq << QStringList{"a", ""};
    QTest::newRow("empty line") << "" << dq << QStringList{""};
    QTest::newRow("only dividers") << ";;" << dq << QStringList{"", "", ""};
    QTest::newRow("unclosed quote") << R"("abc;def)" << dq << QStringList{"abc;def"};
    QTest::newRow("unclosed after pair") << R"("a""b)" << dq << QStringList{R"(a"b)"};
    QTest::newRow("text after closing quote") << R"("ab"c;d)" << dq << QStringList{R"(ab"c;d)"};
    QTest::newRow("quoted last field") << R"(a;"b;c")" << dq << QStringList{"a", "b;c"};
    QTest::newRow("single quotes") << "'a;b';c" << QChar(u'\'') << QStringList{"a;b", "c"};
    QTest::newRow("pair rule uses double quote")
        << R"('a'"b';c)" << QChar(u'\'') << QStringList{R"(a"b)", "c"};
}

void TestStrGrid::splitting()
{
    QFETCH(QString, line);
    QFETCH(QChar, quote);
    QFETCH(QStringList, fields);
    QCOMPARE(FieldSplitter::split(line, u';', quote), fields);
    // Taking a fixed number of fields pads with empty texts and drops the extra ones.
    QStringList padded = fields;
    padded.append(QString());
    QCOMPARE(FieldSplitter::split(line, u';', quote, fields.size() + 1), padded);
    QCOMPARE(FieldSplitter::split(line, u';', quote, 1), fields.mid(0, 1));
}

void TestStrGrid::loading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("empty line ends the table")
        << QByteArray("a;b\r\n1;2\r\n\r\n3;4\r\n") << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("missing fields are empty")
        << QByteArray("a;b;c\r\n1\r\n") << Rows{{"a", "b", "c"}, {"1", "", ""}};
    QTest::newRow("extra fields dropped")
        << QByteArray("a;b\r\n1;2;3\r\n") << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("CR line ends") << QByteArray("a;b\r1;2\r") << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("Ctrl-Z ends the file") << QByteArray("a;b\r\n1;2\r\n\x1A"
                                                        "3;4\r\n")
                                          << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("Ctrl-Z inside a line")
        << QByteArray("a;b\r\n1;2\x1A;3\r\n") << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("no final line end") << QByteArray("a;b\r\n1;2") << Rows{{"a", "b"}, {"1", "2"}};
    QTest::newRow("divider ends the names")
        << QByteArray("a;b;\r\n1;2;3\r\n") << Rows{{"a", "b", ""}, {"1", "2", "3"}};
    QTest::newRow("empty file") << QByteArray() << Rows{{""}};
    QTest::newRow("blanks kept") << QByteArray("a;b\r\n\xA0x;y \r\n")
                                 << Rows{{"a", "b"}, {QString::fromUtf16(u"\u00A0x"), "y "}};
    QTest::newRow("Windows-1252 signs")
        << QByteArray("\x80;\x9C\x81\r\n")
        << Rows{{QString::fromUtf16(u"\u20AC"), QString::fromUtf16(u"\u0153\u0081")}};
    QTest::newRow("quoted value read without quotes")
        << QByteArray("a;b\r\n\"Scheele; Gahn\";x\r\n") << Rows{{"a", "b"}, {"Scheele; Gahn", "x"}};
    QTest::newRow("plain lines around quoted ones")
        << QByteArray("a;b\r\n1;\xE9\r\n\"x;y\";3\r\n4;\"5\"\r\n6\r\n7;8;9\r\n")
        << Rows{{"a", "b"},   {"1", QString::fromUtf16(u"\u00E9")},
                {"x;y", "3"}, {"4", "5"},
                {"6", ""},    {"7", "8"}};
}

void TestStrGrid::loading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Rows, rows);
    TStrGrid grid = semicolonGrid();
    grid.LoadFromBytes(bytes);
    QCOMPARE(rowsOf(grid), rows);
    QCOMPARE(grid.RowCount(), rows.size());
    QCOMPARE(grid.ColCount(), rows.first().size());
}

void TestStrGrid::longLineIsCutAndItsRestSkipped()
{
    const QByteArray longLine = QByteArray(TStrGrid::MaxLineLength, 'x') + ";tail";
    TStrGrid grid = semicolonGrid();
    grid.LoadFromBytes("a;b\r\n" + longLine + "\r\n1;2\r\n");
    const Rows expected{{"a", "b"}, {QString(TStrGrid::MaxLineLength, u'x'), ""}, {"1", "2"}};
    QCOMPARE(rowsOf(grid), expected);
}

void TestStrGrid::lineFeedsAloneMakeOneCutLine()
{
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += "abc;def\n";
    TStrGrid grid = semicolonGrid();
    grid.LoadFromBytes(bytes);
    QCOMPARE(grid.RowCount(), 1);
    const QString kept = Cp1252::decode(bytes.left(TStrGrid::MaxLineLength));
    QCOMPARE(grid.Row(0), kept.split(u';'));
}

void TestStrGrid::oemTextIsConverted()
{
    // "été;ƒ" and "Ç│" in code page 850; the box line has no Windows-1252 form.
    const QByteArray oem("\x82t\x82;\x9F\r\n\x80\xB3;x\r\n");
    TStrGrid grid = semicolonGrid();
    grid.setWinText(false);
    grid.LoadFromBytes(oem);
    QCOMPARE(rowsOf(grid), (Rows{{QString::fromUtf16(u"été"), QString::fromUtf16(u"ƒ")},
                                 {QString::fromUtf16(u"Ç|"), "x"}}));
    // Written back in the same code page; the euro sign has no place in it.
    grid.setCell(1, 1, QString::fromUtf16(u"àÿ"));
    QCOMPARE(grid.SaveToBytes(), QByteArray("\x82t\x82;\x9F\r\n\x80|;\x85\x98\r\n"));
    grid.setCell(1, 1, QString::fromUtf16(u"\u20AC"));
    QVERIFY_THROWS_EXCEPTION(ETxtTblError, grid.SaveToBytes());
}

void TestStrGrid::rowOperations()
{
    TStrGrid grid = gridOf({{"a", "b"}, {"c", "d"}});
    grid.setRowTag(0, 10);
    grid.setRowTag(1, 20);
    grid.InsertRow(1, 15);
    QCOMPARE(rowsOf(grid), (Rows{{"a", "b"}, {"", ""}, {"c", "d"}}));
    QCOMPARE(grid.FindTag(15), 1);
    QCOMPARE(grid.FindTag(20), 2);
    grid.DeleteRow(0);
    QCOMPARE(grid.FindTag(10), -1);
    QCOMPARE(grid.FindTag(20), 1);
    QCOMPARE(grid.Cell(1, 1), QStringLiteral("d"));
    QCOMPARE(grid.Cell(2, 1), QString());
    grid.setColCount(1);
    QCOMPARE(rowsOf(grid), (Rows{{""}, {"c"}}));
    grid.Clear();
    QCOMPARE(grid.RowCount(), 0);
    QCOMPARE(grid.ColCount(), 0);
}

void TestStrGrid::reloadingKeepsNothingOfTheOldTable()
{
    // A reload fills the storage of the rows it replaces: nothing of the old rows may show
    // through, nor may a copy taken before see the new ones.
    const QByteArray wide("n;m\r\nlong text one;x\r\nlong text two;y\r\nthird;z\r\n");
    const QByteArray narrow("n;m;o\r\na\r\nb;;c\r\n");
    TStrGrid grid = semicolonGrid();
    grid.LoadFromBytes(wide);
    const TStrGrid copy = grid;
    grid.LoadFromBytes(narrow);
    const Rows narrowRows{{"n", "m", "o"}, {"a", "", ""}, {"b", "", "c"}};
    QCOMPARE(rowsOf(grid), narrowRows);
    QCOMPARE(grid.LongestCells(), (QVector<int>{1, 1, 1}));
    QCOMPARE(copy.Row(2), (QStringList{"long text two", "y"}));
    grid.Clear();
    QCOMPARE(grid.Cell(0, 0), QString());
    grid.LoadFromBytes(wide);
    QCOMPARE(rowsOf(grid), rowsOf(copy));
    grid.setCell(0, 1, QStringLiteral("changed"));
    QCOMPARE(grid.LongestCells(), (QVector<int>{13, 1}));
    grid.LoadFromBytes(narrow);
    QCOMPARE(rowsOf(grid), narrowRows);
    QCOMPARE(copy.Cell(0, 1), QStringLiteral("long text one"));
}

// A file read again gives what it holds now, never the cells of an earlier read: another text
// of the same length, or the same bytes read with another divider. A grid that changes the
// cells it read leaves those of the other grids as the file has them.
void TestStrGrid::fileReadAgainIsReadAsItNowStands()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.yop");
    QVERIFY(writeFileBytes(path, "n;m\r\na;b\r\n"));
    TStrGrid first = semicolonGrid();
    QVERIFY(first.LoadFromFile(path));
    TStrGrid second = semicolonGrid();
    QVERIFY(second.LoadFromFile(path));
    first.setCell(0, 1, QStringLiteral("x"));
    first.Clear();
    TStrGrid third = semicolonGrid();
    QVERIFY(third.LoadFromFile(path));
    QCOMPARE(rowsOf(second), (Rows{{"n", "m"}, {"a", "b"}}));
    QCOMPARE(rowsOf(third), rowsOf(second));
    QVERIFY(writeFileBytes(path, "n;m\r\nc;d\r\n"));
    QVERIFY(third.LoadFromFile(path));
    QCOMPARE(rowsOf(third), (Rows{{"n", "m"}, {"c", "d"}}));
    TStrGrid tabs;
    QVERIFY(tabs.LoadFromFile(path));
    QCOMPARE(rowsOf(tabs), (Rows{{"n;m"}, {"c;d"}}));
}

void TestStrGrid::cp1252RoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x8D), QChar(0x008D));
    QCOMPARE(text.at(0x9F), QChar(0x0178));
    QCOMPARE(text.at(0xE9), QChar(0x00E9));
    QCOMPARE(Cp1252::encode(text), std::optional<QByteArray>(all));
    qsizetype bad = -1;
    QVERIFY(!Cp1252::encode(QString::fromUtf16(u"ab\u03A9c"), &bad));
    QCOMPARE(bad, 2);
}

void TestStrGrid::savingQuotes_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("divider") << Rows{{"a;b", "c"}} << QByteArray("\"a;b\";c\r\n");
    QTest::newRow("leading quote") << Rows{{"\"x", "y"}} << QByteArray("\"\"\"x\";y\r\n");
    QTest::newRow("inner quote") << Rows{{"a\"b", "c"}} << QByteArray("a\"b;c\r\n");
    QTest::newRow("divider and final quote")
        << Rows{{"a;b\"", "c"}} << QByteArray("\"a;b\"\"\";c\r\n");
    QTest::newRow("lonely empty cell") << Rows{{"n"}, {""}} << QByteArray("n\r\n\"\"\r\n");
    QTest::newRow("empty cells") << Rows{{"a", "b"}, {"", ""}} << QByteArray("a;b\r\n;\r\n");
    // An LF not after a CR is text: a stray one (CR LF LF from an editor) must not stop saving.
    QTest::newRow("lone line feed") << Rows{{"a\nb", "c"}} << QByteArray("a\nb;c\r\n");
    QTest::newRow("line feed after a line end")
        << Rows{{"n"}, {"\nx"}} << QByteArray("n\r\n\nx\r\n");
    QTest::newRow("accents") << Rows{{QString::fromUtf16(u"Préhistoire"),
                                      QString::fromUtf16(u"\u00A0x ")}}
                             << QByteArray("Pr\xE9histoire;\xA0x \r\n");
}

void TestStrGrid::savingQuotes()
{
    QFETCH(Rows, rows);
    QFETCH(QByteArray, bytes);
    const QByteArray written = gridOf(rows).SaveToBytes();
    QCOMPARE(written, bytes);
    TStrGrid back = semicolonGrid();
    back.LoadFromBytes(written);
    QCOMPARE(rowsOf(back), rows);
}

void TestStrGrid::savingRefuses_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QChar>("quote");
    const QChar dq(u'"');
    QTest::newRow("carriage return") << "a\rb" << dq;
    QTest::newRow("Ctrl-Z") << "a\x1A" << dq;
    QTest::newRow("quote before divider") << "a\";b" << dq;
    QTest::newRow("no code point") << QString::fromUtf16(u"\u03A9") << dq;
    QTest::newRow("too long") << QString(TStrGrid::MaxLineLength, u'x') << dq;
    QTest::newRow("divider without quoting") << "a;b" << QChar();
    QTest::newRow("quote char inside other quotes") << "'a;b'" << QChar(u'\'');
}

void TestStrGrid::savingRefuses()
{
    QFETCH(QString, cell);
    QFETCH(QChar, quote);
    TStrGrid grid = gridOf({{"n", "m"}, {cell, "x"}});
    grid.setSepChar(quote);
    QVERIFY(thrownMessage<ETxtTblError>([&] {
                grid.SaveToBytes();
            }).contains(QStringLiteral("ligne 2")));
}

void TestStrGrid::randomGridsRoundTrip()
{
    const QString alphabet = QString::fromUtf16(u"ab ;\";\u00A0\u00E9\u20AC\u0153x\t'");
    QRandomGenerator random(20240601);
    for (int round = 0; round < 300; ++round) {
        const int cols = random.bounded(1, 7);
        const int rows = random.bounded(1, 9);
        TStrGrid grid = semicolonGrid();
        grid.setColCount(cols);
        grid.setRowCount(rows);
        for (int i = 0; i < cols * rows; ++i) {
            QString cell;
            for (int n = random.bounded(0, 9); n > 0; --n)
                cell += alphabet.at(random.bounded(static_cast<int>(alphabet.size())));
            cell.replace(QStringLiteral("\";"), QStringLiteral("\" ;"));
            grid.setCell(i % cols, i / cols, cell);
        }
        TStrGrid back = semicolonGrid();
        back.LoadFromBytes(grid.SaveToBytes());
        QCOMPARE(back.ColCount(), cols);
        QCOMPARE(rowsOf(back), rowsOf(grid));
    }
}

QTEST_GUILESS_MAIN(TestStrGrid)
#include "tst_strgrid.moc"
