// The sets window and its chooser on a copy of the shipped element table: the grid's model,
// the chooser's entries and edge cases, the frozen columns, the two-row titles, the copy
// and the tool tips, the sideways scroll by whole columns and the one anchor of a selection
// across both parts.
#include "TestFiles.h"
#include "controls/Fonts.h"
#include "data/ElementTable.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"
#include "sets/ColumnScroll.h"
#include "sets/FrozenColumnsView.h"
#include "sets/GridCopy.h"
#include "sets/SetsEntries.h"
#include "sets/SetsGridModel.h"
#include "sets/TForm3.h"
#include "sets/TForm4.h"

#include <QMenu>
#include <QTemporaryDir>

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The sets window and its chooser on a scratch data folder holding the element table.
class SetsFixture
{
public:
    SetsFixture()
    {
        installFontSubstitutions();
        m_data.copyShipped(&DataFolder::propFile);
        form = std::make_unique<TForm3>(m_data.store());
        chooser = new TForm4(form.get());
        form->setChooser(chooser);
    }
    ~SetsFixture() { form.reset(); }

    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    SetsGridModel &model() const { return *form->gridModel(); }
    ElementStore &store() const { return m_data.store(); }
    QListWidget *list() const { return chooser->findChild<QListWidget *>("ListBox1"); }

    // "Ajouter une Colonne", with `act` run on the chooser while it is open; the chooser
    // must be closed by `act`.
    void useChooser(const std::function<void()> &act)
    {
        bool ran = false;
        QTimer::singleShot(0, chooser, [&] {
            ran = true;
            if (chooser->isVisible())
                act();
            // A chooser left open would hold the test in its loop.
            if (chooser->isVisible())
                chooser->done(-1);
        });
        QTest::mouseClick(form->findChild<QPushButton *>("Button1"), Qt::LeftButton);
        QVERIFY(ran);
        QVERIFY2(chooser->result() != -1, "the chooser stayed open");
    }
    void clickEntry(int row) const
    {
        QListWidget *entries = list();
        entries->scrollToItem(entries->item(row));
        const QPoint at = entries->visualItemRect(entries->item(row)).center();
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, at);
    }
    void press(const char *button) const
    {
        QTest::mouseClick(chooser->findChild<QPushButton *>(button), Qt::LeftButton);
    }
    // Entry `row` clicked, then "OK".
    void add(int row)
    {
        useChooser([&] {
            clickEntry(row);
            press("Button2");
        });
    }

    std::unique_ptr<TForm3> form;
    TForm4 *chooser = nullptr;

private:
    ScratchData m_data;
};

QString cell(const QAbstractItemModel &model, int row, int column)
{
    return model.index(row, column).data().toString();
}

// The bounds of the text pixels (darker than light grey) of an image within `area`.
QRect inkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The tool tip that a pause of the mouse at `at` shows, or nothing.
QString toolTipAt(QWidget *widget, QPoint at)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("(a tool tip stays up)");
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class TestSets : public QObject
{
    Q_OBJECT

private slots:
    void modelFollowsTheTable();
    void entryTable_data();
    void entryTable();
    void chooserEntries();
    void chooserEdgeCases();
    void frozenColumnsStayWhileScrolling();
    void twoRowTitles();
    void copyAsText_data();
    void copyAsText();
    void copyShortcut();
    void toolTipsForClippedCells();
    void columnStops_data();
    void columnStops();
    void sidewaysScrollStopsAtAColumn_data();
    void sidewaysScrollStopsAtAColumn();
    void selectionRunsFromTheCellChosen_data();
    void selectionRunsFromTheCellChosen();
    void homeBringsTheGridBackToTheStart_data();
    void homeBringsTheGridBackToTheStart();
    void titleClickSorts();
    void menuRemovesAndExports();
};

