// Pictures of a chart: the extension rule, bitmaps, the Windows metafiles as their
// readers see them, printing and the clipboard.
#include "ChartFixture.h"
#include "MessageBoxes.h"
#include "SvgShapes.h"
#include "ToolOutput.h"
#include "charts/ChartExport.h"
#include "charts/TForm5.h"
#include "charts/TForm6.h"
#include "controls/TitledPicture.h"
#include "data/GraphSelection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

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
    void zoomedPicturesStayWithinTheAxes_data();
    void zoomedPicturesStayWithinTheAxes();
    void rowColumnBorderInEveryPicture();
    void printsLandscapeAndRestores();
    void unusablePrinter();
    void noPrinterOpensThePrintDialog();
    void printsIntoPdfThroughTheDialog();
    void clipboardBitmap();
    void titledPictures_data();
    void titledPictures();

private:
    std::unique_ptr<ChartFixture> m_fixture;
    GraphSelection m_selection;
    std::unique_ptr<TForm5> m_window;
};

namespace {

bool within(const QRectF &area, const QPolygonF &points)
{
    return std::all_of(points.begin(), points.end(),
                       [&](const QPointF &p) { return area.contains(p); });
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
    m_window = std::make_unique<TForm5>(m_selection, m_fixture->store());
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
    QTest::newRow("bare name, PNG") << "/t/Graphique1" << 3 << "/t/Graphique1.png";
    QTest::newRow("bare name, PDF") << "/t/Graphique1" << 5 << "/t/Graphique1.pdf";
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
    const QStringList refused =
        messageBoxesDuring([&] { m_window->savePicture(file, ChartExport::Format(entry)); });
    QVERIFY2(refused.isEmpty(), qPrintable(refused.join(u'\n')));
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

// A folder that does not exist, a file larger than the process may write over an older
// picture: a message naming the file with the system's reason, and every file as it was.
void TestChartExport::unwritableFiles_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    const char *const names[] = {"g.bmp", "g.wmf", "g.emf"};
    for (int entry = 0; entry < 3; ++entry) {
        QTest::addRow("missing folder, entry %d", entry) << entry << "nowhere/g" << ENOENT;
        QTest::addRow("file too large, entry %d", entry) << entry << names[entry] << EFBIG;
    }
}

void TestChartExport::unwritableFiles()
{
    QFETCH(int, entry);
    QFETCH(QString, name);
    QFETCH(int, error);
    const QString old =
        m_fixture->path(QStringLiteral("g.") + QStringList{"bmp", "wmf", "emf"}[entry]);
    QVERIFY(writeFileBytes(old, "old picture"));
    const QStringList before = QDir(m_fixture->path(".")).entryList(QDir::Files);
    // The limit applies to root too; past it a write fails instead of raising the signal.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = error == EFBIG ? 200 : limit.rlim_cur;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const QStringList boxes = messageBoxesDuring(
        [&] { m_window->savePicture(m_fixture->path(name), ChartExport::Format(entry)); });
    const QString shown = boxes.size() == 1 ? boxes.front() : boxes.join(u'\n');
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, signalBefore);
    const QString written =
        ChartExport::withExtension(m_fixture->path(name), ChartExport::Format(entry));
    QVERIFY2(shown.startsWith(QStringLiteral("Impossible d'écrire le fichier « %1 » : ")
                                  .arg(QDir::toNativeSeparators(written))),
             qPrintable(shown));
    QVERIFY2(shown.contains(QString::fromLocal8Bit(std::strerror(error)), Qt::CaseInsensitive),
             qPrintable(shown));
    QCOMPARE(readFileBytes(old), QByteArray("old picture"));
    QCOMPARE(QDir(m_fixture->path(".")).entryList(QDir::Files), before);
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
    QCOMPARE(messageBoxesDuring([&] { m_window->printClick(); }).size(), 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->chart(0)->points().size(), 6);
}

// With no printer installed, "Imprimer " opens Qt's print dialog, landscape preset, rather
// than an error box; cancelling it prints nothing and says nothing.
void TestChartExport::noPrinterOpensThePrintDialog()
{
    m_window->setPrinterChoice(PrinterChoice([] { return QPrinterInfo(); }));
    const QStringList before = QDir(m_fixture->path(".")).entryList(QDir::Files);
    std::optional<QPageLayout::Orientation> offered;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QPrintDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        offered = dialog->printer()->pageLayout().orientation();
        dialog->reject();
    });
    const QStringList boxes = messageBoxesDuring([&] { m_window->printClick(); });
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));
    QCOMPARE(offered, std::optional(QPageLayout::Landscape));
    QCOMPARE(QDir(m_fixture->path(".")).entryList(QDir::Files), before);
}

