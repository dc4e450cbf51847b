// The chart windows and the commands that open them, driven as the user drives them.
#include "ChartFixture.h"
#include "SaveDialogPlayer.h"
#include "charts/ChartCommands.h"
#include "charts/TForm5.h"
#include "charts/TForm6.h"
#include "charts/TFormgr.h"
#include "controls/PictureSaves.h"
#include "data/GraphSelection.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <deque>
#include <functional>

class TestChartWindows : public QObject
{
    Q_OBJECT

private slots:
    void graphXYLayoutAndFill();
    void labelsBelongToOneChart();
    void zoomAnimationAndUndo();
    void zoomExtremes();
    void pointsAndLabelsInsideTheFrame_data();
    void pointsAndLabelsInsideTheFrame();
    void valuesBeyondTheAxesRanges_data();
    void valuesBeyondTheAxesRanges();
    void tableErrorsGiveEmptyCharts_data();
    void tableErrorsGiveEmptyCharts();
    void graphLC();
    void saveDialog();
    void commands();
};

namespace {

GraphSelection selection(const char *xTitle, const char *xColumn, const char *yTitle = "",
                         const char *yColumn = "")
{
    GraphSelection s;
    s.xTitle = QString::fromUtf8(xTitle);
    s.xColumn = QString::fromUtf8(xColumn);
    s.yTitle = QString::fromUtf8(yTitle);
    s.yColumn = QString::fromUtf8(yColumn);
    return s;
}

QVector<double> keys(ElementChart *chart)
{
    QVector<double> out;
    if (auto *bars = qobject_cast<QCPBars *>(chart->plottable(0)))
        for (auto it = bars->data()->constBegin(); it != bars->data()->constEnd(); ++it)
            out.append(it->key);
    if (auto *graph = qobject_cast<QCPGraph *>(chart->plottable(0)))
        for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
            out.append(it->key);
    return out;
}

// Runs `open` (which shows modal windows) while `steps` play the user, one per modal window
// shown, in order; a window shown again (the chooser) counts again.
class ModalPlayer : public QObject
{
public:
    explicit ModalPlayer(std::deque<std::function<void(QWidget *)>> steps)
        : m_steps(std::move(steps))
    {
        qApp->installEventFilter(this);
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (m_shown.empty() || modal != m_shown.front() || m_steps.empty())
                return;
            m_shown.pop_front();
            auto step = m_steps.front();
            m_steps.pop_front();
            step(modal);
        });
        m_timer.start();
    }
    bool done() const { return m_steps.empty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal())
            m_shown.push_back(widget);
        return false;
    }

private:
    std::deque<std::function<void(QWidget *)>> m_steps;
    std::deque<QWidget *> m_shown;
    QTimer m_timer;
};

void playModal(const std::function<void()> &open, std::deque<std::function<void(QWidget *)>> steps)
{
    ModalPlayer player(std::move(steps));
    open();
    QVERIFY2(player.done(), "a window the test expected did not open");
}

void confirm(QWidget *chooser, int row = -1)
{
    if (row >= 0)
        chooser->findChild<QListWidget *>(QStringLiteral("ListBox2"))->setCurrentRow(row);
    QTest::mouseClick(chooser->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
}

} // namespace