void TestSets::modelFollowsTheTable()
{
    SetsFixture f;
    SetsGridModel &model = f.model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), ElementTable::ElementCount);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(cell(model, 0, 0), QStringLiteral("1"));
    QCOMPARE(cell(model, 0, 1), QStringLiteral("H"));
    QCOMPARE(cell(model, 0, 2), QStringLiteral("Hydrogène"));
    QCOMPARE(cell(model, 102, 1), QStringLiteral("Lr"));

    // A second name column, a field the table lacks, a column with no field, the molar mass.
    model.appendColumn({QStringLiteral("_NOM"), QStringLiteral("nom"), 65});
    model.appendColumn({QStringLiteral("PAS_LA"), QStringLiteral("crafted"), 40});
    model.appendColumn({});
    model.appendColumn({QStringLiteral("_m__at"), QStringLiteral("M. At.|(g/mol)"), 45});
    QCOMPARE(model.columnCount(), 7);
    QCOMPARE(cell(model, 0, 6), QStringLiteral("1,01"));
    QCOMPARE(cell(model, 1, 6), QStringLiteral("4,00"));
    for (int row = 0; row < model.rowCount(); ++row) {
        QCOMPARE(cell(model, row, 3), cell(model, row, 2));
        QVERIFY(cell(model, row, 4).isEmpty());
        QVERIFY(cell(model, row, 5).isEmpty());
    }
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));

    // Every chooser entry has a list text, a title and a width of its own, over a field of
    // the file that no other entry shows.
    QSet<QString> texts;
    QSet<QString> fields;
    for (int entry = 0; entry < SetsEntries::Count; ++entry) {
        const SetsColumn column = SetsEntries::column(entry);
        const QString text = SetsEntries::text(entry);
        QVERIFY2(!text.isEmpty() && !column.title.isEmpty() && column.width > 0,
                 qPrintable(column.field));
        QVERIFY2(f.store().records().fieldIndex(column.field) >= 0, qPrintable(column.field));
        texts.insert(text);
        fields.insert(column.field);
    }
    QCOMPARE(texts.size(), SetsEntries::Count);
    QCOMPARE(fields.size(), SetsEntries::Count);
    QCOMPARE(model.headerData(6, Qt::Horizontal).toString(), QStringLiteral("M. At.|(g/mol)"));
    QCOMPARE(model.headerData(5, Qt::Horizontal, Qt::SizeHintRole).toSize().width(), 0);

    // Closed, the table shows no rows; opened again, every column finds its field again.
    f.store().close();
    QCOMPARE(model.rowCount(), 0);
    f.store().open();
    QCOMPARE(model.rowCount(), ElementTable::ElementCount);
    QCOMPARE(cell(model, 0, 6), QStringLiteral("1,01"));
    QVERIFY(cell(model, 0, 4).isEmpty());
}

void TestSets::entryTable_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("width");
    // The ends of the list, texts with a trailing or a double blank, titles on two rows and
    // fields not named after the text; what holds for every entry is checked with the model.
    const struct
    {
        int entry;
        const char *text, *field, *title;
        int width;
    } rows[] = {
        {1, "Numero Atomique", "_NO_AT", "N° At", 35},
        {4, "Masse Atomique ", "_M__AT", "M. At.|(g/mol)", 45},
        {7, "Point de  fusion", "_TF", "T fus |(K)", 45},
        {13, "Conductivité thermique", "_1COND_THE", "Cond. therm. |(W/(m/K))", 55},
        {17, "Lieu découverte", "LIEUDEC", "Lieu de la découverte", 100},
        {33, "Energie de  2ème ionisation", "_9E_2EME_I", "E 2eme ion|(KJ/mol)", 60},
        {40, "Rayon ionique : ion 2-", "_3RI_2_", "RI (2-)|(pm)", 45},
        {42, "Rayon ionique :  ion 1+", "_2RI_1_", "RI (1+)|(pm)", 45},
        {53, "Dérivé binaire avec Cl", "_2DERIV__C", "dérivé|avec Cl", 170},
        {57, "Abondance solaire", "ABSOLEIL", "Ab. Soleil |(log)", 50},
        {64, "Abondance organismes vivants", "ABVIVANT", "Ab.vivant |(%)", 120},
        {65, "Electronégativité (Pauling)", "ENPAULING", "E.N.|Pauling", 50},
    };
    for (const auto &row : rows)
        QTest::addRow("%d", row.entry)
            << row.entry - 1 << QString::fromUtf8(row.text) << QString::fromLatin1(row.field)
            << QString::fromUtf8(row.title) << row.width;
}

