#pragma once

#include "graph3d/Graph3DModel.h"

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>

class QPainter;

// The 3-D bar graph: one property of the elements as square bars standing on the periodic
// table, painted back to front from the model, turned, panned and zoomed with the mouse.
// Every drawing goes to the control's own canvas, which the paint event puts on screen;
// the host window supplies the face colours and whether drags redraw live.
class TGraph3D : public QWidget
{
    Q_OBJECT

public:
    enum class TMouseControl { mcNone, mcMove, mcRotate, mcZoom };

    // The colours of the host's five face swatches, read at every drawing of the faces.
    struct FaceColours
    {
        QColor haut;
        QColor mur1;
        QColor mur2;
        QColor bas;
        QColor na;
    };

    // `heights` (one bar height per element) is read when the picture is first drawn; it is not
    // owned.
    explicit TGraph3D(const Graph3DModel::HeightTable *heights, QWidget *parent = nullptr);
    ~TGraph3D() override;

    void setFaceColours(std::function<FaceColours()> colours) { m_colours = std::move(colours); }
    // Whether the whole picture follows every move of a drag.
    void setLiveRedraw(std::function<bool()> live) { m_live = std::move(live); }

    Graph3DModel &model() { return m_model; }
    const Graph3DModel &model() const { return m_model; }

    int Theta() const { return m_model.Theta(); }
    void setTheta(int degrees) { m_model.setTheta(degrees); }
    int Phi() const { return m_model.Phi(); }
    void setPhi(int degrees) { m_model.setPhi(degrees); }
    float ZoomX() const { return m_model.ZoomX(); }
    void setZoomX(float zoom) { m_model.setZoomX(zoom); }
    float ZoomY() const { return m_model.ZoomY(); }
    void setZoomY(float zoom) { m_model.setZoomY(zoom); }

    bool ShowFrame() const { return m_showFrame; }
    void setShowFrame(bool show);
    QColor AxesColor() const { return m_axesColor; }
    void setAxesColor(const QColor &colour) { m_axesColor = colour; }
    QString LabelX() const { return m_labels[0]; }
    void setLabelX(const QString &text) { m_labels[0] = text; }
    QString LabelY() const { return m_labels[1]; }
    void setLabelY(const QString &text) { m_labels[1] = text; }
    QString LabelZ() const { return m_labels[2]; }
    void setLabelZ(const QString &text) { m_labels[2] = text; }
    QString Caption() const { return m_caption; }
    void setCaption(const QString &text);
    bool DrawHiddenLines() const { return m_drawHiddenLines; }
    void setDrawHiddenLines(bool on);
    bool DrawAxes() const { return m_drawAxes; }
    void setDrawAxes(bool on);
    TMouseControl MouseControl() const { return m_mouseControl; }
    void setMouseControl(TMouseControl mode) { m_mouseControl = mode; }

    // The redraw loop: passes run from the event loop every ScrollSpeed milliseconds (at
    // least one frame apart) until a drag move or the mouse leaving the control ends it.
    int ScrollSpeed() const { return m_scrollSpeed; }
    void setScrollSpeed(int milliseconds) { m_scrollSpeed = std::clamp(milliseconds, 0, 255); }
    bool IncrementalScroll() const { return m_incrementalScroll; }
    void setIncrementalScroll(bool on) { m_incrementalScroll = on; }
    int ScrollIndex() const { return m_scrollIndex; }
    bool scrolling() const { return m_scrolling; }
    // Whether another pass is due: not once a drag move has held the loop, although it is
    // still scrolling() for the release to take it up again.
    bool passesDue() const { return m_scrollTimer.isActive(); }
    void StartScrolling();
    void StopScrolling();

    // The full drawing onto any painter covering the control's size.
    void Draw(QPainter &painter, bool notify);
    // A new picture of the client area's size, drawn without notification.
    QImage GetBitmap();
    void CentreView() { m_model.CentreView(); }
    void SetOffset(QPoint offset) { m_model.SetOffset(offset); }
    // Asks for a full drawing at the next paint (the host's "repaint").
    void requestFullDraw();

signals:
    // After each full drawing on screen.
    void AfterDraw();
    // After each pass of the redraw loop, and when the loop stops.
    void OnScroll();
    void OnStopScrolling();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor background() const;
    void ClearCanvas(QPainter &painter);
    void drawFrame(QPainter &painter);
    void DrawFaces(QPainter &painter);
    void drawAxisLine(QPainter &painter, const AxisSegment &segment, const QColor &colour,
                      Qt::PenStyle style);
    void DrawAxisLines(QPainter &painter, const QColor &colour);
    // Draws on the canvas (made anew at the control's size when that changed).
    void paintOnCanvas(const std::function<void(QPainter &)> &drawing);
    // The same, then asks for the canvas to be shown.
    void drawOnCanvas(const std::function<void(QPainter &)> &drawing);
    void endDrag();
    void applyDragMove(int dx, int dy);
    void scrollPass();

    Graph3DModel m_model;
    std::function<FaceColours()> m_colours;
    std::function<bool()> m_live;
    QImage m_canvas;               // what the screen shows; every drawing goes here
    bool m_fullDrawPending = true; // the next paint draws the whole picture first
    bool m_showFrame = true;
    QColor m_axesColor{0, 0, 255};
    QString m_labels[3] = {QStringLiteral("Colonne"), QStringLiteral("Ligne"),
                           QStringLiteral("Valeur")};
    QString m_caption;
    bool m_drawHiddenLines = true;
    bool m_drawAxes = false;
    TMouseControl m_mouseControl = TMouseControl::mcNone;

    QPoint m_last{0, 0};
    bool m_dragging = false;
    bool m_firstMoveDone = false;
    bool m_moved = false;
    bool m_scrolling = false;
    int m_scrollSpeed = 0;
    bool m_incrementalScroll = true;
    int m_scrollIndex = 0;
    QTimer m_scrollTimer;
};