// The window's place, buttons and tabs; one fill at first show into three charts standing
// at the elements' X values, the bars too.
void TestChartWindows::graphXYLayoutAndFill()
{
    ChartFixture fixture;
    const GraphSelection chosen = selection("T eb (K)", "_TEB", "E.N.", "_3EN");
    TForm5 window(chosen, fixture.store());
    QVERIFY(!window.filled());
    window.show();
    QVERIFY(window.filled());
    QCOMPARE(window.windowTitle(), QStringLiteral("graphique"));
    QCOMPARE(window.pos(), QPoint(118, 53));
    QCOMPARE(window.size(), QSize(600, 462));
    const struct
    {
        const char *caption;
        QRect geometry;
    } buttons[] = {{"Labels On/Off", {8, 6, 81, 25}},
                   {"Echelle 100%", {96, 6, 81, 25}},
                   {"Imprimer ", {184, 6, 75, 25}},
                   {"sauver ...", {264, 6, 81, 25}},
                   {"Copier dans le Presse Papier", {360, 6, 169, 25}}};
    for (const auto &expected : buttons) {
        QPushButton *found = nullptr;
        for (QPushButton *b : window.findChildren<QPushButton *>())
            if (b->text() == QString::fromUtf8(expected.caption))
                found = b;
        QVERIFY2(found, expected.caption);
        QCOMPARE(found->geometry(), expected.geometry);
        QVERIFY(found->fontMetrics().horizontalAdvance(found->text()) + 6 <= found->width());
    }
    QCOMPARE(window.tabs()->count(), 3);
    QCOMPARE(window.tabs()->tabText(0), QStringLiteral("Nuage de points"));
    QCOMPARE(window.tabs()->tabText(1), QStringLiteral("Histogramme"));
    QCOMPARE(window.tabs()->tabText(2), QStringLiteral("Courbe de tendance"));
    QCOMPARE(window.tabs()->currentIndex(), 0);

    const QVector<double> xs{20.28, 77.36, 1615, 2744, 4273, 4273};
    for (int tab = 0; tab < 3; ++tab) {
        ElementChart *chart = window.chart(tab);
        QCOMPARE(keys(chart), xs);
        QCOMPARE(chart->xAxis->label(), QStringLiteral("T eb (K)"));
        QCOMPARE(chart->yAxis->label(), QStringLiteral("E.N."));
        QCOMPARE(chart->visibleLabelCount(), 6);
    }
    QCOMPARE(window.chart(0)->graph(0)->lineStyle(), QCPGraph::lsNone);
    QCOMPARE(window.chart(2)->graph(0)->lineStyle(), QCPGraph::lsLine);
    QCOMPARE(window.chart(2)->graph(0)->scatterStyle().shape(), QCPScatterStyle::ssCross);
    // A larger window gives the charts the room.
    const QSize chartSize = window.chart(0)->size();
    window.resize(800, 600);
    QCOMPARE(window.chart(0)->size(), chartSize + QSize(200, 138));
    // The line joins the elements in X order: its first and last points are H and C.
    QCOMPARE(window.chart(2)->points().front().lab, QStringLiteral("H"));
    QCOMPARE(window.chart(2)->points().back().lab, QStringLiteral("C"));
}

void TestChartWindows::labelsBelongToOneChart()
{
    ChartFixture fixture;
    const GraphSelection chosen = selection("T eb (K)", "_TEB", "E.N.", "_3EN");
    TForm5 window(chosen, fixture.store());
    window.show();
    window.tabs()->setCurrentIndex(1);
    window.labelsClick();
    QCOMPARE(window.chart(1)->visibleLabelCount(), 0);
    QCOMPARE(window.chart(0)->visibleLabelCount(), 6);
    QCOMPARE(window.chart(2)->visibleLabelCount(), 6);
    window.labelsClick();
    QCOMPARE(window.chart(1)->visibleLabelCount(), 6);
}

