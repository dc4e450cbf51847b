// The table on paper and as a picture: what the main window hands over for its current
// colouring, the files made of it as their readers see them, and the commands that
// print, save and copy it.
#include "MainWindowFixture.h"
#include "MessageBoxes.h"
#include "SaveDialogPlayer.h"
#include "ToolOutput.h"
#include "data/ElementTable.h"

#include "data/ElementSymbols.h"
#include "tablepicture/TablePictureFiles.h"
#include "tablepicture/TablePictureLayout.h"
#include "tablepicture/TablePictureMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QToolBar>
#include <QXmlStreamReader>

namespace {

// The fill of element z's cell in a picture drawn at `scale` times the natural size: the
// middle of the cell, between its number and its symbol.
QColor cellFill(const QImage &image, const TablePicture &picture, int z, double scale)
{
    const QPointF centre = TablePictureLayout::of(picture).cell(z).center() * scale;
    return image.pixelColor(centre.toPoint());
}

// Prints through the window's Ctrl+P as if no printer were installed and the user chose
// the print dialog's PDF file `pdf`.
void printIntoPdf(MainWindowFixture &f, const QString &pdf)
{
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.form->pictureMenu()->setPrinterChoice(PrinterChoice([] { return QPrinterInfo(); },
                                                          [pdf](QPrinter &printer, QWidget *) {
                                                              printer.setOutputFormat(
                                                                  QPrinter::PdfFormat);
                                                              printer.setOutputFileName(pdf);
                                                              return true;
                                                          }));
    QTest::keyClick(f.form.get(), Qt::Key_P, Qt::ControlModifier);
}

} // namespace

class TestTablePicture : public QObject
{
    Q_OBJECT

private slots:
    void layoutKeepsEverythingApart_data();
    void layoutKeepsEverythingApart();
    void fileNameExtension_data();
    void fileNameExtension();
    void pdfShowsTheModeAndItsLegend_data();
    void pdfShowsTheModeAndItsLegend();
    void svgReadByAnotherProgram();
    void savedUnderTheChosenType();
    void commandsInTheContextMenuOnly();
    void copyPutsThePictureOnTheClipboard();
};

void TestTablePicture::layoutKeepsEverythingApart_data()
{
    QTest::addColumn<QString>("mode");
    for (const char *mode : {"Defaut", "Groupe", "Blocs s/p/d/f", "Acide-Base", "Etat Physique",
                             "Decouverte", "Point d'ébullition"})
        QTest::newRow(mode) << QString::fromUtf8(mode);
}

// For the legend of each mode: no two cells overlap, all stand inside the picture below
// the title, and the legend covers no cell and keeps its rows and notes inside its frame,
// apart from one another. The PNG at twice the natural size shows iron's cell in the colour
// the mode gave iron's button.
void TestTablePicture::layoutKeepsEverythingApart()
{
    QFETCH(QString, mode);
    MainWindowFixture f;
    f.choose(mode);
    const TablePicture picture = f.form->tablePicture();
    const TablePictureLayout layout = TablePictureLayout::of(picture);
    const QRectF whole(QPointF(), layout.size);
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        QVERIFY2(whole.contains(layout.cell(z)), qPrintable(QString::number(z)));
        QVERIFY2(!layout.legend.intersects(layout.cell(z)), qPrintable(QString::number(z)));
        QVERIFY(!layout.title.intersects(layout.cell(z)));
        for (int other = z + 1; other <= ElementTable::ElementCount; ++other)
            QVERIFY2(!layout.cell(z).intersects(layout.cell(other)),
                     qPrintable(QStringLiteral("%1 %2").arg(z).arg(other)));
    }
    QVector<QRectF> parts = {layout.heading, layout.scaleBar, layout.scaleLow, layout.scaleHigh};
    parts += QVector<QRectF>(layout.captions.begin(), layout.captions.end());
    parts += QVector<QRectF>(layout.notes.begin(), layout.notes.end());
    parts.removeAll(QRectF());
    QCOMPARE(layout.captions.size(), picture.legend ? picture.legend->rows.size() : 0);
    for (int i = 0; i < parts.size(); ++i) {
        QVERIFY2(layout.legend.contains(parts[i]), qPrintable(QString::number(i)));
        for (int j = i + 1; j < parts.size(); ++j)
            QVERIFY2(!parts[i].intersects(parts[j]),
                     qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
    }
    const std::optional<QByteArray> png =
        TablePictureFiles::file(picture, TablePictureFiles::Format::Png);
    QVERIFY(png);
    const QImage image = QImage::fromData(*png, "PNG");
    QCOMPARE(image.size(), (layout.size * 2).toSize());
    QCOMPARE(cellFill(image, picture, 26, 2), f.fill(26));
}