// An entry: the text the chooser lists (double blanks and all) and the field, title and width
// of the column it adds.
void TestSets::entryTable()
{
    QFETCH(int, entry);
    QTEST(SetsEntries::text(entry), "text");
    const SetsColumn column = SetsEntries::column(entry);
    QTEST(column.field, "field");
    QTEST(column.title, "title");
    QTEST(column.width, "width");
}

// The chooser lists the entries in their order; a click holds the entry's column ready, and
// only "OK" adds it, showing the file's texts.
void TestSets::chooserEntries()
{
    SetsFixture f;
    f.chooser->show();
    QVERIFY(f.list()->isVisible());
    QCOMPARE(f.list()->count(), SetsEntries::Count);
    for (int entry = 0; entry < SetsEntries::Count; ++entry)
        QCOMPARE(f.list()->item(entry)->text(), SetsEntries::text(entry));
    f.clickEntry(12);
    QCOMPARE(f.form->pendingColumn().field, QStringLiteral("_1COND_THE"));
    QCOMPARE(f.form->pendingColumn().title, QStringLiteral("Cond. therm. |(W/(m/K))"));
    QCOMPARE(f.form->pendingColumn().width, 55);
    QCOMPARE(f.model().columnCount(), 3);
    f.chooser->hide();
    f.useChooser([&] { f.press("Button2"); });
    QCOMPARE(f.model().columnCount(), 4);
    const int source = f.store().records().fieldIndex(QStringLiteral("_1COND_THE"));
    QVERIFY(source >= 0);
    QCOMPARE(cell(f.model(), 5, 3), f.store().records().text(6, source));
}

void TestSets::chooserEdgeCases()
{
    SetsFixture f;
    f.show();
    FrozenColumnsView *grid = f.form->grid();
    QVERIFY(grid && grid->isVisible() && grid->frozenView()->isVisible());
    const QVector<int> widths = {36, 33, 74};
    for (int c = 0; c < 3; ++c)
        QCOMPARE(grid->columnWidth(c), widths[c]);
    QCOMPARE(f.model().headerData(0, Qt::Horizontal).toString(), QStringLiteral("N° At."));

    // "OK" before any click: a column with no field, no title and no width.
    f.useChooser([&] { f.press("Button2"); });
    QCOMPARE(f.model().columnCount(), 4);
    QVERIFY(f.model().columns()[3].field.isEmpty());
    QVERIFY(f.model().columns()[3].title.isEmpty());
    QCOMPARE(grid->columnWidth(3), 0);

    // Entries 1 to 3 add second columns under titles of their own; with nothing chosen yet,
    // the first arrow key down in the list chooses the first entry.
    f.useChooser([&] {
        QVERIFY(QTest::qWaitForWindowActive(f.chooser));
        f.list()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.list(), Qt::Key_Down);
        f.press("Button2");
    });
    for (int row = 1; row < 3; ++row)
        f.add(row);
    QCOMPARE(f.model().headerData(4, Qt::Horizontal).toString(), QStringLiteral("N° At"));
    QCOMPARE(f.model().headerData(5, Qt::Horizontal).toString(), QStringLiteral("symb."));
    QCOMPARE(f.model().headerData(6, Qt::Horizontal).toString(), QStringLiteral("nom"));
    QCOMPARE(grid->columnWidth(5), 40);
    QCOMPARE(cell(f.model(), 7, 6), cell(f.model(), 7, 2));

    // "Annuler" adds nothing but keeps the click; the list keeps its selection, and "OK"
    // alone then adds the kept column, again and again, each at the right end.
    f.useChooser([&] {
        f.clickEntry(6);
        f.press("Button1");
    });
    QCOMPARE(f.model().columnCount(), 7);
    QCOMPARE(f.form->pendingColumn().field, QStringLiteral("_TF"));
    for (int n = 0; n < 2; ++n) {
        f.useChooser([&] {
            QCOMPARE(f.list()->currentRow(), 6);
            QVERIFY(f.list()->item(6)->isSelected());
            f.press("Button2");
        });
    }
    QCOMPARE(f.model().columnCount(), 9);
    for (int c : {7, 8}) {
        QCOMPARE(f.model().columns()[c].field, QStringLiteral("_TF"));
        QCOMPARE(grid->columnWidth(c), 45);
    }

    // A double click chooses and adds at once.
    f.useChooser([&] {
        QListWidget *entries = f.list();
        const QPoint at = entries->visualItemRect(entries->item(1)).center();
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(entries->viewport(), Qt::LeftButton, {}, at);
    });
    QCOMPARE(f.model().columnCount(), 10);
    QCOMPARE(f.model().columns()[9].field, QStringLiteral("_SYMBOLE"));

    // Closed and shown again, the window keeps its columns.
    f.form->close();
    f.show();
    QCOMPARE(f.form->grid(), grid);
    QCOMPARE(f.model().columnCount(), 10);
    QCOMPARE(grid->columnWidth(9), 40);
}