// A dragged rectangle zooms in seven steps on the scatter chart and the row and column
// charts (eight on the others), each a step of the way; "Echelle 100%" goes back to all
// points.
void TestChartWindows::zoomAnimationAndUndo()
{
    ChartFixture fixture;
    const GraphSelection chosen = selection("T eb (K)", "_TEB", "E.N.", "_3EN");
    TForm5 xy(chosen, fixture.store());
    TForm6 lc(chosen, fixture.store());
    const struct
    {
        ChartWindow *window;
        int tab;
        int steps;
    } cases[] = {{&xy, 0, 7}, {&xy, 1, 8}, {&xy, 2, 8}, {&lc, 0, 7}, {&lc, 1, 7}};
    for (const auto &c : cases) {
        c.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(c.window));
        c.window->tabs()->setCurrentIndex(c.tab);
        ElementChart *chart = c.window->chart(c.tab);
        const int labels = chart->visibleLabelCount();
        const QCPRange full = chart->xAxis->range();
        QSignalSpy steps(chart->xAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged));
        const QPoint from = chart->axisRect()->rect().topLeft() + QPoint(10, 10);
        const QPoint to = chart->axisRect()->rect().center();
        QTest::mousePress(chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(chart, to);
        QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
        QVERIFY(chart->zooming());
        QTRY_VERIFY(!chart->zooming());
        QCOMPARE(steps.count(), c.steps);
        const QCPRange zoomed = chart->xAxis->range();
        QVERIFY(zoomed.size() < full.size() / 1.5);
        // Every step moved part of the way, none overshot.
        for (int i = 1; i < steps.count(); ++i)
            QVERIFY(steps[i][0].value<QCPRange>().size() <=
                    steps[i - 1][0].value<QCPRange>().size());
        QVERIFY(chart->visibleLabelCount() < labels);
        c.window->scaleClick();
        QCOMPARE(chart->xAxis->range().lower, full.lower);
        QCOMPARE(chart->xAxis->range().upper, full.upper);
        QCOMPARE(chart->visibleLabelCount(), labels);
        c.window->hide();
    }
}

// An empty area, a click without a drag, a hundred zooms in a row, a zoom during a zoom:
// sound ranges every time.
void TestChartWindows::zoomExtremes()
{
    ChartFixture fixture;
    const GraphSelection chosen = selection("T eb (K)", "_TEB", "E.N.", "_3EN");
    TForm5 window(chosen, fixture.store());
    window.show();
    ElementChart *chart = window.chart(0);
    auto finish = [chart] {
        while (chart->zooming())
            chart->zoomStep();
    };
    chart->zoomTo(QCPRange(3000, 3500), QCPRange(2.8, 3.0));
    finish();
    QCOMPARE(chart->visibleLabelCount(), 0);
    QCOMPARE(chart->xAxis->range().lower, 3000.0);

    const QCPRange before = chart->xAxis->range();
    chart->zoomTo(QCPRange(5, 5), QCPRange(1, 2));
    QVERIFY(!chart->zooming());
    QCOMPARE(chart->xAxis->range(), before);

    for (int i = 0; i < 100; ++i) {
        const QCPRange x = chart->xAxis->range();
        const QCPRange y = chart->yAxis->range();
        chart->zoomTo(QCPRange(x.center() - x.size() / 4, x.center() + x.size() / 4),
                      QCPRange(y.center() - y.size() / 4, y.center() + y.size() / 4));
        if (i % 2)
            finish();
        else
            chart->zoomStep(); // the next zoom starts from a frame of this one
    }
    finish();
    QVERIFY(std::isfinite(chart->xAxis->range().size()) && chart->xAxis->range().size() > 0);
    chart->replot();
    window.scaleClick();
    QVERIFY(chart->xAxis->range().lower < 20.28);
    QVERIFY(chart->xAxis->range().upper > 4273);
}

void TestChartWindows::pointsAndLabelsInsideTheFrame_data()
{
    QTest::addColumn<QString>("xColumn");
    QTest::addColumn<QString>("yColumn");
    QTest::addColumn<QSize>("size"); // of the window; empty: as it opens
    // He highest at the left edge, H on it; W and Re at the top right corner.
    for (const QSize size : {QSize(), QSize(420, 300), QSize(1000, 700)}) {
        const QByteArray at = size.isEmpty() ? QByteArray("as it opens")
                                             : QByteArray::number(size.width()) + "x" +
                                                   QByteArray::number(size.height());
        QTest::newRow(("N° At x E 1ère ionisation, " + at).constData()) << "_NO_AT"
                                                                        << "_8E_1ERE_I" << size;
        QTest::newRow(("T eb x H vap, " + at).constData()) << "_TEB"
                                                           << "_4H_VAP" << size;
    }
}

