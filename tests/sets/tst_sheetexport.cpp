// The sets grid's way out: the order of a sort, the stored zip, and the CSV and OpenDocument
// files read back, by LibreOffice where it is installed.
#include "ToolOutput.h"
#include "sets/SetsSort.h"
#include "sets/SheetExport.h"
#include "sets/StoredZip.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The texts in the order sortedOrder gives.
QStringList sorted(const QStringList &texts, Qt::SortOrder order)
{
    QStringList out;
    for (const int position : SetsSort::sortedOrder(texts, order))
        out.append(texts[position]);
    return out;
}

// A sample with what a cell can hold: numbers, words with accents, a ';', a quote, empties.
const SheetExport::Rows Sample = {
    {QStringLiteral("N° At"), QStringLiteral("nom"), QStringLiteral("M. At. (g/mol)")},
    {QStringLiteral("1"), QStringLiteral("Hydrogène"), QStringLiteral("1,008")},
    {QStringLiteral("2"), QStringLiteral("a;b"), QStringLiteral("-4,00E-08")},
    {QStringLiteral("3"), QStringLiteral("dit \"x\""), QString()},
};

QString unzipped(const QString &archive, const QString &entry)
{
    return processOutput(QStringLiteral("unzip"), {QStringLiteral("-p"), archive, entry});
}

} // namespace

class TestSheetExport : public QObject
{
    Q_OBJECT

private slots:
    void sortOrder_data();
    void sortOrder();
    void crcOfTheCheckString();
    void zipReadBackByUnzip();
    void csvText();
    void odsContent();
    void libreOfficeReadsEveryCell_data();
    void libreOfficeReadsEveryCell();
};

void TestSheetExport::sortOrder_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("expected");
    const auto list = [](const char *joined) {
        return QString::fromUtf8(joined).split(QLatin1Char('/'));
    };
    QTest::newRow("numbers by value")
        << list("10/9,5/-1/1,2E3/2") << false << list("-1/2/9,5/10/1,2E3");
    QTest::newRow("numbers reversed") << list("10/9,5/-1") << true << list("10/9,5/-1");
    QTest::newRow("accents after the plain letter")
        << list("Erbium/Étain/eau/Europium/Zinc/Azote") << false
        << list("Azote/eau/Erbium/Étain/Europium/Zinc");
    QTest::newRow("empty last ascending") << list("3//1/ ") << false << list("1/3// ");
    QTest::newRow("empty last descending") << list("3//1") << true << list("3/1/");
    QTest::newRow("numbers before words")
        << list("gaz/4,5/solide") << false << list("4,5/gaz/solide");
    QTest::newRow("ties keep their order") << list("b/a/b/a") << false << list("a/a/b/b");
}

void TestSheetExport::sortOrder()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, descending);
    QFETCH(QStringList, expected);
    QCOMPARE(sorted(texts, descending ? Qt::DescendingOrder : Qt::AscendingOrder), expected);
}

void TestSheetExport::crcOfTheCheckString()
{
    // The check value of CRC-32/ISO-HDLC.
    QCOMPARE(StoredZip::crc32("123456789"), 0xCBF43926u);
    QCOMPARE(StoredZip::crc32({}), 0u);
}

void TestSheetExport::zipReadBackByUnzip()
{
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        QSKIP("unzip is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.zip"));
    QByteArray big(70000, 'x');
    big[1234] = '\xE9';
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(StoredZip::archive({{QStringLiteral("first"), "un"},
                                   {QStringLiteral("dossier/é.bin"), big},
                                   {QStringLiteral("empty"), {}}}));
    file.close();
    // unzip -t checks every entry's CRC and the directory against the local headers.
    QVERIFY(!processOutput(QStringLiteral("unzip"), {QStringLiteral("-t"), path}).isEmpty());
    QCOMPARE(unzipped(path, QStringLiteral("first")), QStringLiteral("un"));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("dossier/*")});
    QVERIFY(unzip.waitForFinished());
    QCOMPARE(unzip.readAllStandardOutput(), big);
}