void TestSets::frozenColumnsStayWhileScrolling()
{
    SetsFixture f;
    f.show();
    for (int row = 10; row < 30; ++row)
        f.add(row);
    FrozenColumnsView *grid = f.form->grid();
    QScrollBar *sideways = grid->horizontalScrollBar();
    sideways->setValue(0);
    QVERIFY(sideways->maximum() > 500);
    const int frozen = grid->frameWidth() + 36 + 33;
    // Titles and cells, down to the foot of the rows' area.
    const QRect left(0, 0, frozen, grid->viewport()->geometry().bottom() + 1);
    const QRect right(frozen, 0, grid->viewport()->width() - frozen, left.height());
    const QImage leftBefore = grid->grab(left).toImage();
    const QImage rightBefore = grid->grab(right).toImage();
    for (int value : {sideways->maximum() / 3, sideways->maximum()}) {
        sideways->setValue(value);
        QCOMPARE(grid->grab(left).toImage(), leftBefore);
        QVERIFY(grid->grab(right).toImage() != rightBefore);
    }
    // Rows scroll in both views alike, from either; a frozen column resized by the user
    // widens the frozen part.
    grid->verticalScrollBar()->setValue(40);
    QCOMPARE(grid->frozenView()->rowAt(0), 40);
    grid->frozenView()->verticalScrollBar()->setValue(10);
    QCOMPARE(grid->rowAt(0), 10);
    grid->frozenView()->horizontalHeader()->resizeSection(0, 60);
    QCOMPARE(grid->columnWidth(0), 60);
    QCOMPARE(grid->frozenView()->width(), 60 + 33);

    // Keys moving left bring a scrolled cell out from under the frozen columns.
    grid->setFocus();
    grid->setCurrentIndex(f.model().index(0, 12));
    for (int n = 0; n < 9; ++n)
        QTest::keyClick(grid, Qt::Key_Left);
    QCOMPARE(grid->currentIndex().column(), 3);
    QVERIFY(grid->visualRect(grid->currentIndex()).left() >= 60 + 33);
}

void TestSets::twoRowTitles()
{
    SetsFixture f;
    f.show();
    FrozenColumnsView *grid = f.form->grid();
    QHeaderView *header = grid->horizontalHeader();
    const int oneRow = header->height();
    f.add(3); // "M. At.|(g/mol)"
    // The titles get a second row in both views alike, so their rows stay level.
    QTRY_VERIFY(header->height() > oneRow);
    QCOMPARE(grid->frozenView()->horizontalHeader()->height(), header->height());
    QCOMPARE(grid->frozenView()->rowViewportPosition(50), grid->rowViewportPosition(50));

    const QImage image = header->grab().toImage();
    const int mid = image.height() / 2;
    const QFontMetrics metrics(header->font());
    const auto section = [&](int column, int top, int bottom) {
        return QRect(header->sectionViewportPosition(column) + 1, top,
                     header->sectionSize(column) - 2, bottom - top);
    };
    // "M. At." above "(g/mol)", each row in its half.
    const QRect upper = inkBounds(image, section(3, 0, mid));
    const QRect lower = inkBounds(image, section(3, mid, image.height()));
    QVERIFY(qAbs(upper.width() - metrics.tightBoundingRect("M. At.").width()) <= 2);
    QVERIFY(qAbs(lower.width() - metrics.tightBoundingRect("(g/mol)").width()) <= 2);
    QVERIFY(upper.bottom() < mid - 1 && lower.top() > mid);
    // "Nom" alone, across the middle of the header's height.
    const QRect nom = inkBounds(image, section(2, 0, image.height()));
    QVERIFY(qAbs(nom.width() - metrics.tightBoundingRect("Nom").width()) <= 2);
    QVERIFY(nom.top() < mid && nom.bottom() > mid);
}