void TestTablePicture::fileNameExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("format");
    QTest::newRow("bare name, PNG") << "/t/tableau" << 0 << "/t/tableau.png" << 0;
    QTest::newRow("bare name, SVG") << "/t/tableau" << 1 << "/t/tableau.svg" << 1;
    QTest::newRow("bare name, PDF") << "/t/tableau" << 2 << "/t/tableau.pdf" << 2;
    QTest::newRow("other type's extension") << "/t/tableau.png" << 2 << "/t/tableau.png" << 0;
    QTest::newRow("extension in capitals") << "/t/tableau.SVG" << 0 << "/t/tableau.SVG" << 1;
    QTest::newRow("unknown extension") << "/t/tableau.txt" << 2 << "/t/tableau.txt" << 2;
    QTest::newRow("dot in the folder only")
        << "/t/v1.pdf/tableau" << 1 << "/t/v1.pdf/tableau.svg" << 1;
}

// The name written, and the type of its content: a name without extension gets the
// entry's; a picture type's extension typed decides the content.
void TestTablePicture::fileNameExtension()
{
    QFETCH(QString, chosen);
    QFETCH(int, entry);
    QFETCH(QString, written);
    QFETCH(int, format);
    using namespace TablePictureFiles;
    QCOMPARE(withExtension(chosen, Format(entry)), written);
    QCOMPARE(formatFor(written, Format(entry)), Format(format));
}

void TestTablePicture::pdfShowsTheModeAndItsLegend_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");
    const QStringList familyCaptions = {"Non Métal",           "Alcalins",   "Alcalino-Terreux",
                                        "Métal de Transition", "Métalloide", "Halogènes",
                                        "Gaz nobles",          "Lanthanide", "Actinide"};
    QTest::newRow("plain table") << "Defaut" << QStringList{} << familyCaptions;
    QTest::newRow("families") << "Groupe" << (familyCaptions + QStringList{"Groupe"})
                              << QStringList{"Bloc s"};
    QTest::newRow("blocks") << "Blocs s/p/d/f"
                            << QStringList{"Blocs s/p/d/f", "Bloc s", "Bloc p", "Bloc d", "Bloc f"}
                            << QStringList{"Non Métal"};
    QTest::newRow("acids and bases")
        << "Acide-Base"
        << QStringList{"Base Faible", "Base Forte", "Acid Faible", "Acide Fort", "Amphotère"}
        << QStringList{"Bloc s"};
    QTest::newRow("states at 298 K")
        << "Etat Physique"
        << QStringList{"Solide", "Liquide", "Gaz", "N/A", "298 K", "24,85 °C", "76,73 °F"}
        << QStringList{"Bloc s"};
    QTest::newRow("discovery by 1600")
        << "Decouverte" << QStringList{"avant 1600", "Découvert", "Pas découvert", "1600"}
        << QStringList{"Bloc s"};
    QTest::newRow("numeric grey scale")
        << "Numero Atomique"
        << QStringList{"Numero Atomique", "+ forte valeur", "+ faible valeur", "N/A"}
        << QStringList{"Solide"};
}

// Printed into a PDF file: one A4 landscape page holding the element symbols, a title naming
// the mode and that mode's legend, with the values its fields show.
void TestTablePicture::pdfShowsTheModeAndItsLegend()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    MainWindowFixture f;
    f.choose(mode);
    const QString pdf = f.path(QStringLiteral("tableau.pdf"));
    printIntoPdf(f, pdf);
    const QString info = processOutput(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("842 x 595")), qPrintable(info));
    const QString text = processOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")));
    for (int z = 1; z <= ElementTable::ElementCount; ++z)
        QVERIFY2(words.contains(ElementSymbols::symbol(z)), qPrintable(ElementSymbols::symbol(z)));
    QVERIFY2(words.contains(QStringLiteral("Fe")) && words.contains(QStringLiteral("Lr")),
             qPrintable(text));
    const QString joined = words.join(QLatin1Char(' '));
    QVERIFY2(joined.contains(QStringLiteral("Tableau périodique des éléments")), qPrintable(text));
    for (const QString &caption : shown)
        QVERIFY2(joined.contains(caption), qPrintable(caption + QStringLiteral(" in ") + text));
    for (const QString &caption : absent)
        QVERIFY2(!joined.contains(caption), qPrintable(caption + QStringLiteral(" in ") + text));
}

// The SVG is well-formed XML whose root is an SVG element, and librsvg draws it with iron
// in its family's colour.
void TestTablePicture::svgReadByAnotherProgram()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Groupe"));
    const TablePicture picture = f.form->tablePicture();
    const std::optional<QByteArray> svg =
        TablePictureFiles::file(picture, TablePictureFiles::Format::Svg);
    QVERIFY(svg);
    QXmlStreamReader xml(*svg);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QStringLiteral("svg"));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    const QString svgName = f.path(QStringLiteral("tableau.svg"));
    const QString pngName = f.path(QStringLiteral("rendu.png"));
    QVERIFY(writeFileBytes(svgName, *svg));
    QCOMPARE(
        QProcess::execute(QStringLiteral("rsvg-convert"), {QStringLiteral("-o"), pngName, svgName}),
        0);
    const QImage rendered(pngName);
    // The file gives its size in millimetres, which the reader rounds up.
    const QSizeF size = TablePictureLayout::of(picture).size;
    QVERIFY2(qAbs(rendered.width() - size.width()) <= 1 &&
                 qAbs(rendered.height() - size.height()) <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(rendered.width()).arg(rendered.height())));
    QCOMPARE(cellFill(rendered, picture, 26, 1), QColor(0xFFFF80));
}

