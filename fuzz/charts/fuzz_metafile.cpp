// Paints arbitrary geometry through QPainter onto the metafile device: transforms up to the
// largest zoom a chart can take and coordinates up to far past the picture, pens, brushes,
// fonts, clips, lines, shapes, curves and texts, all decoded from the bytes. The picture is
// always made, and it is a well-formed chain of records that ends with the end-of-file record.
#include "charts/MetafileDevice.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Takes values off the front of the bytes; zeros once they are used up.
class Bytes
{
public:
    Bytes(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_at >= m_size; }
    uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    uint16_t word() { return uint16_t(byte() << 8 | byte()); }

    // A number of any magnitude from 1e-12 to the largest a chart gives (a coordinate of a
    // thousand million), of either sign, now and then one at the edge of the int range.
    double number()
    {
        const uint8_t kind = byte();
        if (kind < 2)
            return (kind ? -1 : 1) * (std::numeric_limits<int>::max() + double(byte()));
        const double mantissa = word() / 65536.0 * (kind & 1 ? -1 : 1);
        return mantissa * std::pow(10.0, int(kind >> 1) % 22 - 12);
    }
    // A coordinate within a few pictures of the device, where most drawing is.
    double coordinate() { return (int(word()) - 16384) / 8.0; }
    QPointF point(bool far)
    {
        return far ? QPointF(number(), number()) : QPointF(coordinate(), coordinate());
    }
    QColor colour() { return QColor(byte(), byte(), byte(), byte()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

void setPen(QPainter &painter, Bytes &in)
{
    const uint8_t kind = in.byte();
    QPen pen(in.colour(), kind & 1 ? in.number() : in.byte() / 4.0);
    pen.setStyle(Qt::PenStyle(kind % 7));
    pen.setCosmetic(kind & 8);
    painter.setPen(pen);
}

void setFont(QPainter &painter, Bytes &in)
{
    const uint8_t kind = in.byte();
    QFont font(QStringLiteral("DejaVu Sans"));
    if (kind & 1)
        font.setPixelSize(1 + in.word() % 4000);
    else
        font.setPointSizeF(0.5 + in.word() / 16.0);
    font.setBold(kind & 2);
    font.setItalic(kind & 4);
    font.setUnderline(kind & 8);
    painter.setFont(font);
}

QString text(Bytes &in)
{
    // Latin letters, accented ones, and characters Windows-1252 does not hold.
    static const char16_t characters[] = u"AZaz09 ,;-éèàçÉ°²€Ωπ→😀\t";
    QString out;
    for (int n = in.byte() % 24; n > 0; --n)
        out += QChar(characters[in.byte() % (std::size(characters) - 1)]);
    return out;
}

QPolygonF polygon(Bytes &in, bool far)
{
    QPolygonF shape;
    for (int n = in.byte() % 12; n > 0; --n)
        shape << in.point(far);
    return shape;
}

QPainterPath curve(Bytes &in, bool far)
{
    QPainterPath path(in.point(far));
    for (int n = in.byte() % 4; n >= 0; --n)
        path.cubicTo(in.point(far), in.point(far), in.point(far));
    path.closeSubpath();
    return path;
}

// Whether a chart could paint under the transform: a zoom of at most ten million, a shift of
// at most a thousand million.
bool withinReach(const QTransform &m)
{
    constexpr double zoom = 1e7;
    constexpr double shift = 1e9;
    return std::abs(m.m11()) <= zoom && std::abs(m.m12()) <= zoom && std::abs(m.m21()) <= zoom &&
           std::abs(m.m22()) <= zoom && std::abs(m.dx()) <= shift && std::abs(m.dy()) <= shift &&
           m.isAffine();
}

void transform(QPainter &painter, uint8_t op, Bytes &in)
{
    const QTransform before = painter.worldTransform();
    switch (op) {
    case 0:
        painter.scale(in.number(), in.number());
        break;
    case 1:
        painter.translate(in.number(), in.number());
        break;
    case 2:
        painter.rotate(in.number());
        break;
    case 3:
        painter.setWorldTransform(QTransform(in.number(), in.number(), in.number(), in.number(),
                                             in.number(), in.number()));
        break;
    default:
        painter.resetTransform();
    }
    if (!withinReach(painter.worldTransform()))
        painter.setWorldTransform(before);
}

void paint(QPainter &painter, uint8_t op, Bytes &in, bool far)
{
    switch (op) {
    case 0:
        painter.drawLine(in.point(far), in.point(far));
        break;
    case 1:
        painter.drawPolyline(polygon(in, far));
        break;
    case 2:
        painter.drawPolygon(polygon(in, far), in.byte() & 1 ? Qt::WindingFill : Qt::OddEvenFill);
        break;
    case 3:
        painter.drawRect(QRectF(in.point(far), in.point(far)));
        break;
    case 4:
        painter.drawEllipse(QRectF(in.point(far), in.point(far)));
        break;
    case 5:
        painter.drawPath(curve(in, far));
        break;
    default:
        painter.drawText(in.point(far), text(in));
    }
}

// The records' sizes chain from the first to the last byte, the last record ends the file.
void checkRecords(const QByteArray &file, MetafileRecorder::Format format)
{
    const auto *bytes = reinterpret_cast<const uchar *>(file.constData());
    if (format == MetafileRecorder::Format::Emf) {
        qsizetype at = 0;
        uint32_t type = 0;
        while (at < file.size()) {
            check(at + 8 <= file.size());
            type = qFromLittleEndian<uint32_t>(bytes + at);
            const uint32_t size = qFromLittleEndian<uint32_t>(bytes + at + 4);
            check(size >= 8 && size % 4 == 0 && size <= uint32_t(file.size() - at));
            at += size;
        }
        check(type == 14); // the end of file
        check(qFromLittleEndian<uint32_t>(bytes + 48) == uint32_t(file.size()));
        return;
    }
    const qsizetype placeable = 22;
    check(file.size() >= placeable + 18);
    qsizetype at = placeable + 2 * qFromLittleEndian<uint16_t>(bytes + placeable + 2);
    uint16_t function = 0xFFFF;
    while (at < file.size()) {
        check(at + 6 <= file.size());
        const uint64_t size = 2 * uint64_t(qFromLittleEndian<uint32_t>(bytes + at));
        function = qFromLittleEndian<uint16_t>(bytes + at + 4);
        check(size >= 6 && size <= uint64_t(file.size() - at));
        at += qsizetype(size);
    }
    check(function == 0); // the end of file
}

} // namespace

// Fontconfig holds the fonts it has matched until the process ends; neither it nor Qt frees
// them, so the leak check at the end of a run would take them for a leak of the painting.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about degenerate transforms would only slow the runs down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Bytes in(data, size);
    // The first bytes: the type and the size in pixels, up to a picture too large for the
    // 16-bit coordinates of a Windows metafile at the full precision.
    const auto format =
        in.byte() & 1 ? MetafileRecorder::Format::Wmf : MetafileRecorder::Format::Emf;
    const QSize pixels(1 + in.word() % 5000, 1 + in.word() % 5000);
    MetafileDevice device(format, pixels);
    {
        QPainter painter(&device);
        int saved = 0;
        for (int ops = 0; ops < 64 && !in.atEnd(); ++ops) {
            const uint8_t op = in.byte();
            const bool far = op & 0x80;
            switch ((op & 0x7F) % 8) {
            case 0:
                transform(painter, in.byte() % 5, in);
                break;
            case 1:
                setPen(painter, in);
                break;
            case 2:
                painter.setBrush(in.byte() & 1 ? QBrush(in.colour()) : QBrush());
                break;
            case 3:
                setFont(painter, in);
                break;
            case 4:
                if (in.byte() & 1)
                    painter.setClipRect(QRectF(in.point(far), in.point(far)),
                                        Qt::ClipOperation(in.byte() % 3));
                else
                    painter.setClipping(false);
                break;
            case 5:
                if (in.byte() & 1) {
                    painter.save();
                    ++saved;
                } else if (saved > 0) {
                    painter.restore();
                    --saved;
                }
                break;
            default:
                paint(painter, in.byte() % 7, in, far);
            }
        }
    }
    check(device.file().has_value());
    checkRecords(*device.file(), format);
    return 0;
}