void TestSets::copyAsText_data()
{
    QTest::addColumn<QVector<QPoint>>("cells"); // (column, row)
    QTest::addColumn<QString>("text");
    QTest::newRow("block") << QVector<QPoint>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}
                           << "1,5\tb\nc\t\"t\"\"ab\"\n";
    QTest::newRow("gaps stay empty")
        << QVector<QPoint>{{0, 0}, {2, 2}} << "1,5\t\t\n\t\t\"f\"\"g\"\n";
    QTest::newRow("one cell") << QVector<QPoint>{{2, 1}} << "\"x\ty\"\n";
    QTest::newRow("none") << QVector<QPoint>{} << "";
}

void TestSets::copyAsText()
{
    QFETCH(QVector<QPoint>, cells);
    QFETCH(QString, text);
    QStandardItemModel model(3, 3);
    const QStringList texts = {"1,5", "b", "", "c", "t\"ab", "x\ty", "", "", "f\"g"};
    for (int i = 0; i < texts.size(); ++i)
        model.setItem(i / 3, i % 3, new QStandardItem(texts[i]));
    QModelIndexList indexes;
    for (const QPoint &at : cells)
        indexes.append(model.index(at.y(), at.x()));
    QCOMPARE(cellsAsText(indexes), text);
}

void TestSets::copyShortcut()
{
    SetsFixture f;
    f.show();
    f.add(3);
    FrozenColumnsView *grid = f.form->grid();
    QApplication::clipboard()->clear();
    grid->selectionModel()->select(QItemSelection(f.model().index(0, 0), f.model().index(1, 3)),
                                   QItemSelectionModel::ClearAndSelect);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("1\tH\tHydrogène\t1,01\n2\tHe\tHélium\t4,00\n"));
}

