// The hover panel following the mouse over the element buttons, and the value box of
// the numeric legend writing an edited value back to the element table.
#include "MainWindowFixture.h"
#include "MessageBoxes.h"
#include "TestFiles.h"
#include "controls/EditMark.h"
#include "data/ElementTable.h"
#include "data/TTextTable.h"
#include "sheet/TForm2.h"
#include "table/Startup.h"
#include "tablepicture/TablePictureMenu.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

// Moves the mouse onto element z, coming from its neighbour: a move to where the mouse already
// stands would not reach the button.
void hover(const MainWindowFixture &f, int z)
{
    QTest::mouseMove(f.button(z == 1 ? 2 : z - 1), QPoint(12, 12));
    QTest::mouseMove(f.button(z), QPoint(12, 12));
}

// The numeric legend's value box, showing `property` of element z under the mouse.
QLineEdit *legendValueOf(const MainWindowFixture &f, const QString &property, int z)
{
    f.choose(property);
    hover(f, z);
    return f.child<QLineEdit>(QStringLiteral("DBEdit3"));
}

// Types `text` over what the box holds, as the user replaces a value.
void typeOver(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

// Types `text` over iron's melting point in the numeric legend's value box.
QLineEdit *typeIronMeltingPoint(const MainWindowFixture &f, const QString &text)
{
    QLineEdit *value = legendValueOf(f, QStringLiteral("Point de  fusion"), 26);
    typeOver(value, text);
    return value;
}

// Clicks iron, and in the property sheet that opens types "Paracelse" as its discoverer and
// closes the sheet, which writes the edit. No message box may show.
void editIronDiscovererInTheSheet(const MainWindowFixture &f)
{
    QVERIFY(f.copySectionFiles());
    bool typed = false;
    QStringList boxes;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->accept();
        }
        auto *sheet = qobject_cast<TForm2 *>(QApplication::activeModalWidget());
        if (!sheet || typed)
            return;
        // The memo is on the last page, "Histoire", which is made when it is turned to.
        auto *pages = sheet->findChild<QTabWidget *>();
        pages->setCurrentIndex(pages->count() - 1);
        auto *memo = sheet->findChild<QPlainTextEdit *>(QStringLiteral("DBDECPAR"));
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("Paracelse"));
        typed = memo->toPlainText() == u"Paracelse";
        sheet->close();
    });
    driver.start(20);
    QTest::mouseMove(f.button(26), QPoint(12, 12));
    QTest::mouseClick(f.button(26), Qt::LeftButton, {}, QPoint(12, 12)); // returns when closed
    QVERIFY(typed);
    QCOMPARE(boxes, QStringList());
}

// Types 8,97 as copper's density into the numeric legend's value box; hovering zinc posts it.
void editCopperDensityInTheLegend(const MainWindowFixture &f)
{
    QLineEdit *value = legendValueOf(f, QStringLiteral("Masse Volumique"), 29);
    QCOMPARE(value->text(), QStringLiteral("8,96"));
    typeOver(value, QStringLiteral("8,97"));
    QTest::mouseMove(f.button(30), QPoint(12, 12));
}

QAction *exitAction(const MainWindowFixture &f)
{
    for (QAction *top : f.form->menuBar()->actions())
        for (QAction *entry : top->menu() ? top->menu()->actions() : QList<QAction *>{top})
            if (entry->text() == u"E&xit")
                return entry;
    return nullptr;
}

// The text of element z's field in the element table on disk.
QString cellOnDisk(const QString &path, int z, const QString &field)
{
    TStrGrid grid;
    grid.setDivChar(QLatin1Char(';'));
    grid.LoadFromFile(path);
    return grid.Cell(ElementColumns::indexOf(field), z);
}

// The entry named `name` of the context menu that `box` opens.
QAction *contextEntry(QWidget *box, const QString &name)
{
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    return menu ? menu->findChild<QAction *>(name) : nullptr;
}

void closePopup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

class TestHoverPanel : public QObject
{
    Q_OBJECT

private slots:
    void firstEditionTableHasNoLaterButtons();
    void panelShowsTheHoveredRecord_data();
    void panelShowsTheHoveredRecord();
    void pointerAwayFromTheElementsHidesIt_data();
    void pointerAwayFromTheElementsHidesIt();
    void layoutOfThePanel();
    void valuesDrawnAsShaped_data();
    void valuesDrawnAsShaped();
    void legendValueIsWrittenOnce_data();
    void legendValueIsWrittenOnce();
    void legendRefusesANonNumber_data();
    void legendRefusesANonNumber();
    void legendEditIsMarkedAndTakenBack_data();
    void legendEditIsMarkedAndTakenBack();
    void postedLegendValueIsWrittenAtOnce();
    void shippedValuesComeBack_data();
    void shippedValuesComeBack();
    void nothingToGoBackToWithoutShippedTables();
    void sheetAndLegendEditsAreBothKept_data();
    void sheetAndLegendEditsAreBothKept();
    void startStopsOnAnIncompleteTable_data();
    void startStopsOnAnIncompleteTable();
};