// Every point of the shipped table stands inside the frame with its marker and its label
// whole, on the three charts, on the screen and so in every picture and printout made of it.
void TestChartWindows::pointsAndLabelsInsideTheFrame()
{
    QFETCH(QString, xColumn);
    QFETCH(QString, yColumn);
    QFETCH(QSize, size);
    ChartFixture fixture(readFileBytes(QStringLiteral(MIRELON_SHARE_DIR "/prop.yop")));
    const GraphSelection chosen = selection("x", xColumn.toUtf8(), "y", yColumn.toUtf8());
    TForm5 window(chosen, fixture.store());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (!size.isEmpty())
        window.resize(size);
    for (int tab = 0; tab < 3; ++tab) {
        window.tabs()->setCurrentIndex(tab);
        ElementChart *chart = window.chart(tab);
        chart->replot();
        QVERIFY(chart->points().size() > 80);
        const QRectF frame = chart->axisRect()->rect();
        const double half = ElementChart::MarkerSize / 2.0;
        for (const ChartPoint &point : chart->points()) {
            const QPointF at = chart->plotted(point);
            const QPointF pixel(chart->xAxis->coordToPixel(at.x()),
                                chart->yAxis->coordToPixel(at.y()));
            const QRectF marker(pixel - QPointF(half, half), QSizeF(2 * half, 2 * half));
            QVERIFY2(frame.contains(tab == 1 ? QRectF(pixel, QSizeF()) : marker),
                     qPrintable(point.lab));
        }
        int labels = 0;
        for (int i = 0; i < chart->itemCount(); ++i) {
            const auto *label = qobject_cast<QCPItemText *>(chart->item(i));
            if (!label)
                continue;
            ++labels;
            const QRectF box(label->topLeft->pixelPosition(), label->bottomRight->pixelPosition());
            QVERIFY2(frame.contains(box), qPrintable(label->text()));
        }
        QCOMPARE(labels, chart->points().size());
    }
}

// The axes hold ranges within about 1E250 across and wider than 1E-280; values beyond
// (1,5E308 typed into the legend's value box, the smallest doubles) are plotted all the
// same: every point on the back wall, the tick labels telling the values themselves, and
// "Echelle 100%" bringing every point back after a zoom.
void TestChartWindows::valuesBeyondTheAxesRanges_data()
{
    QTest::addColumn<QVector<double>>("xs");
    QTest::addColumn<QVector<double>>("ys");
    QTest::newRow("1,5E308 among ordinary values")
        << QVector<double>{1, 2, 3, 4} << QVector<double>{7.87, 8.96, 1.5e308, 2.7};
    QTest::newRow("both ends of the double range")
        << QVector<double>{1, 2, 3} << QVector<double>{-1.7e308, 1.7e308, 0};
    QTest::newRow("far along X") << QVector<double>{1e300, -2e299, 5e299}
                                 << QVector<double>{1, 2, 3};
    QTest::newRow("tiny values") << QVector<double>{1, 2, 3}
                                 << QVector<double>{1e-300, 3e-300, 2e-300};
    QTest::newRow("smallest doubles")
        << QVector<double>{1, 2, 3} << QVector<double>{5e-324, 0, 1e-323};
}