void TestSets::toolTipsForClippedCells()
{
    SetsFixture f;
    f.show();
    FrozenColumnsView *grid = f.form->grid();
    const auto tipAt = [&](QAbstractItemView *view, int row, int column) {
        return toolTipAt(view->viewport(), view->visualRect(f.model().index(row, column)).center());
    };
    QCOMPARE(tipAt(grid, 0, 2), QString());
    grid->setColumnWidth(2, 30);
    QCOMPARE(tipAt(grid, 0, 2), QStringLiteral("Hydrogène"));
    // In the frozen columns too, with the bold font the cells are drawn in.
    QCOMPARE(tipAt(grid->frozenView(), 0, 1), QString());
    grid->setColumnWidth(1, 20);
    QCOMPARE(tipAt(grid->frozenView(), 0, 1), QString());
    QCOMPARE(tipAt(grid->frozenView(), 11, 1), QStringLiteral("Mg"));

    // A title wider than its column, even in the narrow face, shows whole, in its two rows.
    f.add(12); // "Cond. therm. |(W/(m/K))", 55 pixels, narrowed to 30
    f.add(3);  // "M. At.|(g/mol)", which fits its 45
    grid->setColumnWidth(3, 30);
    QHeaderView *header = grid->horizontalHeader();
    const auto titleTipAt = [&](int column) {
        return toolTipAt(header->viewport(),
                         QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    QCOMPARE(titleTipAt(3), QStringLiteral("Cond. therm. \n(W/(m/K))"));
    QCOMPARE(titleTipAt(4), QString());
}

void TestSets::columnStops_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("snap");
    QTest::addColumn<int>("stop");
    // Columns 50, 120, 45, 0 and 80 wide start at 0, 50, 170, 215 and 215.
    const int back = int(ColumnScroll::Snap::Back);
    const int forward = int(ColumnScroll::Snap::Forward);
    const int nearest = int(ColumnScroll::Snap::Nearest);
    QTest::newRow("a start stays") << 170 << forward << 170;
    QTest::newRow("back to the column's start") << 100 << back << 50;
    QTest::newRow("on to the next column") << 100 << forward << 170;
    QTest::newRow("nearer the column's start") << 100 << nearest << 50;
    QTest::newRow("nearer the next column") << 120 << nearest << 170;
    QTest::newRow("past the last start") << 400 << forward << 215;
    QTest::newRow("before the first") << -5 << back << 0;
}

void TestSets::columnStops()
{
    QFETCH(int, value);
    QFETCH(int, snap);
    const QVector<int> starts = ColumnScroll::columnStarts({50, 120, 45, 0, 80});
    QCOMPARE(starts, QVector<int>({0, 50, 170, 215, 215}));
    QTEST(ColumnScroll::snapped(starts, value, ColumnScroll::Snap(snap)), "stop");
}

namespace {

// Every way the grid moves sideways.
enum class Sideways { Arrow, Page, Thumb, Wheel, CellInSight, AnyValue, WiderWindow };

void moveSideways(SetsFixture &f, Sideways how)
{
    FrozenColumnsView *grid = f.form->grid();
    QScrollBar *bar = grid->horizontalScrollBar();
    switch (how) {
    case Sideways::Arrow:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Sideways::Page:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Sideways::Thumb:
        bar->setSliderDown(true);
        bar->setSliderPosition(bar->value() + 67);
        bar->setSliderDown(false);
        break;
    case Sideways::Wheel: {
        const QPoint at = grid->viewport()->rect().center();
        QWheelEvent wheel(at, grid->viewport()->mapToGlobal(at), {}, {-120, 0}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &wheel);
        break;
    }
    case Sideways::CellInSight:
        grid->setCurrentIndex(f.model().index(0, f.model().columnCount() - 1));
        break;
    case Sideways::AnyValue:
        bar->setValue(bar->value() + 7);
        break;
    case Sideways::WiderWindow:
        bar->setValue(bar->maximum());
        f.form->resize(f.form->width() + 150, f.form->height());
        break;
    }
}

// The cells of a rectangle as text, one line per row.
QString blockText(const QAbstractItemModel &model, QRect block)
{
    QString text;
    for (int row = block.top(); row <= block.bottom(); ++row) {
        QStringList texts;
        for (int column = block.left(); column <= block.right(); ++column)
            texts << cell(model, row, column);
        text += texts.join(u'\t') + u'\n';
    }
    return text;
}

} // namespace

void TestSets::sidewaysScrollStopsAtAColumn_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("arrow of the scroll bar") << int(Sideways::Arrow);
    QTest::newRow("page back") << int(Sideways::Page);
    QTest::newRow("thumb dragged") << int(Sideways::Thumb);
    QTest::newRow("wheel") << int(Sideways::Wheel);
    QTest::newRow("last column brought into sight") << int(Sideways::CellInSight);
    QTest::newRow("any position asked for") << int(Sideways::AnyValue);
    QTest::newRow("window widened at the far right") << int(Sideways::WiderWindow);
}

void TestSets::sidewaysScrollStopsAtAColumn()
{
    QFETCH(int, how);
    SetsFixture f;
    f.show();
    for (int entry = 4; entry < SetsEntries::Count; entry += 3)
        f.model().appendColumn(SetsEntries::column(entry));
    FrozenColumnsView *grid = f.form->grid();
    QScrollBar *bar = grid->horizontalScrollBar();
    // From the start of the fifteenth column.
    bar->setValue(grid->columnViewportPosition(14) - grid->columnViewportPosition(2));
    const int before = bar->value();
    moveSideways(f, Sideways(how));
    QVERIFY(bar->value() != before);
    // No column starts under the frozen ones and goes on beside them: one starts right
    // against them, and no value is shown without its start.
    const int edge = grid->frozenWidth();
    int against = 0;
    for (int c = TForm3::FrozenColumns; c < f.model().columnCount(); ++c) {
        const int left = grid->columnViewportPosition(c);
        QVERIFY2(left >= edge || left + grid->columnWidth(c) <= edge,
                 qPrintable(QString::number(c)));
        against += left == edge ? 1 : 0;
    }
    QVERIFY(against > 0);
}

