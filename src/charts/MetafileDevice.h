#pragma once

#include "charts/MetafileRecorder.h"

#include <QPaintDevice>

#include <memory>
#include <optional>

class MetafilePaintEngine;

// A paint device whose pictures are Windows metafiles: whatever is painted on it with a
// QPainter is recorded as vector drawing records (lines, polygons, rectangles, text with
// its font), cut to the picture and to the painter's clip, and the file is made whole
// when the painter ends. The device has the given size in pixels at 96 dpi; the file
// holds `Precision` logical units per pixel, fewer in a Windows metafile too large for
// its 16-bit coordinates at that precision.
class MetafileDevice : public QPaintDevice
{
public:
    static constexpr int Precision = 10;

    MetafileDevice(MetafileRecorder::Format format, QSize pixels);
    ~MetafileDevice() override;

    // The logical units per pixel of a picture of that type and size.
    static int precisionFor(MetafileRecorder::Format format, QSize pixels);

    QPaintEngine *paintEngine() const override;
    // The file's bytes once a painter has ended on the device; nothing before or when a
    // record could not be made.
    const std::optional<QByteArray> &file() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<MetafilePaintEngine> m_engine;
};