void TestChartWindows::valuesBeyondTheAxesRanges()
{
    QFETCH(QVector<double>, xs);
    QFETCH(QVector<double>, ys);
    ChartPoints points;
    for (int i = 0; i < xs.size(); ++i)
        points.append({QStringLiteral("E%1").arg(i), xs[i], ys[i]});
    ChartFill::sortByX(points);
    const QLocale french(QLocale::French);
    // The tick labels' values lie around the values and reach over most of their span.
    auto labelsTell = [&](QCPAxis *axis, const QVector<double> &values) {
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        const double span = *high / 2 - *low / 2; // halves: the span may exceed the doubles
        QVector<double> told;
        for (const QString &label : axis->tickVectorLabels())
            told.append(french.toDouble(label));
        if (told.size() < 2)
            return false;
        const auto [first, last] = std::minmax_element(told.begin(), told.end());
        return *first / 2 >= *low / 2 - span && *last / 2 <= *high / 2 + span &&
               *first / 2 <= *low / 2 + span / 2 && *last / 2 >= *high / 2 - span / 2;
    };
    const bool smallXs = std::all_of(xs.begin(), xs.end(), [](double x) { return x < 20; });
    for (const auto kind :
         {ElementChart::Kind::Points, ElementChart::Kind::Bars, ElementChart::Kind::Line}) {
        for (const bool rowColumn : {false, true}) {
            if (rowColumn && (!smallXs || kind != ElementChart::Kind::Points))
                continue;
            ElementChart chart(kind, {7, rowColumn});
            chart.resize(500, 400);
            chart.setPoints(points);
            chart.replot();
            QCOMPARE(chart.visibleLabelCount(), points.size());
            // The axis maps its upper end one pixel above the wall's top row.
            const QRectF wall = QRectF(chart.axisRect()->rect()).adjusted(0, -1, 0, 0);
            for (const ChartPoint &p : points) {
                const QPointF at(chart.xAxis->coordToPixel(chart.plotted(p).x()),
                                 chart.yAxis->coordToPixel(chart.plotted(p).y()));
                QVERIFY2(wall.contains(at), qPrintable(p.lab));
            }
            QVERIFY(labelsTell(chart.yAxis, ys));
            if (!rowColumn)
                QVERIFY(labelsTell(chart.xAxis, xs));
            const QCPRange x = chart.xAxis->range();
            const QCPRange y = chart.yAxis->range();
            chart.zoomTo(QCPRange(x.lower, x.center()), QCPRange(y.lower, y.center()));
            while (chart.zooming())
                chart.zoomStep();
            QVERIFY(chart.visibleLabelCount() < points.size());
            chart.undoZoom();
            QCOMPARE(chart.visibleLabelCount(), points.size());
        }
    }
}

// A column missing from the file is reported and nothing is plotted; two properties with
// no element in common plot nothing without a word. The titles are set either way.
void TestChartWindows::tableErrorsGiveEmptyCharts_data()
{
    QTest::addColumn<QString>("yColumn");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing column") << "_TF"
                                    << "TextTable1: Field '_TF' not found";
    QTest::newRow("nothing in common") << "_0DURET_" << QString();
}

void TestChartWindows::tableErrorsGiveEmptyCharts()
{
    QFETCH(QString, yColumn);
    QFETCH(QString, message);
    QByteArray table = ChartFixture::crafted();
    table.replace("3;Li;1615;1;", "3;Li;;1;")
        .replace("6;C;4273;", "6;C;;")
        .replace("5;Bxxxxxx;4273;", "5;Bxxxxxx;;");
    ChartFixture fixture(table);
    GraphSelection chosen = selection("T eb (K)", "_TEB", "Y", "");
    chosen.yColumn = yColumn;
    TForm5 window(chosen, fixture.store());
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    window.show();
    QCOMPARE(shown, message);
    for (int tab = 0; tab < 3; ++tab) {
        QVERIFY(window.chart(tab)->points().isEmpty());
        QCOMPARE(window.chart(tab)->xAxis->label(), QStringLiteral("T eb (K)"));
        QCOMPARE(window.chart(tab)->yAxis->label(), QStringLiteral("Y"));
    }
    window.chart(0)->replot();
}

