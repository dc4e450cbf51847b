#include "charts/ElementChart.h"

#include "charts/ChartTableAccessible.h"
#include "controls/Fonts.h"

#include <QAccessible>

#include <algorithm>
#include <cmath>

const QColor ElementChart::BackWall(0xFF, 0xFF, 0x80);

namespace {

const QColor Red(0xFF, 0x00, 0x00);

} // namespace

// The ticks of an axis whose coordinates are the values divided by a power of ten: each
// label shows the value itself. Optionally a fixed number of minor ticks.
class ElementChart::ValueTicker : public QCPAxisTicker
{
public:
    void setScale(double scale) { m_scale = scale; }
    void setSubTickCount(int count) { m_subTicks = count; }

protected:
    int getSubTickCount(double step) override
    {
        return m_subTicks >= 0 ? m_subTicks : QCPAxisTicker::getSubTickCount(step);
    }
    QString getTickLabel(double tick, const QLocale &locale, QChar format, int precision) override
    {
        return QCPAxisTicker::getTickLabel(tick * m_scale, locale, format, precision);
    }

private:
    double m_scale = 1;
    int m_subTicks = -1; // the ticker's own choice
};

namespace {

// The single-line border round the whole chart, drawn with the chart's layers so that the
// bitmaps, metafiles and printouts have it as the screen does.
class ChartBorder : public QCPLayerable
{
public:
    explicit ChartBorder(QCustomPlot *plot) : QCPLayerable(plot, QStringLiteral("overlay")) {}

protected:
    // The layer clips its items one pixel short at the bottom; the border takes it all.
    QRect clipRect() const override { return mParentPlot->viewport().adjusted(0, 0, 0, 1); }
    void applyDefaultAntialiasingHint(QCPPainter *painter) const override
    {
        painter->setAntialiasing(false);
    }
    void draw(QCPPainter *painter) override
    {
        const QRect all = mParentPlot->viewport();
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::NoBrush);
        // A pixel's line covers that pixel. A vector picture's readers round its size and may
        // lose a line on its very edge, so there it runs one pixel in from each edge.
        if (painter->modes().testFlag(QCPPainter::pmVectorized))
            painter->drawRect(QRectF(all).adjusted(1, 1, -1, -1));
        else
            painter->drawRect(all.adjusted(0, 0, -1, -1));
    }
};

// Axis ranges must lie well within +-1E250 and span more than 1E-280: the values of an
// axis whose largest size is beyond 1E100 or below 1E-100 are plotted in units of that
// size's power of ten, which keeps them between 1 and 10.
double plotScale(const QVector<double> &values)
{
    double largest = 0;
    for (double value : values)
        largest = std::max(largest, std::abs(value));
    if (largest == 0 || (largest >= 1e-100 && largest <= 1e100))
        return 1;
    return std::pow(10.0, std::clamp(std::floor(std::log10(largest)), -300.0, 300.0));
}

// The range of the values, widened by `pad` of its span on each side; a range of a single
// value is widened by one unit (or a tenth of the value) so that it can be shown.
QCPRange spanOf(const QVector<double> &values, double pad)
{
    if (values.isEmpty())
        return QCPRange(0, 1);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    QCPRange range(*low, *high);
    if (range.size() <= 0) {
        const double half = *low == 0 ? 1 : std::abs(*low) / 10;
        return QCPRange(*low - half, *low + half);
    }
    const double margin = range.size() * pad;
    return QCPRange(range.lower - margin, range.upper + margin);
}

bool showable(const QCPRange &range)
{
    return std::isfinite(range.lower) && std::isfinite(range.upper) &&
           QCPRange::validRange(range.lower, range.upper) && range.size() > 0;
}

} // namespace

ElementChart::ElementChart(Kind kind, Style style, QWidget *parent)
    : QCustomPlot(parent), m_kind(kind), m_style(style)
{
    ChartTableAccessible::install();
    // Decimal comma, no group separator: "1615,5", as the element table writes numbers.
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(french);
    setBackground(Qt::white);
    axisRect()->setBackground(BackWall);
    legend->setVisible(false);
    buildAxes();
    buildSeries();

    setSelectionRectMode(QCP::srmCustom);
    selectionRect()->setPen(QPen(Qt::black, 1, Qt::DashLine));
    connect(selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect &rect, QMouseEvent *) { zoomToPixels(rect); });
    m_zoomTimer.setInterval(ZoomInterval);
    connect(&m_zoomTimer, &QTimer::timeout, this, &ElementChart::zoomStep);
    connect(xAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
            &ElementChart::updateLabelVisibility);
    connect(yAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
            &ElementChart::updateLabelVisibility);
}