// "Enregistrer l'image du tableau…" offers the three types; a bare name gets the chosen
// type's extension and content, a name typed with a type's extension that type's content,
// and an existing file is only replaced when the user says so.
void TestTablePicture::savedUnderTheChosenType()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Groupe"));
    auto *save = f.form->findChild<QAction *>(QStringLiteral("SaveTable"));
    QVERIFY(save);
    const QString typed = f.path(QStringLiteral("tableau"));
    const SaveDialogSeen first = playSaveDialog([&] { save->trigger(); }, {typed, 1});
    QCOMPARE(first.types,
             QStringList({"Image PNG (*.png)", "Image SVG (*.svg)", "Document PDF (*.pdf)"}));
    const QByteArray svg = readFileBytes(typed + QStringLiteral(".svg"));
    QVERIFY2(svg.contains("<svg"), svg.left(200).constData());
    QVERIFY(!QFile::exists(typed));

    QVERIFY(writeFileBytes(typed + QStringLiteral(".pdf"), "old picture"));
    const SaveDialogSeen refused =
        playSaveDialog([&] { save->trigger(); }, {typed, 2, QMessageBox::No});
    QCOMPARE(refused.asked.size(), 1);
    QCOMPARE(readFileBytes(typed + QStringLiteral(".pdf")), QByteArray("old picture"));
    playSaveDialog([&] { save->trigger(); }, {typed, 2, QMessageBox::Yes});
    QVERIFY(readFileBytes(typed + QStringLiteral(".pdf")).startsWith("%PDF"));

    const QString named = f.path(QStringLiteral("nommé.svg"));
    playSaveDialog([&] { save->trigger(); }, {named, 0});
    QVERIFY(readFileBytes(named).contains("<svg"));
}

// The three commands are in the table's context menu, opened by a right click on the table
// or by the Menu key; the menu bar and the tool bar gain nothing.
void TestTablePicture::commandsInTheContextMenuOnly()
{
    MainWindowFixture f;
    QMenu *menu = f.form->pictureMenu()->menu();
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    QCOMPARE(texts, QStringList({"Imprimer le tableau…", "Enregistrer l'image du tableau…",
                                 "Copier l'image du tableau", "",
                                 "Rétablir toutes les données d'origine…"}));
    QWidget *table = f.form->centralWidget();
    const QPoint empty(300, 60); // above the transition metals
    QContextMenuEvent click(QContextMenuEvent::Mouse, empty, table->mapToGlobal(empty));
    QApplication::sendEvent(table, &click);
    QTRY_VERIFY(menu->isVisible());
    menu->hide();

    // The Menu key opens the menu of the focus widget: the table's once a click on its
    // background gave it the focus, which a click on an element button does not take from
    // the colouring list.
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    f.combo()->setFocus();
    QTest::mouseClick(f.button(26), Qt::RightButton); // a left one would open its sheet
    QCOMPARE(QApplication::focusWidget(), f.combo());
    QTest::mouseClick(table, Qt::LeftButton, {}, empty);
    QCOMPARE(QApplication::focusWidget(), table);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), table->mapToGlobal(QPoint()));
    QApplication::sendEvent(table, &key);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->geometry().contains(table->mapToGlobal(table->rect().center())));
    menu->hide();

    for (const QAction *action : f.form->menuBar()->actions())
        QVERIFY2(!action->text().contains(QStringLiteral("tableau")), qPrintable(action->text()));
    for (const QToolBar *bar : f.form->findChildren<QToolBar *>())
        for (const QAction *action : bar->actions())
            QVERIFY(!menu->actions().contains(action));
}

// The clipboard gets the PNG picture: twice the natural size, iron in its family's colour.
void TestTablePicture::copyPutsThePictureOnTheClipboard()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Groupe"));
    QGuiApplication::clipboard()->clear();
    f.form->findChild<QAction *>(QStringLiteral("CopyTable"))->trigger();
    const QImage image = QGuiApplication::clipboard()->image();
    const TablePicture picture = f.form->tablePicture();
    QCOMPARE(image.size(), (TablePictureLayout::of(picture).size * 2).toSize());
    QCOMPARE(cellFill(image, picture, 26, 2), QColor(0xFFFF80));
}

QTEST_MAIN(TestTablePicture)
#include "tst_tablepicture.moc"