void TestHoverPanel::panelShowsTheHoveredRecord_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("text");
    // Read by hand from the shipped table: no two boxes of an element show the same text.
    QTest::newRow("H symbol, first record") << "Edit_SYMBOLE" << 1 << "H";
    QTest::newRow("H name") << "Edit_NOM" << 1 << "Hydrogène";
    QTest::newRow("He electronegativity, none") << "Edit_EN" << 2 << "";
    QTest::newRow("O density") << "Edit_M__VOL" << 8 << "1,141";
    QTest::newRow("O boiling point") << "Edit_TEB" << 8 << "90,2";
    QTest::newRow("O atomic volume") << "Edit_VOL_AT" << 8 << "14";
    QTest::newRow("O electron affinity") << "Edit_AE" << 8 << "141";
    QTest::newRow("O melting point") << "Edit_TF" << 8 << "54,36";
    QTest::newRow("Fe symbol") << "Edit_SYMBOLE" << 26 << "Fe";
    QTest::newRow("Fe name") << "Edit_NOM" << 26 << "Fer";
    QTest::newRow("Fe atomic mass") << "Edit_M__AT" << 26 << "55,85";
    QTest::newRow("Fe melting point") << "Edit_TF" << 26 << "1810";
    QTest::newRow("Fe configuration") << "Edit_CONFIG__" << 26 << "[Ar] 3d6 4s2";
    QTest::newRow("Fe density") << "Edit_M__VOL" << 26 << "7,87";
    QTest::newRow("Fe boiling point") << "Edit_TEB" << 26 << "3020";
    QTest::newRow("Fe atomic volume") << "Edit_VOL_AT" << 26 << "7,1";
    QTest::newRow("Fe electron affinity") << "Edit_AE" << 26 << "14,6";
    QTest::newRow("Fe electronegativity") << "Edit_EN" << 26 << "1,6";
    QTest::newRow("Co symbol") << "Edit_SYMBOLE" << 27 << "Co";
    QTest::newRow("Lr symbol, last record") << "Edit_SYMBOLE" << 103 << "Lr";
    QTest::newRow("Lr name") << "Edit_NOM" << 103 << "Lawrencium";
}

// The first move makes the panel and fills it; going to a neighbour and back switches it
// without hiding it, and each box shows its own column of the element under the mouse (a
// value the element lacks leaves the box empty rather than showing the neighbour's).
void TestHoverPanel::panelShowsTheHoveredRecord()
{
    QFETCH(QString, box);
    QFETCH(int, z);
    QFETCH(QString, text);
    MainWindowFixture f;
    // Made at the first move, the panel is not in the start-up picture.
    const auto *before = f.child<QWidget>(QStringLiteral("Panel1"));
    QVERIFY(!before || !before->isVisible());
    // From the bare window: a move to where the mouse already stands would not reach the button.
    QTest::mouseMove(f.child<QWidget>(QStringLiteral("client")), QPoint(600, 420));
    QTest::mouseMove(f.button(z), QPoint(12, 12));
    auto *panel = f.child<QWidget>(QStringLiteral("Panel1"));
    QVERIFY(panel && panel->isVisible());
    const auto *number = f.child<QLineEdit>(QStringLiteral("Edit_NO_AT"));
    const auto *shown = f.child<QLineEdit>(box);
    QVERIFY(number && shown);
    QCOMPARE(f.form->hoveredElement(), z);
    QCOMPARE(number->text(), QString::number(z));
    QCOMPARE(shown->text(), text);
    const int neighbour = z == 1 ? 2 : z - 1;
    QTest::mouseMove(f.button(neighbour), QPoint(12, 12));
    QVERIFY(panel->isVisible());
    QCOMPARE(number->text(), QString::number(neighbour));
    QTest::mouseMove(f.button(z), QPoint(12, 12));
    QVERIFY(panel->isVisible());
    QCOMPARE(f.form->hoveredElement(), z);
    QCOMPARE(number->text(), QString::number(z));
    QCOMPARE(shown->text(), text);
}

