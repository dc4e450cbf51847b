// Sections of the crystal-structure and isotope files.
#include "TestFiles.h"
#include "Thrown.h"
#include "data/Errors.h"
#include "data/SectionFile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kFile("en-t\xEAte\r\n"
                       "#1\r\n2\r\nH-1\r\nH-2\r\n"
                       "#2\r\n0\r\n"
                       "#26\r\n12\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6\r\nl7\r\nl8\r\nl9\r\nl10\r\n"
                       "l11\r\nl12\r\n"
                       "#8\r\nhuit\r\n"
                       "#9\r\n3\r\nseule\r\n");

} // namespace

class TestSectionFile : public QObject
{
    Q_OBJECT
private slots:
    void sections_data();
    void sections();
    void lineEnds_data();
    void lineEnds();
    void countMustBeInteger();
    void missingFile();
    void textSavedInUtf8_data();
    void textSavedInUtf8();
};

void TestSectionFile::sections_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("first") << "1" << true << "2" << QStringList{"H-1", "H-2"};
    QTest::newRow("count of zero") << "2" << true << "0" << QStringList{};
    const QStringList twelve{"l1", "l2", "l3", "l4",  "l5",  "l6",
                             "l7", "l8", "l9", "l10", "l11", "l12"};
    QTest::newRow("twelve lines") << "26" << true << "12" << twelve;
    QTest::newRow("file ends early") << "9" << true << "3" << QStringList{"seule"};
    QTest::newRow("absent number") << "104" << false << "" << QStringList{};
    QTest::newRow("empty number") << "" << false << "" << QStringList{};
    QTest::newRow("lines compared whole") << "6" << false << "" << QStringList{};
}

void TestSectionFile::sections()
{
    QFETCH(QString, number);
    QFETCH(bool, found);
    QFETCH(QString, count);
    QFETCH(QStringList, lines);
    const SectionFile::Section section = SectionFile::read(kFile, number);
    QCOMPARE(section.found, found);
    QCOMPARE(section.countText, count);
    QCOMPARE(section.lines, lines);
}

void TestSectionFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR") << QByteArray("#7\r2\rN-14\rN-15\r#8") << QStringList{"N-14", "N-15"};
    QTest::newRow("LF") << QByteArray("#7\n2\nN-14\nN-15\n") << QStringList{"N-14", "N-15"};
    QTest::newRow("mixed, last line without its end")
        << QByteArray("x\n#7\r\n3\rN-14\r\nN-15") << QStringList{"N-14", "N-15"};
    QTest::newRow("LF then CR: an empty line between")
        << QByteArray("#7\n2\nN-14\n\rN-15\n") << QStringList{"N-14", ""};
    QTest::newRow("CR LF CR LF: an empty line")
        << QByteArray("#7\r\n2\r\n\r\nN-15\r\n") << QStringList{"", "N-15"};
}

void TestSectionFile::lineEnds()
{
    QFETCH(QByteArray, bytes);
    const SectionFile::Section section = SectionFile::read(bytes, "7");
    QVERIFY(section.found);
    QTEST(section.lines, "lines");
}

void TestSectionFile::countMustBeInteger()
{
    try {
        SectionFile::read(kFile, "8", "iso.yop");
        QFAIL("a word was taken as a count");
    } catch (const EConvertError &e) {
        QCOMPARE(e.message(), QStringLiteral("Fichier « iso.yop », ligne 23 : le nombre de lignes "
                                             "de la section « #8 » : « huit » n'est pas un nombre "
                                             "entier valide."));
        QCOMPARE(e.place(), QStringLiteral("iso.yop:23"));
    }
}

void TestSectionFile::missingFile()
{
    QTemporaryDir dir;
    QCOMPARE(
        thrownMessage<EInOutError>([&] { SectionFile::readFile(dir.filePath("struct.yop"), "1"); }),
        QStringLiteral("Le fichier « %1 » est introuvable.").arg(dir.filePath("struct.yop")));
    const QString path = dir.filePath("iso.yop");
    QVERIFY(writeFileBytes(path, "#3\n1\nLi-7 \xB5\n"));
    const SectionFile::Section section = SectionFile::readFile(path, "3");
    QCOMPARE(section.lines, QStringList{QString::fromUtf16(u"Li-7 µ")});
}

void TestSectionFile::textSavedInUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252") << QByteArray("#26\r\n1\r\nCubique centr\xE9\r\n");
    QTest::newRow("UTF-8") << QByteArray("#26\r\n1\r\nCubique centr\xC3\xA9\r\n");
    QTest::newRow("UTF-8 with its mark")
        << QByteArray("\xEF\xBB\xBF#26\r\n1\r\nCubique centr\xC3\xA9\r\n");
    QTest::newRow("Windows-1252 behind a UTF-8 mark")
        << QByteArray("\xEF\xBB\xBF#26\r\n1\r\nCubique centr\xE9\r\n");
}

// A section file that a text editor saved in UTF-8 reads as the same text, never as
// « centrÃ© »; its byte-order mark does not hide the first section, nor make Windows-1252
// text behind it read as UTF-8 (« centr� »).
void TestSectionFile::textSavedInUtf8()
{
    QFETCH(QByteArray, bytes);
    const SectionFile::Section section = SectionFile::read(bytes, "26");
    QVERIFY(section.found);
    QCOMPARE(section.lines, QStringList{QString::fromUtf16(u"Cubique centré")});
}

QTEST_GUILESS_MAIN(TestSectionFile)
#include "tst_sectionfile.moc"
