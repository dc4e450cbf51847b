// Pictures of a chart: the extension rule, bitmaps, the Windows metafiles as their
// readers see them, printing and the clipboard.
#include "ChartFixture.h"
#include "charts/ChartExport.h"
#include "charts/TForm5.h"
#include "data/GraphSelection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

class TestChartExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void extensionRule_data();
    void extensionRule();
    void contentFollowsTheFilterEntry();
    void metafilesAsTheirReadersSeeThem_data();
    void metafilesAsTheirReadersSeeThem();
    void unwritableFiles_data();
    void unwritableFiles();
    void completedNameAsksBeforeReplacing();
    void printsLandscapeAndRestores();
    void unusablePrinter();
    void clipboardBitmap();

private:
    std::unique_ptr<ChartFixture> m_fixture;
    GraphSelection m_selection;
    std::unique_ptr<TForm5> m_window;
};

namespace {

// Closes the next message box and returns its text, empty when none appeared.
QString closeNextMessageBox(const std::function<void()> &action)
{
    QString text;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        text = box->text();
        box->accept();
    });
    action();
    return text;
}

QByteArray convertToSvg(const QString &program, const QStringList &arguments, const QString &svg)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QFile file(svg);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestChartExport::init()
{
    m_fixture = std::make_unique<ChartFixture>();
    m_selection = GraphSelection{};
    m_selection.xTitle = QStringLiteral("T eb (K)");
    m_selection.xColumn = QStringLiteral("_TEB");
    m_selection.yTitle = QStringLiteral("E.N.");
    m_selection.yColumn = QStringLiteral("_3EN");
    m_window = std::make_unique<TForm5>(m_selection);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestChartExport::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

void TestChartExport::extensionRule_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name, bitmap") << "/t/Graphique1" << 0 << "/t/Graphique1.bmp";
    QTest::newRow("bare name, metafile") << "/t/Graphique1" << 1 << "/t/Graphique1.wmf";
    QTest::newRow("bare name, enhanced") << "/t/Graphique1" << 2 << "/t/Graphique1.emf";
    QTest::newRow("other extension kept") << "/t/g.bmp" << 2 << "/t/g.bmp";
    QTest::newRow("unknown extension kept") << "/t/g.txt" << 1 << "/t/g.txt";
    QTest::newRow("trailing dot kept") << "/t/g." << 0 << "/t/g.";
    QTest::newRow("dot in the folder only") << "/t/v1.2/g" << 1 << "/t/v1.2/g.wmf";
    QTest::newRow("hidden name kept") << "/t/.g" << 0 << "/t/.g";
}

void TestChartExport::extensionRule()
{
    QFETCH(QString, chosen);
    QFETCH(int, entry);
    QFETCH(QString, written);
    QCOMPARE(ChartExport::withExtension(chosen, ChartExport::Format(entry)), written);
}

// A bare name under the second entry is a Windows metafile ".wmf"; a ".bmp" name under the
// third is an enhanced metafile under that very name; the first entry is a bitmap of the
// chart's size.
void TestChartExport::contentFollowsTheFilterEntry()
{
    m_window->savePicture(m_fixture->path("plain"), ChartExport::Format::Wmf);
    QCOMPARE(readFileBytes(m_fixture->path("plain.wmf")).left(4), QByteArray("\xD7\xCD\xC6\x9A"));
    m_window->savePicture(m_fixture->path("enhanced.bmp"), ChartExport::Format::Emf);
    const QByteArray emf = readFileBytes(m_fixture->path("enhanced.bmp"));
    QCOMPARE(emf.mid(40, 4), QByteArray(" EMF"));
    QVERIFY(!QFile::exists(m_fixture->path("enhanced.bmp.emf")));
    m_window->savePicture(m_fixture->path("picture"), ChartExport::Format::Bmp);
    QImageReader reader(m_fixture->path("picture.bmp"));
    QCOMPARE(reader.format(), QByteArray("bmp"));
    QCOMPARE(reader.size(), m_window->currentChart()->size());
}

// The readers find one cross (two red strokes) per plotted element, and the axis titles
// as text, not as pictures.
void TestChartExport::metafilesAsTheirReadersSeeThem_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("width"); // of the window, 0 for its own
    QTest::newRow("enhanced metafile") << 2 << "emf2svg-conv" << 0;
    QTest::newRow("Windows metafile") << 1 << "wmf2svg" << 0;
    // Wider than the 16-bit coordinates hold at the usual precision.
    QTest::newRow("wide Windows metafile") << 1 << "wmf2svg" << 3708;
}