void TestHoverPanel::pointerAwayFromTheElementsHidesIt_data()
{
    QTest::addColumn<QString>("to"); // a widget's name, empty: out of the window
    QTest::addColumn<QPoint>("at");
    QTest::newRow("bare window") << QStringLiteral("client") << QPoint(600, 420);
    QTest::newRow("panel's own surface") << QStringLiteral("Panel1") << QPoint(120, 100);
    QTest::newRow("tool bar, right of the list") << QStringLiteral("SpeedBar1") << QPoint(500, 15);
    QTest::newRow("out of the window") << QString() << QPoint();
}

// The panel never stays behind the pointer, showing an element it has left.
void TestHoverPanel::pointerAwayFromTheElementsHidesIt()
{
    QFETCH(QString, to);
    QFETCH(QPoint, at);
    MainWindowFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QTest::mouseMove(f.button(26), QPoint(12, 12));
    auto *panel = f.child<QWidget>(QStringLiteral("Panel1"));
    QVERIFY(panel->isVisible());
    if (to.isEmpty()) {
        // What the window system tells the window when the pointer goes out of it.
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(f.form->windowHandle(), &leave);
    } else {
        QTest::mouseMove(f.child<QWidget>(to), at);
    }
    QTRY_VERIFY(!panel->isVisible());
}

void TestHoverPanel::layoutOfThePanel()
{
    MainWindowFixture f;
    // Two moves: one to where the pointer already is would not reach the window.
    QTest::mouseMove(f.button(25), QPoint(12, 12));
    QTest::mouseMove(f.button(26), QPoint(12, 12));
    QCOMPARE(f.child<QWidget>(QStringLiteral("Panel1"))->geometry(), QRect(112, 40, 297, 149));
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_SYMBOLE"))->geometry(), QRect(30, 40, 67, 48));
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_SYMBOLE"))->font().pixelSize(), 37);
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_AE"))->geometry(), QRect(190, 32, 49, 19));
    QCOMPARE(f.child<QWidget>(QStringLiteral("Edit_VOL_AT"))->geometry(), QRect(190, 128, 43, 19));
    QVERIFY(f.child<QLineEdit>(QStringLiteral("Edit_CONFIG__"))->hasFrame());
    QVERIFY(!f.child<QLineEdit>(QStringLiteral("Edit_EN"))->hasFrame());
    QVERIFY(f.child<QLineEdit>(QStringLiteral("Edit_EN"))->isReadOnly());
    QStringList captions;
    for (const QLabel *label : f.child<QWidget>(QStringLiteral("Panel1"))->findChildren<QLabel *>())
        captions << label->text();
    for (const char *text : {"masse at.", "E.N. :", "A.E. :", "(KJ/mol)", "Tfus :", "(K)",
                             "Teb :", "m vol :", "(g/cm3)", "vol at :", "(ml/mol)"})
        QVERIFY2(captions.contains(QString::fromLatin1(text)), text);

    // Each value is drawn on the line of its caption: the first dark row of the caption's
    // letters and of the value's digits are the same, on iron, whose values all exist.
    const QImage shot = f.child<QWidget>(QStringLiteral("Panel1"))->grab().toImage();
    const auto firstInkRow = [&](int left, int right, int top) {
        for (int y = top; y < top + 19; ++y)
            for (int x = left; x < right; ++x)
                if (qGray(shot.pixel(x, y)) < 128)
                    return y;
        return -1;
    };
    for (const int top : {9, 32, 56, 80, 104, 128}) {
        const int caption = firstInkRow(143, 188, top);
        const int value = firstInkRow(190, 233, top);
        QVERIFY2(caption >= 0 && std::abs(value - caption) <= 1,
                 qPrintable(QStringLiteral("row at %1: caption ink from %2, value ink from %3")
                                .arg(top)
                                .arg(caption)
                                .arg(value)));
    }
}

void TestHoverPanel::valuesDrawnAsShaped_data()
{
    QTest::addColumn<QString>("box");
    for (const char *box :
         {"Edit_NO_AT", "Edit_M__AT", "Edit_SYMBOLE", "Edit_NOM", "Edit_CONFIG__", "Edit_EN",
          "Edit_AE", "Edit_TF", "Edit_TEB", "Edit_M__VOL", "Edit_VOL_AT"})
        QTest::newRow(box) << box;
}

