#pragma once

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

// The drawing records of a Windows metafile, in the logical units of the picture: what the
// metafile paint engine turns QPainter's calls into. Two formats write them, the enhanced
// metafile (EMF) and the older 16-bit Windows metafile (WMF). Pens, brushes and fonts are
// created once per distinct value and selected as the drawing needs them.
class MetafileRecorder
{
public:
    enum class Format { Emf, Wmf };

    struct Pen
    {
        QColor color;
        int width = 1; // logical units
        bool visible = true;
        bool dashed = false;
    };
    struct Brush
    {
        QColor color;
        bool visible = false;
    };
    struct Font
    {
        QString family;
        int height = 0;   // character height (em) in logical units
        int weight = 400; // 400 normal, 700 bold
        bool italic = false;
        bool underline = false;
        int escapement = 0; // tenths of a degree, counter-clockwise
    };

    virtual ~MetafileRecorder() = default;

    // A recorder of a picture of `logicalSize` units that stands for `pixels` screen pixels
    // at 96 dpi; nothing when it cannot be started.
    static std::unique_ptr<MetafileRecorder> create(Format format, QSize logicalSize, QSize pixels);

    virtual void setPen(const Pen &pen) = 0;
    virtual void setBrush(const Brush &brush) = 0;
    virtual void polyline(const QVector<QPoint> &points) = 0;
    virtual void polygon(const QVector<QPoint> &points) = 0;
    virtual void rectangle(const QRect &rect) = 0;
    // Text on its baseline from `origin`; `advances` holds each character's advance.
    virtual void text(QPoint origin, const QString &text, const QVector<int> &advances,
                      const Font &font, const QColor &color) = 0;
    // Drawing is clipped to `rect` from now on, or no longer clipped.
    virtual void setClip(const std::optional<QRect> &rect) = 0;
    // Ends the picture and returns the whole file; nothing when a record could not be made.
    virtual std::optional<QByteArray> finish() = 0;
};