void TestSheetExport::csvText()
{
    const QByteArray bytes = SheetExport::csv(Sample);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(bytes.mid(3)), QStringLiteral("N° At;nom;M. At. (g/mol)\r\n"
                                                             "1;Hydrogène;1,008\r\n"
                                                             "2;\"a;b\";-4,00E-08\r\n"
                                                             "3;\"dit \"\"x\"\"\";\r\n"));
}

void TestSheetExport::odsContent()
{
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        QSKIP("unzip is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ods"));
    const QByteArray bytes = SheetExport::ods(Sample, QStringLiteral("Ensembles"));
    // The mimetype first and stored, so that its text stands at offset 38.
    QCOMPARE(bytes.mid(30, 8), QByteArray("mimetype"));
    QCOMPARE(bytes.mid(38, 46), QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(unzipped(path, QStringLiteral("META-INF/manifest.xml")).contains("content.xml"));
    const QString content = unzipped(path, QStringLiteral("content.xml"));
    QVERIFY(content.contains(QStringLiteral(
        "<table:table-cell office:value-type=\"float\" office:value=\"1.008\"><text:p>1,008")));
    QVERIFY(content.contains(QStringLiteral("office:value=\"-4e-08\"")));
    QVERIFY(content.contains(
        QStringLiteral("office:value-type=\"string\"><text:p>dit &quot;x&quot;</text:p>")));
    QVERIFY(content.contains(QStringLiteral("<text:p>Hydrogène</text:p>")));
}

void TestSheetExport::libreOfficeReadsEveryCell_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("csv") << QStringLiteral("csv");
    QTest::newRow("ods") << QStringLiteral("ods");
}

void TestSheetExport::libreOfficeReadsEveryCell()
{
    QFETCH(QString, suffix);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("grille.") + suffix);
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(suffix == QLatin1String("ods") ? SheetExport::ods(Sample, QStringLiteral("E"))
                                              : SheetExport::csv(Sample));
    file.close();
    // Read as a French spreadsheet reads it (';', decimal comma, UTF-8), written back with
    // ',' between cells and the values as formatted in English: a number read as a number
    // comes back with a decimal point.
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    QProcess office;
    office.start(soffice,
                 {QStringLiteral("-env:UserInstallation=file://") + dir.filePath("profile"),
                  QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:59,34,76,1,,1036"),
                  QStringLiteral("--convert-to"),
                  QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,1033"),
                  QStringLiteral("--outdir"), out, in});
    QVERIFY(office.waitForFinished(120000));
    QFile converted(out + QStringLiteral("/grille.csv"));
    QVERIFY2(converted.open(QIODevice::ReadOnly), qPrintable(office.readAllStandardError()));
    const QStringList lines = QString::fromUtf8(converted.readAll())
                                  .remove(QChar(0xFEFF))
                                  .split(QStringLiteral("\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[1].trimmed(), QStringLiteral("1,Hydrogène,1.008"));
    // The exponent comes back as a number, in whichever format Calc keeps for it (« -4.00E-08 »
    // from the text, « -0.00000004 » from the document); a text would keep its comma.
    const QStringList second = lines[2].trimmed().split(QLatin1Char(','));
    QCOMPARE(second.size(), 3);
    QCOMPARE(second.mid(0, 2), QStringList({QStringLiteral("2"), QStringLiteral("a;b")}));
    bool number = false;
    QCOMPARE(second[2].toDouble(&number), -4e-08);
    QVERIFY2(number, qPrintable(second[2]));
    QCOMPARE(lines[3].trimmed(), QStringLiteral("3,\"dit \"\"x\"\"\","));
}

QTEST_GUILESS_MAIN(TestSheetExport)
#include "tst_sheetexport.moc"