// Every value of every element, and a word where a number belongs, stands in the panel where
// the box's face shaped as usual puts it.
void TestHoverPanel::valuesDrawnAsShaped()
{
    QFETCH(QString, box);
    MainWindowFixture f([](TStrGrid &grid) {
        MainWindowFixture::setCell(grid, 103, "_TF", "Te Ta AV");
        MainWindowFixture::setCell(grid, 103, "_M__AT", "Te Ta AV");
    });
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        QTest::mouseMove(f.button(z), QPoint(12, 12));
        auto *shown = f.child<QLineEdit>(box);
        QVERIFY(shown);
        const QImage drawn = shown->grab().toImage();
        const QFont font = shown->font();
        QFont shaped = font;
        shaped.setStyleStrategy(QFont::PreferDefault);
        shown->setFont(shaped);
        QVERIFY2(shown->grab().toImage() == drawn, qPrintable(shown->text()));
        shown->setFont(font);
    }
}

void TestHoverPanel::legendValueIsWrittenOnce_data()
{
    QTest::addColumn<int>("thenOnto"); // where the mouse goes after the typing, 0: nowhere
    QTest::addColumn<QString>("boxShows");
    QTest::newRow("posted by the move onto cobalt") << 27 << "1768";
    QTest::newRow("still being typed as the program ends") << 0 << "1811";
}

// A value typed into the legend reaches the file, whether a move posted it or it was still
// in the box when the program ended; nothing else in the file changes.
void TestHoverPanel::legendValueIsWrittenOnce()
{
    QFETCH(int, thenOnto);
    MainWindowFixture f;
    const QByteArray before = readFileBytes(f.path(&DataFolder::propFile));
    QCOMPARE(before.count(";1810;3020;"), 1); // iron's line, and no other
    QLineEdit *value = legendValueOf(f, QStringLiteral("Point de  fusion"), 26);
    QCOMPARE(value->text(), QStringLiteral("1810"));
    typeOver(value, QStringLiteral("1811"));
    // The hover panel shows iron's record as it is being edited.
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_TF"))->text(), QStringLiteral("1811"));
    if (thenOnto)
        QTest::mouseMove(f.button(thenOnto), QPoint(12, 12));
    QTEST(value->text(), "boxShows");
    // The view writes the table back as the window goes.
    QVERIFY(messageBoxesDuring([&] { f.form.reset(); }).isEmpty());
    QCOMPARE(readFileBytes(f.path(&DataFolder::propFile)).split('\n'),
             QByteArray(before).replace(";1810;3020;", ";1811;3020;").split('\n'));
}

void TestHoverPanel::legendRefusesANonNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("why");
    QTest::newRow("a unit") << "1810 K"
                            << "« 1810 K » n'est pas un nombre";
    // The box takes it whole rather than cutting it to the column's twelve characters.
    QTest::newRow("longer than the column")
        << QString(40, u'9') << "a 40 caractères, et la colonne n'en tient que 12";
}

void TestHoverPanel::legendRefusesANonNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, why);
    MainWindowFixture f;
    const QByteArray before = readFileBytes(f.path(&DataFolder::propFile));
    QLineEdit *value = typeIronMeltingPoint(f, typed);
    // The move that would post it says why it is refused, once; the table keeps 1810.
    const QStringList boxes =
        messageBoxesDuring([&] { QTest::mouseMove(f.button(27), QPoint(12, 12)); });
    QCOMPARE(boxes.size(), 1);
    for (const QString &part : {QStringLiteral("Fer"), QStringLiteral("_TF"), why})
        QVERIFY2(boxes.first().contains(part), qPrintable(boxes.first()));
    QCOMPARE(value->text(), QStringLiteral("1768"));
    QVERIFY(messageBoxesDuring([&] { QTest::mouseMove(f.button(26), QPoint(12, 12)); }).isEmpty());
    QCOMPARE(value->text(), QStringLiteral("1810"));
    f.form.reset();
    QCOMPARE(readFileBytes(f.path(&DataFolder::propFile)), before);
}

void TestHoverPanel::legendEditIsMarkedAndTakenBack_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
}

