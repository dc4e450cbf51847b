#include "charts/MetafileDevice.h"

#include "charts/ClipGeometry.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The metafile names a face as Windows does: the installed stand-in by the font it replaces.
QString windowsFamily(const QString &family)
{
    if (family == QLatin1String("Liberation Sans"))
        return QStringLiteral("Arial");
    if (family == QLatin1String("Liberation Sans Narrow"))
        return QStringLiteral("Arial Narrow");
    if (family == QLatin1String("Liberation Serif"))
        return QStringLiteral("Times New Roman");
    return family;
}

// A length or a position in logical units as a record holds it: rounded, and held within
// the int range, so that a painter scaled far past the picture (a zoom of a million) gives
// the largest value a record can take instead of an undefined one. Not a number gives 0.
int toUnits(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = std::numeric_limits<int>::max();
    return int(std::round(std::clamp(value, -limit, limit)));
}

// Whether a point in logical units can be written as it stands, without being moved.
bool holdsPoint(const QPointF &point)
{
    constexpr double limit = std::numeric_limits<int>::max();
    return std::abs(point.x()) <= limit && std::abs(point.y()) <= limit;
}

// Whether every point of a shape has a place: a painter given a coordinate or a zoom that is
// not a number, or is infinite, draws nothing where it cannot say where.
bool placed(const QPolygonF &points)
{
    return std::all_of(points.cbegin(), points.cend(), [](const QPointF &p) {
        return std::isfinite(p.x()) && std::isfinite(p.y());
    });
}

bool placed(const QRectF &rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

} // namespace

// Turns QPainter's calls into metafile records: coordinates through the painter's
// transform into logical units, pens, brushes and fonts as the recorder's objects, the
// clip as a clip rectangle. Curves are flattened into polygons. Readers differ in how they
// honour a clip record, and a Windows metafile's coordinates have 16 bits, so the lines
// and shapes are also cut to the clip (never larger than the picture) before they are
// written: no reader shows what the painter clipped away, and no coordinate wraps.
// Translucent colours are taken as they are (the records hold no transparency): left to
// QPainter, they would be emulated, each dash of a zoomed line cut out as a shape of its own.
class MetafilePaintEngine : public QPaintEngine
{
public:
    MetafilePaintEngine(MetafileRecorder::Format format, QSize pixels)
        : QPaintEngine(PrimitiveTransform | PainterPaths | PaintOutsidePaintEvent | AlphaBlend),
          m_format(format), m_pixels(pixels),
          m_precision(MetafileDevice::precisionFor(format, pixels)),
          m_transform(QTransform::fromScale(m_precision, m_precision)),
          m_picture(QPointF(0, 0), QSizeF(pixels * m_precision)), m_clip(m_picture)
    {}

    const std::optional<QByteArray> &file() const { return m_file; }

    bool begin(QPaintDevice *) override
    {
        m_recorder = MetafileRecorder::create(m_format, m_pixels * m_precision, m_pixels);
        m_file.reset();
        m_clip = m_picture;
        return m_recorder != nullptr;
    }

    bool end() override
    {
        if (m_recorder)
            m_file = m_recorder->finish();
        m_recorder.reset();
        return m_file.has_value();
    }

    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            m_transform = state.transform() * QTransform::fromScale(m_precision, m_precision);
        if (dirty & DirtyPen)
            m_pen = state.pen();
        if (dirty & DirtyBrush)
            m_brush = state.brush();
        if (dirty & DirtyFont)
            m_font = state.font();
        if (dirty & (DirtyClipEnabled | DirtyClipRegion | DirtyClipPath))
            updateClip(state);
        if (dirty & (DirtyPen | DirtyTransform))
            m_recorder->setPen(recorderPen());
        if (dirty & (DirtyBrush))
            m_recorder->setBrush(recorderBrush());
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        const QPolygonF mapped = map(points, count);
        if (!placed(mapped))
            return;
        if (mode == PolylineMode) {
            stroke(mapped);
            return;
        }
        if (mapped.size() < 3)
            return;
        if (m_clip.contains(mapped.boundingRect())) {
            m_recorder->polygon(rounded(mapped));
            return;
        }
        // The inside part filled without an outline, whose cuts would show along the clip,
        // then the visible part of the outline.
        const QPolygonF inside = ClipGeometry::polygon(mapped, m_clip);
        if (inside.isEmpty())
            return;
        if (m_pen.style() == Qt::NoPen) {
            m_recorder->polygon(rounded(inside));
            return;
        }
        MetafileRecorder::Pen none;
        none.visible = false;
        m_recorder->setPen(none);
        m_recorder->polygon(rounded(inside));
        m_recorder->setPen(recorderPen());
        QPolygonF outline = mapped;
        if (!outline.isClosed())
            outline << mapped.front();
        stroke(outline);
    }
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override
    {
        QVector<QPointF> real(points, points + count);
        drawPolygon(real.constData(), count, mode);
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QPointF ends[2] = {lines[i].p1(), lines[i].p2()};
            drawPolygon(ends, 2, PolylineMode);
        }
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF box = m_transform.mapRect(rects[i]);
            if (!placed(box))
                continue;
            if (m_transform.type() <= QTransform::TxScale && m_clip.contains(box)) {
                m_recorder->rectangle(box.toRect());
            } else {
                const QPolygonF corners(rects[i]);
                drawPolygon(corners.constData(), 4, OddEvenMode);
            }
        }
    }

    void drawPath(const QPainterPath &path) override
    {
        for (const QPolygonF &polygon : path.toSubpathPolygons()) {
            const bool closed = polygon.size() > 2 && polygon.isClosed();
            drawPolygon(polygon.constData(), int(polygon.size()),
                        closed && m_brush.style() != Qt::NoBrush ? WindingMode : PolylineMode);
        }
    }

    void drawTextItem(const QPointF &origin, const QTextItem &item) override
    {
        const QString text = item.text();
        if (text.isEmpty())
            return;
        const QFont font = item.font();
        const QFontMetricsF metrics(font);
        // Advances in logical units, each rounded from where the text really stands so
        // that the rounding does not add up along the string.
        const double scale = std::hypot(m_transform.m11(), m_transform.m12());
        QVector<int> advances;
        double along = 0;
        int placed = 0;
        for (const QChar c : text) {
            along += metrics.horizontalAdvance(c) * scale;
            const int reached = toUnits(along);
            advances.append(toUnits(double(reached) - placed));
            placed = reached;
        }
        MetafileRecorder::Font face;
        face.family = windowsFamily(font.family());
        const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72;
        face.height = toUnits(pixels * scale);
        face.weight = font.bold() ? 700 : 400;
        face.italic = font.italic();
        face.underline = font.underline();
        const double degrees = std::atan2(m_transform.m12(), m_transform.m11()) * 180 / M_PI;
        face.escapement = toUnits(-degrees * 10);
        // A text is cut by the clip record alone; one wholly outside the clip is left out.
        const QRectF box =
            m_transform.mapRect(QRectF(origin.x(), origin.y() - metrics.ascent(),
                                       metrics.horizontalAdvance(text), metrics.height()));
        // A text that starts beyond what a record can hold is left out too, rather than moved.
        const QPointF start = m_transform.map(origin);
        if (!m_clip.intersects(box) || !holdsPoint(start))
            return;
        m_recorder->text(QPoint(toUnits(start.x()), toUnits(start.y())), text, advances, face,
                         m_pen.color());
    }

    // Pictures are not part of the charts; they are left out rather than rasterised.
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {}

