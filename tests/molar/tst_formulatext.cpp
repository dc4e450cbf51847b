// The formula text's check (error positions), the correction of its symbols' case in the three
// modes, the text's status and its split into lines.
#include "molar/FormulaText.h"

#include <QtTest>

class TestFormulaText : public QObject
{
    Q_OBJECT

private slots:
    void errorPosition_data();
    void errorPosition();
    void correction_data();
    void correction();
    void lines_data();
    void lines();
    void overlappingReadingsStayLinear();
    void twoLetterLookupReachesMeitnerium();
};

void TestFormulaText::errorPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caseSensitive");
    QTest::addColumn<int>("caseless");
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("NaCl") << "NaCl" << 0 << 0;
    // Case-sensitively N reaches the C (3), NA stops at its capital A (2); without case NA CL
    // reads.
    QTest::newRow("NACL") << "NACL" << 3 << 0;
    QTest::newRow("CO as carbon oxide") << "CO" << 0 << 0;
    QTest::newRow("co lower case") << "co" << 1 << 0;
    QTest::newRow("H2O1") << "H2O1" << 0 << 0;
    QTest::newRow("neutral signs") << "CuSO4*5H2O (s) [x]" << 13 << 17;
    QTest::newRow("middle dot is neutral") << QString::fromUtf8("CuSO4·5H2O") << 0 << 0;
    QTest::newRow("J begins nothing") << "HJ" << 2 << 2;
    QTest::newRow("Q begins nothing") << "Q" << 1 << 1;
    QTest::newRow("U V W only alone") << "UVW2" << 0 << 0;
    QTest::newRow("after U") << "Uq" << 2 << 2;
    // The furthest reading: Ca then "q" (3) beats C then "aq" (2).
    QTest::newRow("furthest reading") << "Caq" << 3 << 3;
    QTest::newRow("one letter without symbol") << "A" << 1 << 1;
    QTest::newRow("two letters not a symbol") << "Xx" << 1 << 1;
    QTest::newRow("unknown sign") << "H2O!" << 4 << 4;
    QTest::newRow("accented letter") << QString::fromUtf8("Hé") << 2 << 2;
    QTest::newRow("tab and blanks") << "H2\t O" << 0 << 0;
    QTest::newRow("meitnerium, not beyond") << "MtDs" << 3 << 3;
    QTest::newRow("capital second letter") << "CL" << 2 << 0;
}

void TestFormulaText::errorPosition()
{
    QFETCH(QString, text);
    QFETCH(int, caseSensitive);
    QFETCH(int, caseless);
    QCOMPARE(FormulaText::errorPosition(text, true), qsizetype(caseSensitive));
    QCOMPARE(FormulaText::errorPosition(text, false), qsizetype(caseless));
}

void TestFormulaText::correction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<int>("status");
    const int none = int(TChemTryCorrect::tchNone);
    const int careful = int(TChemTryCorrect::tchCareful);
    const int all = int(TChemTryCorrect::tchAll);
    QTest::newRow("valid stays, none") << "NaCl" << none << "NaCl" << 2;
    QTest::newRow("valid stays, all") << "CO" << all << "CO" << 2;
    QTest::newRow("caseless kept, none") << "NACL" << none << "NACL" << 1;
    QTest::newRow("caseless corrected, careful") << "NACL" << careful << "NaCl" << 2;
    QTest::newRow("co becomes Co") << "co" << careful << "Co" << 2;
    QTest::newRow("user's capital wins") << "cO" << careful << "CO" << 2;
    QTest::newRow("lower run") << "ca(oh)2" << careful << "Ca(OH)2" << 2;
    QTest::newRow("uvw upper") << "uo2" << careful << "UO2" << 2;
    QTest::newRow("invalid kept, careful") << "nacl!" << careful << "nacl!" << 0;
    // tchAll corrects the runs that read even when the line does not.
    QTest::newRow("invalid corrected, all") << "nacl!" << all << "NaCl!" << 0;
    QTest::newRow("run that fails is kept, all") << "jx nacl" << all << "jx NaCl" << 0;
    QTest::newRow("several lines, smallest status")
        << "H2O\r\nnacl\nCO" << careful << "H2O\r\nNaCl\nCO" << 2;
    QTest::newRow("one bad line") << "H2O\nnacl\nHJ" << none << "H2O\nnacl\nHJ" << 0;
    QTest::newRow("long lower run") << "fecocuzn" << careful << "FeCoCuZn" << 2;
}

void TestFormulaText::correction()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(QString, corrected);
    QFETCH(int, status);
    QString stored = text;
    QCOMPARE(FormulaText::checkText(stored, TChemTryCorrect(mode)), status);
    QCOMPARE(stored, corrected);
}

void TestFormulaText::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty text is one line") << "" << QStringList{""};
    QTest::newRow("CR LF one break") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("LF CR one break") << "a\n\rb" << QStringList{"a", "b"};
    QTest::newRow("two CR enclose a line") << "a\r\rb" << QStringList{"a", "", "b"};
    QTest::newRow("two LF enclose a line") << "a\n\nb" << QStringList{"a", "", "b"};
    QTest::newRow("final break") << "a\n" << QStringList{"a", ""};
    QTest::newRow("CR LF CR LF") << "\r\n\r\n" << QStringList{"", "", ""};
}

void TestFormulaText::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QStringList got;
    for (const FormulaText::Line &line : FormulaText::lines(text))
        got << text.mid(line.start, line.length);
    QCOMPARE(got, expected);
}

void TestFormulaText::overlappingReadingsStayLinear()
{
    // Each "NO" reads as N O or as No: tried by plain recursion, the readings of such a run
    // double with every two letters, and 60 letters would never end.
    const QString nono = QString("NO").repeated(5000) + QLatin1Char('J');
    QCOMPARE(FormulaText::errorPosition(nono, true), qsizetype(10001));
    QString coco = QString("co").repeated(5000) + QLatin1Char('!');
    QCOMPARE(FormulaText::errorPosition(coco, false), qsizetype(10001));
    QCOMPARE(FormulaText::checkText(coco, TChemTryCorrect::tchAll), 0);
    // The run itself reads, so it is corrected; the "!" keeps the line invalid.
    QCOMPARE(coco.left(4), QStringLiteral("CoCo"));
    QCOMPARE(coco.size(), 10001);
}

void TestFormulaText::twoLetterLookupReachesMeitnerium()
{
    QCOMPARE(FormulaText::symbolNumber(u'h', u'e'), 2);
    QCOMPARE(FormulaText::symbolNumber(u'M', u't'), 109);
    QCOMPARE(FormulaText::symbolNumber(u'L', u'r'), 103);
    QCOMPARE(FormulaText::symbolNumber(u'D', u's'), 0);
    QCOMPARE(FormulaText::symbolNumber(u'J', u'a'), 0);
    QCOMPARE(FormulaText::symbolNumber(u'N', u'1'), 0);
}

QTEST_GUILESS_MAIN(TestFormulaText)
#include "tst_formulatext.moc"