// A value typed into the legend shows that it is an edit until it is posted; Escape and
// Ctrl+Z give the box, the panel and the record their text back, and nothing is written.
void TestHoverPanel::legendEditIsMarkedAndTakenBack()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    MainWindowFixture f;
    const QByteArray before = readFileBytes(f.path(&DataFolder::propFile));
    QLineEdit *value = typeIronMeltingPoint(f, QStringLiteral("26"));
    const QColor silver(0xC0, 0xC0, 0xC0);
    QVERIFY(value->font().italic());
    QCOMPARE(value->palette().color(QPalette::Base), EditMark::ground());
    QTest::keyClick(value, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(value->text(), QStringLiteral("1810"));
    QCOMPARE(f.child<QLineEdit>(QStringLiteral("Edit_TF"))->text(), QStringLiteral("1810"));
    QVERIFY(!value->font().italic());
    QCOMPARE(value->palette().color(QPalette::Base), silver);
    QTest::mouseMove(f.button(27), QPoint(12, 12));
    QVERIFY(messageBoxesDuring([&] { f.form.reset(); }).isEmpty());
    QCOMPARE(readFileBytes(f.path(&DataFolder::propFile)), before);
}

// The move that posts a legend value writes it at once and the box says so; a property
// sheet opened next reads it from the file.
void TestHoverPanel::postedLegendValueIsWrittenAtOnce()
{
    MainWindowFixture f;
    QVERIFY(f.copySectionFiles());
    QLineEdit *value = typeIronMeltingPoint(f, QStringLiteral("1811"));
    QTest::mouseMove(f.button(27), QPoint(12, 12));
    QCOMPARE(cellOnDisk(f.path(&DataFolder::propFile), 26, QStringLiteral("_TF")),
             QStringLiteral("1811"));
    const QString said = value->accessibleDescription();
    QVERIFY2(said.startsWith(QStringLiteral("Valeur enregistrée pour Fer")) &&
                 said.contains(QStringLiteral("« 1811 »")),
             qPrintable(said));
    f.state.selectedElement = 26;
    TForm2 sheet(f.state, f.store(), f.form.get());
    sheet.FormActivate();
    QCOMPARE(sheet.shown()->text(QStringLiteral("_TF")), QStringLiteral("1811"));
}

void TestHoverPanel::shippedValuesComeBack_data()
{
    QTest::addColumn<bool>("all");
    QTest::newRow("one value, from the box's menu") << false;
    QTest::newRow("every value, from the table's menu") << true;
}

// Iron's melting point and hydrogen's electronegativity were changed; the box's entry puts
// iron's back, the table's entry both after saying how many, and the file is the shipped one
// again. The shipped file is only read.
void TestHoverPanel::shippedValuesComeBack()
{
    QFETCH(bool, all);
    const QString shippedPath = QStringLiteral(MIRELON_SHARE_DIR "/prop.yop");
    const QByteArray shipped = readFileBytes(shippedPath);
    MainWindowFixture f(
        [](TStrGrid &grid) {
            MainWindowFixture::setCell(grid, 26, QStringLiteral("_TF"), QStringLiteral("1811"));
            MainWindowFixture::setCell(grid, 1, QStringLiteral("_3EN"), QStringLiteral("26"));
        },
        true);
    const QString path = f.path(&DataFolder::propFile);
    f.choose(QStringLiteral("Point de  fusion"));
    hover(f, 26);
    auto *value = f.child<QLineEdit>(QStringLiteral("DBEdit3"));
    QCOMPARE(value->text(), QStringLiteral("1811"));
    QStringList asked;
    if (all) {
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked << box->text();
                box->button(QMessageBox::Yes)->click();
            }
        });
        answer.start(20);
        f.form->pictureMenu()->restoreOriginals()->trigger();
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.first().contains(QStringLiteral("2 valeurs modifiées")),
                 qPrintable(asked.first()));
    } else {
        QAction *restore = contextEntry(value, QStringLiteral("RestoreOriginal"));
        QVERIFY(restore && restore->isEnabled());
        restore->trigger();
        closePopup();
    }
    QCOMPARE(value->text(), QStringLiteral("1810"));
    QCOMPARE(cellOnDisk(path, 26, QStringLiteral("_TF")), QStringLiteral("1810"));
    QCOMPARE(cellOnDisk(path, 1, QStringLiteral("_3EN")),
             all ? QStringLiteral("2,2") : QStringLiteral("26"));
    QVERIFY(messageBoxesDuring([&] { f.form.reset(); }).isEmpty());
    if (all)
        QCOMPARE(readFileBytes(path), shipped);
    QCOMPARE(readFileBytes(shippedPath), shipped);
}