void ElementChart::buildAxes()
{
    const QFont title = pixelFont(QStringLiteral("Arial"), 13, true);
    const QFont ticks = pixelFont(QStringLiteral("Arial"), 11);
    m_xTicker = QSharedPointer<ValueTicker>::create();
    m_yTicker = QSharedPointer<ValueTicker>::create();
    xAxis->setTicker(m_xTicker);
    yAxis->setTicker(m_yTicker);
    for (QCPAxis *axis : {xAxis, yAxis}) {
        axis->grid()->setVisible(false);
        axis->grid()->setSubGridVisible(false);
        axis->setLabelFont(title);
        axis->setLabelColor(Red);
        axis->setTickLabelFont(ticks);
        axis->ticker()->setTickStepStrategy(QCPAxisTicker::tssReadability);
    }
    if (m_style.rowColumnAxes) {
        auto rows = QSharedPointer<QCPAxisTickerFixed>::create();
        rows->setTickStep(1);
        rows->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
        rows->setTickCount(10); // every row (9) at once; every second column (18)
        xAxis->setTicker(rows);
        xAxis->setSubTicks(false);
        xAxis->setSubTickLength(0, 0);
        m_yTicker->setSubTickCount(2);
        new ChartBorder(this);
    }
}

void ElementChart::buildSeries()
{
    const QPen red(Red, 1);
    const QCPScatterStyle cross(QCPScatterStyle::ssCross, red, QBrush(Qt::white), MarkerSize);
    if (m_kind == Kind::Bars) {
        auto *bars = new QCPBars(xAxis, yAxis);
        bars->setWidthType(QCPBars::wtAbsolute);
        bars->setWidth(BarWidth);
        bars->setPen(red);
        bars->setBrush(Red);
        m_series = bars;
        return;
    }
    auto *graph = addGraph();
    graph->setPen(red);
    graph->setScatterStyle(cross);
    graph->setLineStyle(m_kind == Kind::Line ? QCPGraph::lsLine : QCPGraph::lsNone);
    graph->setAdaptiveSampling(false);
    m_series = graph;
}

void ElementChart::setPoints(const ChartPoints &points)
{
    m_points = points;
    // A screen reader reads the points as a table: it is told that the table is new.
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent changed(this,
                                                 QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&changed);
    }
    QVector<double> keys, values;
    for (const ChartPoint &point : points) {
        keys.append(point.x);
        values.append(point.y);
    }
    // The rows and columns are small whole numbers and keep their own ticks.
    m_scaleX = m_style.rowColumnAxes ? 1 : plotScale(keys);
    m_scaleY = plotScale(values);
    m_xTicker->setScale(m_scaleX);
    m_yTicker->setScale(m_scaleY);
    for (double &key : keys)
        key /= m_scaleX;
    for (double &value : values)
        value /= m_scaleY;
    // The points come sorted by X; equal X values keep their order on the line.
    if (auto *graph = qobject_cast<QCPGraph *>(m_series))
        graph->setData(keys, values, true);
    else if (auto *bars = qobject_cast<QCPBars *>(m_series))
        bars->setData(keys, values, true);
    rebuildLabels();
    undoZoom();
}

void ElementChart::setTitles(const QString &bottom, const QString &left)
{
    xAxis->setLabel(bottom);
    yAxis->setLabel(left);
    // The titles head the columns of the table a screen reader reads and describe it.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    replot(rpQueuedReplot);
}

void ElementChart::rebuildLabels()
{
    for (QCPItemText *label : std::as_const(m_labels))
        removeItem(label);
    m_labels.clear();
    const QFont font = pixelFont(QStringLiteral("Arial"), 11);
    for (const ChartPoint &point : std::as_const(m_points)) {
        auto *label = new QCPItemText(this);
        label->setText(point.lab);
        label->setFont(font);
        label->setPen(Qt::NoPen);
        label->setBrush(Qt::NoBrush);
        label->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setPadding(QMargins(0, 0, 0, MarkerSize / 2 + 1));
        label->position->setCoords(plotted(point));
        // Labels of the topmost points stand above the back wall, as the marks of a chart do.
        label->setClipToAxisRect(false);
        m_labels.append(label);
    }
    updateLabelVisibility();
}

void ElementChart::toggleLabels()
{
    m_labelsVisible = !m_labelsVisible;
    updateLabelVisibility();
    replot();
}

// A label shows only with its point: outside the ranges it would stray into the margins.
void ElementChart::updateLabelVisibility()
{
    const QCPRange x = xAxis->range();
    const QCPRange y = yAxis->range();
    for (int i = 0; i < m_labels.size(); ++i) {
        const QPointF at = plotted(m_points[i]);
        m_labels[i]->setVisible(m_labelsVisible && x.contains(at.x()) && y.contains(at.y()));
    }
}

QPointF ElementChart::plotted(const ChartPoint &point) const
{
    return QPointF(point.x / m_scaleX, point.y / m_scaleY);
}

int ElementChart::visibleLabelCount() const
{
    return int(std::count_if(m_labels.begin(), m_labels.end(),
                             [](const QCPItemText *label) { return label->visible(); }));
}

