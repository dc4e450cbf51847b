#include "graph3d/TGraph3D.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

using namespace Graph3DGeometry;

namespace {

// The host's layout colours, used when no host supplies its swatches.
const TGraph3D::FaceColours LayoutColours = {QColor(247, 162, 34), QColor(80, 171, 201),
                                             QColor(79, 150, 202), QColor(0, 255, 128), Qt::red};

// The shortest pause between two passes of the redraw loop: one frame of a 60 Hz screen,
// so that the loop never keeps the processor busy between passes.
constexpr int FrameMilliseconds = 16;

QColor swatch(const TGraph3D::FaceColours &colours, FaceColour role)
{
    switch (role) {
    case FaceColour::Haut:
        return colours.haut;
    case FaceColour::Mur1:
        return colours.mur1;
    case FaceColour::Mur2:
        return colours.mur2;
    case FaceColour::Bas:
        return colours.bas;
    case FaceColour::NA:
        return colours.na;
    }
    return colours.na;
}

// Text with its top-left corner at `at`, in the painter's font and pen colour.
void textAt(QPainter &painter, QPoint at, const QString &text)
{
    painter.drawText(at.x(), at.y() + painter.fontMetrics().ascent(), text);
}

} // namespace

TGraph3D::TGraph3D(const Graph3DModel::HeightTable *heights, QWidget *parent)
    : QWidget(parent), m_model(heights)
{
    setObjectName(QStringLiteral("Graph3D"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
    connect(&m_scrollTimer, &QTimer::timeout, this, &TGraph3D::scrollPass);
}

TGraph3D::~TGraph3D()
{
    m_scrollTimer.stop();
    m_scrolling = false;
}

QColor TGraph3D::background() const
{
    return palette().color(QPalette::Window);
}

void TGraph3D::requestFullDraw()
{
    m_fullDrawPending = true;
    update();
}

void TGraph3D::paintOnCanvas(const std::function<void(QPainter &)> &drawing)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (size() * ratio).expandedTo({1, 1});
    if (m_canvas.size() != pixels) {
        m_canvas = QImage(pixels, QImage::Format_RGB32);
        m_canvas.setDevicePixelRatio(ratio);
        m_canvas.fill(background());
        m_fullDrawPending = true;
    }
    QPainter painter(&m_canvas);
    painter.setFont(font());
    drawing(painter);
}

void TGraph3D::drawOnCanvas(const std::function<void(QPainter &)> &drawing)
{
    paintOnCanvas(drawing);
    update();
}

void TGraph3D::paintEvent(QPaintEvent *)
{
    paintOnCanvas([this](QPainter &painter) {
        if (m_fullDrawPending) {
            m_fullDrawPending = false;
            Draw(painter, true);
        }
    });
    QPainter screen(this);
    screen.drawImage(0, 0, m_canvas);
}

void TGraph3D::ClearCanvas(QPainter &painter)
{
    painter.setPen(background());
    painter.fillRect(QRect(0, 0, width(), height()), background());
}

void TGraph3D::drawFrame(QPainter &painter)
{
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, bottom, 0, 0);
    painter.drawLine(0, 0, right, 0);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(right, bottom, 0, bottom);
}

void TGraph3D::Draw(QPainter &painter, bool notify)
{
    ClearCanvas(painter);
    if (m_showFrame)
        drawFrame(painter);
    if (!m_caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        textAt(painter, {15, 15}, m_caption);
    }
    m_model.UpdateView();
    const std::array<bool, 5> behind = m_model.axesBehind();
    const auto &segments = axisSegments();
    if (m_drawAxes) {
        for (int i = 0; i < 5; ++i) {
            if (behind[i])
                drawAxisLine(painter, segments[i], m_axesColor, Qt::DashLine);
        }
    }
    DrawFaces(painter);
    if (m_drawAxes) {
        for (int i = 0; i < 5; ++i) {
            if (!behind[i])
                drawAxisLine(painter, segments[i], m_axesColor, Qt::SolidLine);
        }
    }
    if (m_showFrame)
        drawFrame(painter);
    if (notify)
        emit AfterDraw();
}

void TGraph3D::DrawFaces(QPainter &painter)
{
    const FaceColours colours = m_colours ? m_colours() : LayoutColours;
    const int t = m_model.Theta();
    const int p = m_model.Phi();
    bool visible[6];
    for (int kind = 0; kind < 6; ++kind)
        visible[kind] = faceVisible(FaceKind(kind), t, p);
    painter.setPen(Qt::black);
    const auto &faces = m_model.faces();
    for (auto face = faces.rbegin(); face != faces.rend(); ++face) {
        if (!visible[int(face->kind)])
            continue;
        if (m_drawHiddenLines)
            painter.setBrush(swatch(colours, fillColour(*face)));
        else
            painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(face->points.data(), 4);
        if (face->kind == FaceKind::Haut) {
            int x = 0, y = 0;
            for (const QPoint &corner : face->points) {
                x += corner.x();
                y += corner.y();
            }
            textAt(painter, {roundEven(x / 4.0) - 7, roundEven(y / 4.0) - 6}, face->label);
        }
    }
}

void TGraph3D::drawAxisLine(QPainter &painter, const AxisSegment &segment, const QColor &colour,
                            Qt::PenStyle style)
{
    painter.setPen(QPen(colour, 1, style));
    painter.setBrush(Qt::NoBrush);
    const QPoint end = m_model.ProjectPoint(segment.to);
    painter.drawLine(m_model.ProjectPoint(segment.from), end);
    // Aliased text, so that drawing it again in the background colour wipes it exactly.
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(colour);
    switch (segment.line) {
    case AxisLine::X:
        textAt(painter, end, m_labels[0]);
        break;
    case AxisLine::Y:
        textAt(painter, end, m_labels[1]);
        break;
    case AxisLine::Z:
        textAt(painter, end + QPoint(5, 0), m_labels[2]);
        break;
    default:
        break;
    }
    painter.setFont(this->font());
}