void TestSets::selectionRunsFromTheCellChosen_data()
{
    // Gestures: "f:row,column" a click on a frozen cell, "s:row,column" on a scrolling one,
    // with Shift after "+", or the end of a drag from the cell pressed last after ">";
    // "key:Right" and "key:Down" that arrow with Shift. Then the block selected and copied.
    QTest::addColumn<QStringList>("gestures");
    QTest::addColumn<QRect>("block"); // columns across, rows down
    QTest::newRow("frozen cell, then Shift+click beside it")
        << QStringList{"s:5,4", "f:2,1", "+s:6,3"} << QRect(QPoint(1, 2), QPoint(3, 6));
    QTest::newRow("scrolling cell, then Shift+click on a frozen one")
        << QStringList{"f:10,0", "s:3,8", "+f:7,1"} << QRect(QPoint(1, 3), QPoint(8, 7));
    QTest::newRow("frozen cell, then Shift and arrows")
        << QStringList{"s:5,4", "f:2,1", "key:Right", "key:Right", "key:Down"}
        << QRect(QPoint(1, 2), QPoint(3, 3));
    QTest::newRow("dragged from a frozen cell into the scrolling part")
        << QStringList{"s:9,5", "f:2,0", ">s:4,3"} << QRect(QPoint(0, 2), QPoint(3, 4));
}

void TestSets::selectionRunsFromTheCellChosen()
{
    QFETCH(QStringList, gestures);
    QFETCH(QRect, block);
    SetsFixture f;
    f.show();
    for (int entry = 4; entry < 20; ++entry)
        f.model().appendColumn(SetsEntries::column(entry));
    FrozenColumnsView *grid = f.form->grid();
    // Scrolled by two columns: the frozen part stands over columns that scroll beneath it.
    grid->horizontalScrollBar()->setValue(grid->columnWidth(2) + grid->columnWidth(3));
    for (int g = 0; g < gestures.size(); ++g) {
        const QString &gesture = gestures[g];
        if (gesture.startsWith(QStringLiteral("key:"))) {
            const Qt::Key key =
                gesture.endsWith(QStringLiteral("Right")) ? Qt::Key_Right : Qt::Key_Down;
            QTest::keyClick(grid, key, Qt::ShiftModifier);
            continue;
        }
        const QChar mode = gesture.at(0) == u'+' || gesture.at(0) == u'>' ? gesture.at(0) : u' ';
        const QString place = mode == u' ' ? gesture : gesture.mid(1);
        const QStringList numbers = place.mid(2).split(u',');
        const QModelIndex index = f.model().index(numbers[0].toInt(), numbers[1].toInt());
        QAbstractItemView *part = place.at(0) == u'f' ? grid->frozenView() : grid;
        if (part == grid)
            grid->scrollTo(index);
        QWidget *surface = part->viewport();
        const QPoint at = part->visualRect(index).center();
        QVERIFY2(surface->rect().contains(at), qPrintable(gesture));
        if (mode == u'>') {
            // The drag goes on over the part where the button went down.
            QWidget *from = grid->frozenView()->viewport();
            QTest::mouseMove(from, from->mapFrom(grid, surface->mapTo(grid, at)));
            QTest::mouseRelease(from, Qt::LeftButton, {},
                                from->mapFrom(grid, surface->mapTo(grid, at)));
            continue;
        }
        QTest::mousePress(surface, Qt::LeftButton,
                          mode == u'+' ? Qt::ShiftModifier : Qt::NoModifier, at);
        if (g + 1 == gestures.size() || !gestures[g + 1].startsWith(u'>'))
            QTest::mouseRelease(surface, Qt::LeftButton, {}, at);
    }
    QSet<QPair<int, int>> selected;
    for (const QModelIndex &index : grid->selectionModel()->selectedIndexes())
        selected.insert({index.row(), index.column()});
    QSet<QPair<int, int>> expected;
    for (int row = block.top(); row <= block.bottom(); ++row)
        for (int column = block.left(); column <= block.right(); ++column)
            expected.insert({row, column});
    QCOMPARE(selected, expected);
    QApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), blockText(f.model(), block));
}

void TestSets::homeBringsTheGridBackToTheStart_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("row");
    QTest::newRow("Home") << int(Qt::NoModifier) << 20;
    QTest::newRow("Ctrl+Home") << int(Qt::ControlModifier) << 0;
}