// Rows and columns, the left title the property's, integer ticks without minor ticks at the
// bottom, two minor ticks at the left, every marker inside the widened ranges.
void TestChartWindows::graphLC()
{
    ChartFixture fixture;
    const GraphSelection chosen = selection("T eb (K)", "_TEB", "unused", "_3EN");
    TForm6 window(chosen, fixture.store());
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Graphique Ligne/Colonne"));
    QCOMPARE(window.pos(), QPoint(121, 56));
    QCOMPARE(window.size(), QSize(594, 455));
    QCOMPARE(window.tabs()->count(), 2);
    QCOMPARE(window.tabs()->tabText(0), QStringLiteral("Lignes"));
    QCOMPARE(window.tabs()->tabText(1), QStringLiteral("Colonnes"));
    QCOMPARE(keys(window.chart(0)), (QVector<double>{1, 1, 2, 2, 2, 2}));
    QCOMPARE(keys(window.chart(1)), (QVector<double>{1, 1, 2, 14, 18}));
    const char *bottoms[] = {"Lignes", "Colonnes"};
    for (int tab = 0; tab < 2; ++tab) {
        ElementChart *chart = window.chart(tab);
        QCOMPARE(chart->xAxis->label(), QString::fromLatin1(bottoms[tab]));
        QCOMPARE(chart->yAxis->label(), QStringLiteral("T eb (K)"));
        QVERIFY(!chart->xAxis->subTicks());
        QCOMPARE(chart->xAxis->subTickLengthIn(), 0);
        chart->replot();
        // Every marker whole on the back wall, the outermost ones too.
        const int half = ElementChart::MarkerSize / 2 + 1;
        const QRect inner = chart->axisRect()->rect().adjusted(half, half, -half, -half);
        for (const ChartPoint &p : chart->points())
            QVERIFY2(inner.contains(
                         QPointF(chart->xAxis->coordToPixel(p.x), chart->yAxis->coordToPixel(p.y))
                             .toPoint()),
                     qPrintable(p.lab));
        // Two minor ticks between two major ones: the major step is three minor steps.
        QVector<double> ticks, subTicks;
        QVector<QString> labels;
        chart->yAxis->ticker()->generate(chart->yAxis->range(), QLocale(), 'g', 6, ticks, &subTicks,
                                         &labels);
        QVERIFY(ticks.size() > 1);
        for (int i = 0; i + 1 < ticks.size(); ++i)
            QCOMPARE(std::count_if(subTicks.begin(), subTicks.end(),
                                   [&](double t) { return ticks[i] < t && t < ticks[i + 1]; }),
                     2);
    }
    QCOMPARE(chosen.yTitle, QStringLiteral("unused"));
}

// The dialog offers "Graphique1" every time with the three filter texts; cancelling writes
// nothing; the entry picked decides what a bare name is written as (the rule is
// tst_chartexport's, the question before replacing tst_picturesavedialog's). The next dialog,
// in either chart window, opens in the folder and with the type of the last save.
void TestChartWindows::saveDialog()
{
    ChartFixture fixture;
    QVERIFY(QDir(fixture.path(".")).mkdir("sub"));
    const QStringList files{"prop.yop"};
    const GraphSelection chosen = selection("T eb (K)", "_TEB", "E.N.", "_3EN");
    PictureSaves pictures; // the first dialog opens in the scratch folder
    pictures.folder = fixture.folderPath();
    TForm5 xy(chosen, fixture.store());
    xy.setPictureSaves(&pictures);
    xy.show();
    const auto save = [&xy] { xy.saveClick(); };

    SaveDialogSeen seen = playSaveDialog(save, {});
    QCOMPARE(seen.types, (QStringList{"Bitmap (*.bmp)", "Windows Metafile (*.wmf)",
                                      "Enchanced Metafile (*emf)", "Image PNG (*.png)",
                                      "Image vectorielle SVG (*.svg)", "Document PDF (*.pdf)"}));
    QCOMPARE(seen.type, 0);
    QCOMPARE(seen.name, QStringLiteral("Graphique1"));
    QCOMPARE(QDir(fixture.path(".")).entryList(QDir::Files), files);

    seen = playSaveDialog(save, {"zinc", 0});
    QCOMPARE(QImage(fixture.path("zinc.bmp")).size(), xy.currentChart()->size());

    seen = playSaveDialog(save, {"sub/typed", 2});
    QCOMPARE(seen.name, QStringLiteral("Graphique1"));
    QCOMPARE(readFileBytes(fixture.path("sub/typed.emf")).mid(40, 4), QByteArray(" EMF"));

    TForm6 lc(chosen, fixture.store());
    lc.setPictureSaves(&pictures);
    lc.show();
    seen = playSaveDialog([&lc] { lc.saveClick(); }, {});
    QCOMPARE(seen.folder, fixture.path("sub"));
    QCOMPARE(seen.type, 2);
    QCOMPARE(seen.name, QStringLiteral("Graphique1"));
    QCOMPARE(QDir(fixture.path("sub")).entryList(QDir::Files), QStringList{"typed.emf"});
}