void TGraph3D::DrawAxisLines(QPainter &painter, const QColor &colour)
{
    for (const AxisSegment &segment : axisSegments())
        drawAxisLine(painter, segment, colour, Qt::SolidLine);
}

QImage TGraph3D::GetBitmap()
{
    QImage bitmap(size().expandedTo({1, 1}), QImage::Format_RGB32);
    QPainter painter(&bitmap);
    painter.setFont(font());
    Draw(painter, false);
    return bitmap;
}

void TGraph3D::setShowFrame(bool show)
{
    if (show == m_showFrame)
        return;
    m_showFrame = show;
    if (show) {
        requestFullDraw();
        return;
    }
    drawOnCanvas([this](QPainter &painter) {
        painter.setPen(background());
        const QPoint path[] = {{0, height()},
                               {0, 0},
                               {width() - 1, 0},
                               {width() - 1, height() - 1},
                               {0, height() - 1}};
        painter.drawPolyline(path, 5);
    });
}

void TGraph3D::setCaption(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == m_caption)
        return;
    m_caption = trimmed;
    drawOnCanvas([this](QPainter &painter) {
        painter.setPen(palette().color(QPalette::WindowText));
        textAt(painter, {15, 15}, m_caption);
    });
}

void TGraph3D::setDrawHiddenLines(bool on)
{
    if (on == m_drawHiddenLines)
        return;
    m_drawHiddenLines = on;
    if (on)
        drawOnCanvas([this](QPainter &painter) { DrawFaces(painter); });
    else
        requestFullDraw();
}

void TGraph3D::setDrawAxes(bool on)
{
    if (on == m_drawAxes)
        return;
    m_drawAxes = on;
    requestFullDraw();
}

void TGraph3D::resizeEvent(QResizeEvent *event)
{
    m_model.resize(width(), height());
    m_fullDrawPending = true;
    QWidget::resizeEvent(event);
}

void TGraph3D::changeEvent(QEvent *event)
{
    // The font and the background follow the host window; either change redraws.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        requestFullDraw();
    QWidget::changeEvent(event);
}

void TGraph3D::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_mouseControl == TMouseControl::mcNone)
        return;
    m_last = event->position().toPoint();
    m_dragging = true;
    m_firstMoveDone = false;
}

void TGraph3D::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint at = event->position().toPoint();
    // The button stays captured outside the control; leaving it ends the drag.
    if (!rect().contains(at)) {
        endDrag();
        return;
    }
    m_moved = true;
    const QPoint delta = at - m_last;
    m_last = at;
    drawOnCanvas([&](QPainter &painter) {
        if (!m_firstMoveDone) {
            ClearCanvas(painter);
            m_firstMoveDone = true;
            m_fullDrawPending = false;
        } else {
            DrawAxisLines(painter, background());
        }
        applyDragMove(delta.x(), delta.y());
        DrawAxisLines(painter, m_axesColor);
    });
    if (m_live && m_live())
        requestFullDraw();
}

void TGraph3D::applyDragMove(int dx, int dy)
{
    const double w = std::max(1, width());
    const double h = std::max(1, height());
    switch (m_mouseControl) {
    case TMouseControl::mcMove:
        m_model.SetOffset(m_model.Offset() + QPoint(dx, dy));
        break;
    case TMouseControl::mcRotate:
        m_model.setTheta(roundEven(m_model.Theta() - dx * 180 / w));
        m_model.setPhi(roundEven(m_model.Phi() + dy * 180 / h));
        m_model.CentreView();
        break;
    case TMouseControl::mcZoom:
        m_model.setZoomX(m_model.ZoomX() + float(dx / w));
        m_model.setZoomY(m_model.ZoomY() - float(dy / h));
        m_model.ComputeScales();
        m_model.CentreView();
        break;
    case TMouseControl::mcNone:
        break;
    }
}

void TGraph3D::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging)
        endDrag();
}

void TGraph3D::leaveEvent(QEvent *event)
{
    if (m_dragging)
        endDrag();
    QWidget::leaveEvent(event);
}

void TGraph3D::endDrag()
{
    m_dragging = false;
    m_moved = false;
    if (m_scrolling)
        StartScrolling();
    else
        requestFullDraw();
}

void TGraph3D::StartScrolling()
{
    m_scrolling = true;
    m_moved = false;
    m_scrollTimer.start(std::max(int(m_scrollSpeed), FrameMilliseconds));
}

void TGraph3D::StopScrolling()
{
    m_scrolling = false;
    m_moved = false;
    m_scrollTimer.stop();
    emit OnStopScrolling();
}

void TGraph3D::scrollPass()
{
    if (!m_scrolling || m_moved) {
        m_scrollTimer.stop();
        return;
    }
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    if (cursor.x() < 0 || cursor.x() > width() || cursor.y() < 0 || cursor.y() > height()) {
        StopScrolling();
        return;
    }
    drawOnCanvas([this](QPainter &painter) {
        if (m_incrementalScroll) {
            m_model.UpdateView();
            DrawFaces(painter);
            if (m_showFrame)
                drawFrame(painter);
        } else {
            Draw(painter, false);
        }
    });
    emit OnScroll();
    ++m_scrollIndex;
}