private:
    QPolygonF map(const QPointF *points, int count) const
    {
        QPolygonF mapped;
        mapped.reserve(count);
        for (int i = 0; i < count; ++i)
            mapped.append(m_transform.map(points[i]));
        return mapped;
    }

    static QVector<QPoint> rounded(const QPolygonF &points)
    {
        QVector<QPoint> out;
        out.reserve(points.size());
        for (const QPointF &p : points)
            out.append(p.toPoint());
        return out;
    }

    // The visible parts of an open line.
    void stroke(const QPolygonF &line)
    {
        if (m_pen.style() == Qt::NoPen)
            return;
        if (m_clip.contains(line.boundingRect())) {
            m_recorder->polyline(rounded(line));
            return;
        }
        for (const QPolygonF &piece : ClipGeometry::polyline(line, m_clip))
            m_recorder->polyline(rounded(piece));
    }

    MetafileRecorder::Pen recorderPen() const
    {
        MetafileRecorder::Pen pen;
        pen.visible = m_pen.style() != Qt::NoPen && m_pen.color().alpha() > 0;
        pen.color = m_pen.color();
        pen.dashed = m_pen.style() != Qt::SolidLine;
        const double scale = std::hypot(m_transform.m11(), m_transform.m12());
        const double width = m_pen.isCosmetic() || m_pen.widthF() == 0
                                 ? m_precision * (m_pen.widthF() > 0 ? m_pen.widthF() : 1)
                                 : m_pen.widthF() * scale;
        pen.width = qMax(1, toUnits(width));
        return pen;
    }

    MetafileRecorder::Brush recorderBrush() const
    {
        MetafileRecorder::Brush brush;
        brush.visible = m_brush.style() != Qt::NoBrush && m_brush.color().alpha() > 0;
        brush.color = m_brush.color();
        return brush;
    }

    void updateClip(const QPaintEngineState &state)
    {
        // The painter's clip is kept in device coordinates; only its bounds are recorded.
        const QPainter *painter = state.painter();
        if (!painter->hasClipping()) {
            m_clip = m_picture;
            m_recorder->setClip(std::nullopt);
            return;
        }
        const QRectF bounds = painter->clipBoundingRect();
        const QTransform scaled =
            painter->worldTransform() * QTransform::fromScale(m_precision, m_precision);
        m_clip = scaled.mapRect(bounds) & m_picture;
        m_recorder->setClip(m_clip.toAlignedRect());
    }

    MetafileRecorder::Format m_format;
    QSize m_pixels;
    int m_precision;
    std::unique_ptr<MetafileRecorder> m_recorder;
    QTransform m_transform;
    QRectF m_picture; // the whole picture, in logical units
    QRectF m_clip;    // where drawing shows, within the picture
    QPen m_pen;
    QBrush m_brush;
    QFont m_font;
    std::optional<QByteArray> m_file;
};

MetafileDevice::MetafileDevice(MetafileRecorder::Format format, QSize pixels)
    : m_size(pixels), m_engine(std::make_unique<MetafilePaintEngine>(format, pixels))
{}

MetafileDevice::~MetafileDevice() = default;

int MetafileDevice::precisionFor(MetafileRecorder::Format format, QSize pixels)
{
    if (format == MetafileRecorder::Format::Emf)
        return Precision;
    // 16-bit coordinates: a very large picture gets fewer units per pixel.
    const int longest = qMax(1, qMax(pixels.width(), pixels.height()));
    return qBound(1, std::numeric_limits<int16_t>::max() / longest, Precision);
}

QPaintEngine *MetafileDevice::paintEngine() const
{
    return m_engine.get();
}

const std::optional<QByteArray> &MetafileDevice::file() const
{
    return m_engine->file();
}

int MetafileDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / 96);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / 96);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}
