#pragma once

#include "charts/ChartFill.h"

#include <qcustomplot.h>

#include <QTimer>

// One chart of a chart window: the elements' points as a scatter, bars standing at their
// X values or a line through them, each point labelled with its symbol. A rectangle dragged
// with the mouse zooms into it in a few animated steps; undoZoom() goes back to the
// automatic scales over all points. The row/column charts have a single-line border.
class ElementChart : public QCustomPlot
{
    Q_OBJECT

public:
    enum class Kind { Points, Bars, Line };

    // Differences of the row/column charts: integer bottom ticks without minor ticks, two
    // minor ticks on the left axis, scales widened so that end markers show whole, and a
    // single-line border.
    struct Style
    {
        int zoomSteps = 7;
        bool rowColumnAxes = false;
    };

    static const QColor BackWall;
    static constexpr int MarkerSize = 7;
    static constexpr int BarWidth = 5;      // pixels
    static constexpr int ZoomInterval = 15; // milliseconds between two steps

    ElementChart(Kind kind, Style style, QWidget *parent = nullptr);

    void setPoints(const ChartPoints &points);
    const ChartPoints &points() const { return m_points; }
    void setTitles(const QString &bottom, const QString &left);

    bool labelsVisible() const { return m_labelsVisible; }
    void toggleLabels();
    int visibleLabelCount() const;

    // The automatic scales over all points, with room for their markers and labels inside
    // the frame; zoom animation stopped.
    void undoZoom();
    // Where a point stands in the axes' coordinates. Values too large or too small for
    // the axes' ranges are plotted divided by a power of ten, which the tick labels undo.
    QPointF plotted(const ChartPoint &point) const;

    // Starts the animation towards the given axis ranges (in the axes' coordinates);
    // ranges that cannot be shown (empty, not finite) are ignored.
    void zoomTo(const QCPRange &bottom, const QCPRange &left);
    void setZoomSteps(int steps) { m_style.zoomSteps = steps; }
    bool zooming() const { return m_zoomStep < m_zoomSteps; }
    // One step of the animation (also run by its timer).
    void zoomStep();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    class ValueTicker;

    void buildAxes();
    void buildSeries();
    void rebuildLabels();
    void updateLabelVisibility();
    void zoomToPixels(const QRect &rect);
    void applyMargins();
    QMargins pointRoom() const;
    void fitRanges(const QCPRange &x, const QCPRange &y);

    Kind m_kind;
    Style m_style;
    ChartPoints m_points;
    QSharedPointer<ValueTicker> m_xTicker, m_yTicker; // shared with the axes
    double m_scaleX = 1, m_scaleY = 1;                // plotted = value / scale
    QCPAbstractPlottable *m_series = nullptr;         // owned by the plot
    QVector<QCPItemText *> m_labels;                  // owned by the plot
    bool m_labelsVisible = true;
    QTimer m_zoomTimer;
    int m_zoomSteps = 0;
    int m_zoomStep = 0;
    bool m_zoomed = false; // the ranges are a zoom's, not the automatic scales
    QCPRange m_fromX, m_fromY, m_toX, m_toY;
};