void TestChartExport::metafilesAsTheirReadersSeeThem()
{
    QFETCH(int, entry);
    QFETCH(QString, program);
    QFETCH(int, width);
    const QString file = m_fixture->path(entry == 1 ? "g.wmf" : "g.emf");
    const QString svgFile = m_fixture->path("g.svg");
    if (width)
        m_window->resize(width, m_window->height());
    QString refused;
    QTimer boxes;
    connect(&boxes, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            refused = box->text();
            box->accept();
        }
    });
    boxes.start(20);
    m_window->savePicture(file, ChartExport::Format(entry));
    QVERIFY2(refused.isEmpty(), qPrintable(refused));
    const QStringList arguments =
        entry == 1 ? QStringList{"-o", svgFile, file} : QStringList{"-i", file, "-o", svgFile};
    const QString svg = QString::fromUtf8(convertToSvg(program, arguments, svgFile));
    QVERIFY2(!svg.isEmpty(), qPrintable(program));
    // One reader writes a text element per string, the other one per character, without
    // the blanks.
    QString texts;
    static const QRegularExpression Text(
        QStringLiteral("<text[^>]*>\\s*(?:<!\\[CDATA\\[)?([^<\\]]*)"));
    for (const QRegularExpressionMatch &m : Text.globalMatch(svg))
        texts += m.captured(1).remove(QLatin1Char(' '));
    QVERIFY2(texts.contains(QStringLiteral("Teb(K)")), qPrintable(texts));
    QVERIFY(texts.contains(QStringLiteral("E.N.")));
    QVERIFY(texts.contains(QStringLiteral("Bxxxx")));
    QVERIFY(texts.contains(QStringLiteral("2,5")));
    static const QRegularExpression RedStroke(QStringLiteral("stroke(=\"#FF0000\"|:red)"));
    int strokes = 0;
    for (auto it = RedStroke.globalMatch(svg); it.hasNext(); it.next())
        ++strokes;
    QCOMPARE(strokes, 2 * int(m_window->chart(0)->points().size()));
}

// A folder that does not exist, a "folder" that is a file: a message naming the file, no file.
void TestChartExport::unwritableFiles_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 0; entry < 3; ++entry)
        QTest::newRow(qPrintable(QStringLiteral("entry %1").arg(entry))) << entry;
}

void TestChartExport::unwritableFiles()
{
    QFETCH(int, entry);
    const QString underAFile = m_fixture->path("prop.yop/g");
    QVERIFY(!closeNextMessageBox([&] {
                 m_window->savePicture(underAFile, ChartExport::Format(entry));
             }).isEmpty());
    const QString missing = m_fixture->path("nowhere/g");
    const QString shown =
        closeNextMessageBox([&] { m_window->savePicture(missing, ChartExport::Format(entry)); });
    QVERIFY2(shown.startsWith(QStringLiteral("Impossible d'écrire le fichier « ")),
             qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("nowhere")));
    QVERIFY(!QDir(m_fixture->path("nowhere")).exists());
}

// The dialog asked about the name as typed; a completed name that exists is asked about
// too, and "No" leaves that file as it was.
void TestChartExport::completedNameAsksBeforeReplacing()
{
    const QString existing = m_fixture->path("g.wmf");
    QVERIFY(writeFileBytes(existing, "keep"));
    QString asked;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        asked = box->text();
        box->button(QMessageBox::No)->click();
    });
    m_window->savePicture(m_fixture->path("g"), ChartExport::Format::Wmf);
    QVERIFY2(asked.contains(QStringLiteral("g.wmf existe déjà")), qPrintable(asked));
    QCOMPARE(readFileBytes(existing), QByteArray("keep"));
}

void TestChartExport::printsLandscapeAndRestores()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_fixture->path("print.pdf"));
    printer.setPageOrientation(QPageLayout::Portrait);
    m_window->tabs()->setCurrentIndex(2);
    m_window->setPrinter(&printer);
    m_window->printClick();
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    const QByteArray pdf = readFileBytes(m_fixture->path("print.pdf"));
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
}

// A printer that cannot start (here, its output cannot be created) is reported, and the
// window goes on with its charts.
void TestChartExport::unusablePrinter()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_fixture->path("nowhere/print.pdf"));
    m_window->setPrinter(&printer);
    QVERIFY(!closeNextMessageBox([&] { m_window->printClick(); }).isEmpty());
    QVERIFY(m_window->isVisible());
    if (QPrinterInfo::defaultPrinter().isNull()) {
        m_window->setPrinter(nullptr);
        QCOMPARE(closeNextMessageBox([&] { m_window->printClick(); }),
                 QStringLiteral("Aucune imprimante n'est installée."));
    }
    QCOMPARE(m_window->chart(0)->points().size(), 6);
}

// The clipboard gets the showing chart at its size, its back wall light yellow.
void TestChartExport::clipboardBitmap()
{
    m_window->tabs()->setCurrentIndex(1);
    m_window->copyClick();
    const QImage image = QGuiApplication::clipboard()->image();
    ElementChart *chart = m_window->chart(1);
    QCOMPARE(image.size(), chart->size());
    const QRect wall = chart->axisRect()->rect();
    int yellow = 0;
    for (int y = wall.top(); y < wall.bottom(); y += 4)
        for (int x = wall.left(); x < wall.right(); x += 4)
            yellow += image.pixelColor(x, y) == ElementChart::BackWall;
    QVERIFY(yellow > (wall.width() / 4) * (wall.height() / 4) / 2);
}

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