void ElementChart::undoZoom()
{
    m_zoomTimer.stop();
    m_zoomStep = m_zoomSteps = 0;
    m_zoomed = false;
    QVector<double> xs, ys;
    for (const ChartPoint &point : std::as_const(m_points)) {
        xs.append(plotted(point).x());
        ys.append(plotted(point).y());
    }
    // Row/column charts keep the end markers whole, bars their end bars; bars stand on zero.
    const double xPad = m_style.rowColumnAxes || m_kind == Kind::Bars ? 0.05 : 0;
    const double yPad = m_style.rowColumnAxes ? 0.05 : 0;
    if (m_kind == Kind::Bars && !ys.isEmpty())
        ys.append(0);
    fitRanges(spanOf(xs, xPad), spanOf(ys, yPad));
    replot();
}

// Room round the points for their markers and the labels above them, in pixels; bars have
// no marker and stand on the bottom of the frame.
QMargins ElementChart::pointRoom() const
{
    const int marker = MarkerSize / 2 + 2;
    const int bottom = m_kind == Kind::Bars ? 0 : marker;
    if (m_labels.isEmpty())
        return QMargins(marker, marker, marker, bottom);
    const QFontMetrics metrics(m_labels.front()->font());
    int widest = 0;
    for (const ChartPoint &point : std::as_const(m_points))
        widest = std::max(widest, metrics.horizontalAdvance(point.lab));
    // A few pixels more than the text: its drawn box is a pixel taller than the font's
    // height, and the points fall on whole pixels.
    const int side = std::max(marker, widest / 2 + 4);
    return QMargins(side, MarkerSize / 2 + 1 + metrics.height() + 4, side, bottom);
}

// Widens the spans so that the outermost points stand clear of the axes' frame with their
// markers and labels whole. The frame's size depends on the tick labels, which depend on
// the ranges: the layout is worked out again with the widened ranges, and once more.
void ElementChart::fitRanges(const QCPRange &x, const QCPRange &y)
{
    const QMargins room = pointRoom();
    const auto widened = [](const QCPRange &span, int before, int after, int pixels) {
        const int usable = pixels - before - after;
        if (usable < 1)
            return span;
        const double perPixel = span.size() / usable;
        return QCPRange(span.lower - before * perPixel, span.upper + after * perPixel);
    };
    xAxis->setRange(x);
    yAxis->setRange(y);
    QRect frame;
    for (int pass = 0; pass < 4; ++pass) {
        updateLayout();
        if (axisRect()->rect() == frame)
            break;
        frame = axisRect()->rect();
        xAxis->setRange(widened(x, room.left(), room.right(), frame.width()));
        yAxis->setRange(widened(y, room.bottom(), room.top(), frame.height()));
    }
}

void ElementChart::zoomToPixels(const QRect &rect)
{
    const QRect box = rect.normalized();
    if (box.width() < 3 || box.height() < 3)
        return;
    zoomTo(QCPRange(xAxis->pixelToCoord(box.left()), xAxis->pixelToCoord(box.right())),
           QCPRange(yAxis->pixelToCoord(box.bottom()), yAxis->pixelToCoord(box.top())));
}

void ElementChart::zoomTo(const QCPRange &bottom, const QCPRange &left)
{
    const QCPRange x = bottom.bounded(-QCPRange::maxRange, QCPRange::maxRange);
    const QCPRange y = left.bounded(-QCPRange::maxRange, QCPRange::maxRange);
    if (!showable(x) || !showable(y))
        return;
    // A zoom started during another one starts from where that one stands.
    m_fromX = xAxis->range();
    m_fromY = yAxis->range();
    m_toX = x;
    m_toY = y;
    m_zoomSteps = std::max(1, m_style.zoomSteps);
    m_zoomStep = 0;
    m_zoomed = true;
    m_zoomTimer.start();
}

void ElementChart::zoomStep()
{
    if (!zooming()) {
        m_zoomTimer.stop();
        return;
    }
    ++m_zoomStep;
    const double t = double(m_zoomStep) / m_zoomSteps;
    auto between = [t](const QCPRange &a, const QCPRange &b) {
        return QCPRange(a.lower + (b.lower - a.lower) * t, a.upper + (b.upper - a.upper) * t);
    };
    xAxis->setRange(m_zoomStep == m_zoomSteps ? m_toX : between(m_fromX, m_toX));
    yAxis->setRange(m_zoomStep == m_zoomSteps ? m_toY : between(m_fromY, m_toY));
    if (!zooming())
        m_zoomTimer.stop();
    replot();
}

void ElementChart::applyMargins()
{
    // Room above and below the chart, in hundredths of the chart's height.
    plotLayout()->setMargins(QMargins(0, height() * 5 / 100, 0, height() * 2 / 100));
}

void ElementChart::resizeEvent(QResizeEvent *event)
{
    applyMargins();
    QCustomPlot::resizeEvent(event);
    // The room kept round the points is in pixels: automatic scales follow the new size.
    if (!m_zoomed)
        undoZoom();
}