// The PDF file the dialog offers gets one landscape page with the chart, its axis titles
// as text.
void TestChartExport::printsIntoPdfThroughTheDialog()
{
    const QString pdf = m_fixture->path("Graphique1.pdf");
    m_window->setPrinterChoice(PrinterChoice([] { return QPrinterInfo(); },
                                             [&](QPrinter &printer, QWidget *) {
                                                 printer.setOutputFormat(QPrinter::PdfFormat);
                                                 printer.setOutputFileName(pdf);
                                                 return true;
                                             }));
    QVERIFY(messageBoxesDuring([&] { m_window->printClick(); }).isEmpty());
    const QString info = processOutput("pdfinfo", {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
    QVERIFY2(size.hasMatch() && size.captured(1).toDouble() > size.captured(2).toDouble(),
             qPrintable(info));
    const QString text = processOutput("pdftotext", {pdf, "-"}).remove(QLatin1Char(' '));
    QVERIFY2(text.contains(QStringLiteral("Teb(K)")) && text.contains(QStringLiteral("E.N.")),
             qPrintable(text));
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

// A histogram zoomed about eightfold and a line zoomed a millionfold, saved as either
// metafile and read back by a converter: no shape reaches outside the picture, the red
// series stays on the back wall, the bars are those standing in the zoomed range and the
// line crosses the wall from side to side, as on the screen.
void TestChartExport::zoomedPicturesStayWithinTheAxes_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QRectF>("zoom"); // x from left to right, y from top to bottom
    const QRectF bars(145, 10, 60, 20);
    const QRectF line(150, 14.9995, 0.001, 0.001);
    QTest::newRow("bars, Windows metafile") << 1 << 1 << bars;
    QTest::newRow("bars, enhanced metafile") << 1 << 2 << bars;
    QTest::newRow("line, Windows metafile") << 2 << 1 << line;
    QTest::newRow("line, enhanced metafile") << 2 << 2 << line;
}

void TestChartExport::zoomedPicturesStayWithinTheAxes()
{
    QFETCH(int, tab);
    QFETCH(int, entry);
    QFETCH(QRectF, zoom);
    // Forty elements: X ten times the atomic number, Y the atomic number.
    QByteArray table("_NO_AT;_SYMBOLE;_TEB;_3EN\r\n");
    int barsInRange = 0;
    for (int z = 1; z <= 40; ++z) {
        table += QByteArray::number(z) + ";E" + QByteArray::number(z) + ";" +
                 QByteArray::number(10 * z) + ";" + QByteArray::number(z) + "\r\n";
        barsInRange += zoom.left() <= 10 * z && 10 * z <= zoom.right() && zoom.top() < z;
    }
    m_window.reset();
    m_fixture.reset();
    m_fixture = std::make_unique<ChartFixture>(table);
    m_window = std::make_unique<TForm5>(m_selection, m_fixture->store());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->tabs()->setCurrentIndex(tab);
    ElementChart *chart = m_window->chart(tab);
    chart->zoomTo(QCPRange(zoom.left(), zoom.right()), QCPRange(zoom.top(), zoom.bottom()));
    while (chart->zooming())
        chart->zoomStep();

    const QString file = m_fixture->path(entry == 1 ? "z.wmf" : "z.emf");
    const QString svgFile = m_fixture->path("z.svg");
    m_window->savePicture(file, ChartExport::Format(entry));
    const QByteArray svg = entry == 1
                               ? convertToSvg("wmf2svg", {"-o", svgFile, file}, svgFile)
                               : convertToSvg("emf2svg-conv", {"-i", file, "-o", svgFile}, svgFile);
    const SvgPicture picture = SvgShapes::read(svg);
    QVERIFY(!picture.shapes.isEmpty());
    const double slack = picture.size.width() / 200; // rounding and half a line's width
    const QRectF whole = QRectF(QPointF(0, 0), picture.size).adjusted(-slack, -slack, slack, slack);
    auto red = [](const QColor &c) {
        return c.isValid() && c.red() > 200 && c.green() < 60 && c.blue() < 60;
    };
    QRectF wall;
    for (const SvgShape &shape : picture.shapes) {
        QVERIFY(within(whole, shape.points));
        if (shape.fill.isValid() && shape.fill.red() > 200 && shape.fill.green() > 200 &&
            shape.fill.blue() < 160)
            wall = shape.points.boundingRect(); // the light yellow back wall
    }
    QVERIFY(!wall.isEmpty());
    const QRectF onWall = wall.adjusted(-slack, -slack, slack, slack);
    int bars = 0;
    double leftmost = picture.size.width(), rightmost = 0;
    for (const SvgShape &shape : picture.shapes) {
        if (!red(shape.fill) && !red(shape.stroke))
            continue;
        const QRectF box = shape.points.boundingRect();
        QVERIFY(within(onWall, shape.points));
        bars += red(shape.fill);
        leftmost = std::min(leftmost, box.left());
        rightmost = std::max(rightmost, box.right());
    }
    if (tab == 1) {
        QCOMPARE(bars, barsInRange);
    } else {
        QVERIFY2(leftmost < wall.left() + slack && rightmost > wall.right() - slack,
                 qPrintable(QStringLiteral("%1..%2").arg(leftmost).arg(rightmost)));
    }
}

namespace {

// The fraction of dark pixels along each edge of the image, the smallest of the four.
double darkEdges(const QImage &image)
{
    auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int x = 0; x < image.width(); ++x) {
        top += dark(x, 0);
        bottom += dark(x, image.height() - 1);
    }
    for (int y = 0; y < image.height(); ++y) {
        left += dark(0, y);
        right += dark(image.width() - 1, y);
    }
    return std::min({double(std::min(top, bottom)) / image.width(),
                     double(std::min(left, right)) / image.height()});
}

// The smallest rectangle holding every dark pixel.
QRect darkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

// The single-line border of the row/column charts is in every picture of them: the
// clipboard's and the saved bitmap's edges, a black outline as large as either metafile,
// and the outermost lines of the printout. The other charts have no border.
void TestChartExport::rowColumnBorderInEveryPicture()
{
    QVERIFY(darkEdges(ChartExport::bitmap(*m_window->chart(0))) < 0.5);
    TForm6 window(m_selection, m_fixture->store());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.copyClick();
    QVERIFY(darkEdges(QGuiApplication::clipboard()->image()) > 0.95);
    window.savePicture(m_fixture->path("b"), ChartExport::Format::Bmp);
    QVERIFY(darkEdges(QImage(m_fixture->path("b.bmp"))) > 0.95);

    const QString svgFile = m_fixture->path("b.svg");
    for (const auto &[entry, program] : {std::pair{1, "wmf2svg"}, {2, "emf2svg-conv"}}) {
        const QString file = m_fixture->path(entry == 1 ? "b.wmf" : "b.emf");
        window.savePicture(file, ChartExport::Format(entry));
        const SvgPicture picture = SvgShapes::read(convertToSvg(
            program,
            entry == 1 ? QStringList{"-o", svgFile, file} : QStringList{"-i", file, "-o", svgFile},
            svgFile));
        const bool outlined =
            std::any_of(picture.shapes.begin(), picture.shapes.end(), [&](const SvgShape &shape) {
                const QRectF box = shape.points.boundingRect();
                return shape.stroke == Qt::black && box.width() > 0.97 * picture.size.width() &&
                       box.height() > 0.97 * picture.size.height();
            });
        QVERIFY2(outlined, program);
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_fixture->path("print.pdf"));
    window.setPrinter(&printer);
    window.printClick();
    const QString page = m_fixture->path("page");
    QProcess::execute("pdftoppm", {"-r", "96", "-aa", "no", "-aaVector", "no", "-png",
                                   "-singlefile", m_fixture->path("print.pdf"), page});
    const QImage printed(page + ".png");
    QVERIFY(!printed.isNull());
    QVERIFY(darkEdges(printed.copy(darkBounds(printed))) > 0.95);
}

// PNG, SVG and PDF hold the chart under its title, « Y en fonction de X ».
void TestChartExport::titledPictures_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("png") << int(ChartExport::Format::Png);
    QTest::newRow("svg") << int(ChartExport::Format::Svg);
    QTest::newRow("pdf") << int(ChartExport::Format::Pdf);
}

void TestChartExport::titledPictures()
{
    QFETCH(int, format);
    const QString title = QStringLiteral("E.N. en fonction de T eb (K)");
    const ElementChart &chart = *m_window->currentChart();
    QCOMPARE(ChartExport::title(chart), title);
    const QString file = m_fixture->path("titled");
    m_window->savePicture(file, ChartExport::Format(format));
    const QString written = ChartExport::withExtension(file, ChartExport::Format(format));
    QVERIFY(QFile::exists(written));
    QImage image;
    if (format == int(ChartExport::Format::Pdf)) {
        const QString text = processOutput("pdftotext", {written, "-"});
        QVERIFY2(text.simplified().contains(title), qPrintable(text));
        return;
    }
    if (format == int(ChartExport::Format::Svg)) {
        QVERIFY(QString::fromUtf8(readFileBytes(written)).contains(title));
        const QString png = m_fixture->path("rendered.png");
        QProcess rsvg;
        rsvg.start("rsvg-convert", {"-o", png, written});
        QVERIFY(rsvg.waitForFinished(30000));
        QCOMPARE(rsvg.exitCode(), 0);
        QVERIFY(image.load(png));
    } else {
        QVERIFY(image.load(written, "PNG"));
    }
    // The SVG's size is written in millimetres, which the reader rounds up.
    const QSize expected = chart.size() + QSize(0, TitledPicture::TitleHeight);
    QVERIFY(qAbs(image.width() - expected.width()) <= 1);
    QVERIFY(qAbs(image.height() - expected.height()) <= 1);
    // Ink in the title band's middle, and the chart's red crosses below it.
    const auto inked = [&](QRect area, auto test) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (test(QColor(image.pixel(x, y))))
                    return true;
        return false;
    };
    QVERIFY(inked(QRect(image.width() / 3, 0, image.width() / 3, TitledPicture::TitleHeight),
                  [](QColor c) { return c.value() < 100; }));
    QVERIFY(inked(QRect(0, TitledPicture::TitleHeight, image.width(),
                        image.height() - TitledPicture::TitleHeight),
                  [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }));
}

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