// Data of the user's own choosing has no shipped values: both entries are off.
void TestHoverPanel::nothingToGoBackToWithoutShippedTables()
{
    MainWindowFixture f;
    f.choose(QStringLiteral("Point de  fusion"));
    hover(f, 26);
    QVERIFY(!f.form->pictureMenu()->restoreOriginals()->isEnabled());
    QAction *restore = contextEntry(f.child<QLineEdit>(QStringLiteral("DBEdit3")),
                                    QStringLiteral("RestoreOriginal"));
    QVERIFY(restore);
    QVERIFY(!restore->isEnabled());
    closePopup();
}

void TestHoverPanel::sheetAndLegendEditsAreBothKept_data()
{
    QTest::addColumn<bool>("sheetFirst");
    QTest::newRow("sheet, then legend") << true;
    QTest::newRow("legend, then sheet") << false;
}

// The property sheet and the main window each hold a table on the file; the main window's is
// written when the program ends, long after the sheet wrote its own. Neither loses the
// other's edit.
void TestHoverPanel::sheetAndLegendEditsAreBothKept()
{
    QFETCH(bool, sheetFirst);
    MainWindowFixture f;
    const QString path = f.path(&DataFolder::propFile);
    QByteArray expected = readFileBytes(path);
    QVERIFY(expected.contains("Amphot\xE8re;;;LATIN:ferrum;Iron"));
    QVERIFY(expected.contains("\r\n29;Cu;Cuivre;63,55;8,96;Solide;"));
    expected.replace("Amphot\xE8re;;;LATIN:ferrum;Iron",
                     "Amphot\xE8re;Paracelse;;LATIN:ferrum;Iron");
    expected.replace("\r\n29;Cu;Cuivre;63,55;8,96;Solide;", "\r\n29;Cu;Cuivre;63,55;8,97;Solide;");
    if (sheetFirst)
        editIronDiscovererInTheSheet(f);
    editCopperDensityInTheLegend(f);
    if (!sheetFirst)
        editIronDiscovererInTheSheet(f);
    QAction *exit = exitAction(f);
    QVERIFY(exit);
    const QStringList boxes = messageBoxesDuring([&] {
        exit->trigger();
        f.form.reset(); // the end of the run
    });
    QCOMPARE(boxes, QStringList());
    QCOMPARE(readFileBytes(path).split('\n'), expected.split('\n'));
}

void TestHoverPanel::startStopsOnAnIncompleteTable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fault");
    QFile shipped(QStringLiteral(MIRELON_SHARE_DIR "/prop.yop"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    const QList<QByteArray> lines = whole.split('\n');
    // Line 37 holds krypton: cut in its middle, the file holds 35 records and a half.
    QByteArray cut;
    for (int i = 0; i < 36; ++i)
        cut += lines[i] + '\n';
    cut += lines[36].left(20);
    QTest::newRow("cut inside krypton") << cut << "contient 36 enregistrements au lieu de 118";
    QTest::newRow("one record more") << whole + lines[1] + '\n'
                                     << "contient 119 enregistrements au lieu de 118";
    QTest::newRow("a column missing")
        << QByteArray(whole).replace(";_TEB;", ";_TEBX;") << "n'a pas la colonne « _TEB »";
    QTest::newRow("no file") << QByteArray() << "est introuvable";
}

// The program does not start on a table it would show wrongly and could make worse: the
// message names the file and what is wrong, and the file is left as it is.
void TestHoverPanel::startStopsOnAnIncompleteTable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fault);
    const ScratchData data;
    const QString path = data.path(&DataFolder::propFile);
    if (!bytes.isEmpty())
        QVERIFY(writeFileBytes(path, bytes));
    QString message;
    try {
        ProgramState state;
        PictureSaves pictures;
        ElementStore store(data.folder());
        Startup::createWindows(state, store, pictures);
    } catch (const std::exception &error) {
        message = QString::fromUtf8(error.what());
    }
    QVERIFY2(message.contains(path) && message.contains(fault), qPrintable(message));
    QCOMPARE(readFileBytes(path), bytes);
}

void TestHoverPanel::firstEditionTableHasNoLaterButtons()
{
    // A table of 103 records, as the first edition shipped it, still opens: the elements it
    // lacks get no button, rather than one with nothing behind it.
    const MainWindowFixture f([](TStrGrid &grid) {
        while (grid.RowCount() > ElementTable::FirstEditionCount + 1)
            grid.DeleteRow(grid.RowCount() - 1);
    });
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QVERIFY(f.button(103)->isVisible());
    for (int z = 104; z <= ElementTable::ElementCount; ++z)
        QVERIFY2(!f.button(z)->isVisible(), qPrintable(QString::number(z)));
}

QTEST_MAIN(TestHoverPanel)
#include "tst_hoverpanel.moc"