void TestSets::homeBringsTheGridBackToTheStart()
{
    QFETCH(int, modifiers);
    SetsFixture f;
    f.show();
    for (int entry = 4; entry < 30; ++entry)
        f.model().appendColumn(SetsEntries::column(entry));
    FrozenColumnsView *grid = f.form->grid();
    grid->setFocus();
    grid->setCurrentIndex(f.model().index(20, f.model().columnCount() - 1));
    QVERIFY(grid->horizontalScrollBar()->value() > 0);
    QTest::keyClick(grid, Qt::Key_Home, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(grid->currentIndex().column(), 0);
    QTEST(grid->currentIndex().row(), "row");
    QCOMPARE(grid->horizontalScrollBar()->value(), 0);
    QCOMPARE(grid->columnViewportPosition(2), grid->frozenWidth());
}

QTEST_MAIN(TestSets)
#include "tst_sets.moc"

namespace {

void clickTitle(QTableView *view, int column)
{
    QHeaderView *header = view->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, 5));
}

// Whether the column's numbers run the given way down the grid, its empty cells all below.
bool runs(const QAbstractItemModel &model, int column, Qt::SortOrder order)
{
    std::optional<double> last;
    bool emptySeen = false;
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto value = Numbers::parseDecimal(cell(model, row, column));
        if (!value) {
            emptySeen = true;
            continue;
        }
        if (emptySeen || (last && (order == Qt::AscendingOrder ? *value < *last : *value > *last)))
            return false;
        last = value;
    }
    return true;
}

} // namespace

void TestSets::titleClickSorts()
{
    SetsFixture f;
    f.show();
    f.add(4); // "M. Vol.", empty for some elements
    FrozenColumnsView *grid = f.form->grid();
    QAbstractItemModelTester tester(&f.model());
    clickTitle(grid, 3);
    QVERIFY(runs(f.model(), 3, Qt::AscendingOrder));
    QVERIFY(cell(f.model(), f.model().rowCount() - 1, 3).trimmed().isEmpty());
    clickTitle(grid, 3);
    QVERIFY(runs(f.model(), 3, Qt::DescendingOrder));
    // The frozen titles sort too, the texts as a French reader orders them.
    clickTitle(grid->frozenView(), 1);
    QCOMPARE(cell(f.model(), 0, 1), QStringLiteral("Ac"));
    clickTitle(grid, 2);
    QCOMPARE(cell(f.model(), 0, 2), QStringLiteral("Actinium"));
    QCOMPARE(cell(f.model(), 1, 2), QStringLiteral("Aluminium"));
    clickTitle(grid->frozenView(), 0);
    for (int row = 0; row < f.model().rowCount(); ++row)
        QCOMPARE(cell(f.model(), row, 0), QString::number(row + 1));
}

void TestSets::menuRemovesAndExports()
{
    SetsFixture f;
    f.show();
    f.add(3);
    f.add(4);
    const auto action = [&](int column, const QString &text) -> QAction * {
        QMenu *menu = f.form->gridMenu(column);
        menu->deleteLater();
        for (QAction *each : menu->actions())
            if (each->text() == text)
                return each;
        return nullptr;
    };
    QVERIFY(action(0, QStringLiteral("Copier")));
    QVERIFY(!action(1, QStringLiteral("Retirer la colonne"))->isEnabled());
    action(3, QStringLiteral("Retirer la colonne"))->trigger();
    QCOMPARE(f.model().columnCount(), 4);
    QCOMPARE(f.model().headerData(3, Qt::Horizontal).toString(), QStringLiteral("M. Vol.|(g/mL)"));

    // Exported in the order shown, one row per element below the titles.
    f.model().sortByTitle(2);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("e.csv"));
    QVERIFY(f.form->exportTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), f.model().rowCount() + 2); // and the empty text after the last
    QCOMPARE(lines[0], QStringLiteral("N° At.;Symb.;Nom;M. Vol. (g/mL)"));
    QCOMPARE(lines[1].section(QLatin1Char(';'), 0, 2),
             cell(f.model(), 0, 0) + ";" + cell(f.model(), 0, 1) + ";Actinium");
    QVERIFY(!f.form->exportTo(dir.filePath(QStringLiteral("no/such/folder.ods"))));
}