// The commands: the first chooser empty-handed at first use gives the atomic number; a
// cancelled second chooser opens no window and the next command starts from empty axes;
// Graph L/C leaves the Y part alone and starts from the current choice.
void TestChartWindows::commands()
{
    ChartFixture fixture;
    GraphSelection graph;
    PictureSaves pictures;
    QWidget main;
    TFormgr chooser(graph, &main);
    QString opened;
    auto chartWindow = [&](QWidget *modal) {
        opened = modal->windowTitle() + " " +
                 qobject_cast<ChartWindow *>(modal)->chart(0)->xAxis->label();
        modal->close();
    };
    auto cancel = [](QWidget *modal) { modal->close(); };
    const auto graphXY = [&] {
        ChartCommands::GraphXY1Click(chooser, graph, fixture.store(), pictures, &main);
    };
    const auto graphLC = [&] {
        ChartCommands::GraphLC1Click(chooser, graph, fixture.store(), pictures, &main);
    };

    playModal(graphXY,
              {[](QWidget *c) { confirm(c); }, [](QWidget *c) { confirm(c, 4); }, chartWindow});
    QCOMPARE(opened, QStringLiteral("graphique N° At"));
    QCOMPARE(graph.yColumn, QStringLiteral("_TEB"));

    opened.clear();
    playModal(graphXY, {[](QWidget *c) { confirm(c, 15); }, cancel});
    QVERIFY(opened.isEmpty());
    QCOMPARE(graph.xColumn, QStringLiteral("_3EN"));
    QVERIFY(graph.yColumn.isEmpty() && graph.yTitle.isEmpty());

    playModal(graphXY,
              {[](QWidget *c) { confirm(c, 15); }, [](QWidget *c) { confirm(c, 4); }, chartWindow});
    QCOMPARE(opened, QStringLiteral("graphique E.N."));
    // Graph L/C: the chooser left on "T eb (K)" gives it, the Y part stays.
    playModal(graphLC, {[](QWidget *c) {
                            QCOMPARE(c->windowTitle(), QStringLiteral("Proprieté"));
                            confirm(c);
                        },
                        chartWindow});
    QCOMPARE(opened, QStringLiteral("Graphique Ligne/Colonne Lignes"));
    QCOMPARE(graph.xColumn, QStringLiteral("_TEB"));
    QCOMPARE(graph.yColumn, QStringLiteral("_TEB"));
    QCOMPARE(graph.yTitle, QStringLiteral("T eb (K)"));
    playModal(graphLC, {cancel});
    QVERIFY(graph.xColumn.isEmpty());
    QCOMPARE(graph.yColumn, QStringLiteral("_TEB"));
    // Graph XY empties the Y part again, even when its first chooser is closed.
    playModal(graphXY, {cancel});
    QVERIFY(graph.yColumn.isEmpty() && graph.yTitle.isEmpty());
}

QTEST_MAIN(TestChartWindows)
#include "tst_chartwindows.moc"
