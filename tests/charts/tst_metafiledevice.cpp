// The metafile paint device under a painter zoomed far past the picture: the records it
// writes hold the nearest values their fields can take, never values wrapped or made up.
#include "charts/MetafileDevice.h"

#include <QPainter>
#include <QtEndian>
#include <QtTest>

#include <limits>
#include <numeric>

class TestMetafileDevice : public QObject
{
    Q_OBJECT

private slots:
    void hugeScalesGiveTheLargestValues_data();
    void hugeScalesGiveTheLargestValues();
    void translucentDashesStayOnePen();
    void unplaceableShapesAreLeftOut_data();
    void unplaceableShapesAreLeftOut();
};

namespace {

// What the test reads back of a picture: the pen widths, the font heights and the
// characters' advances of its texts, in the order of their records, and how many lines and
// shapes it draws.
struct Seen
{
    int shapes = 0;
    QVector<qint64> penWidths;
    QVector<qint64> penStyles;
    QVector<qint64> fontHeights;
    QVector<QVector<qint64>> advances;
};

qint64 int32At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

qint64 int16At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}

// An enhanced metafile's records: a type and a size in bytes each.
Seen readEmf(const QByteArray &file)
{
    enum { Polygon = 3, Polyline = 4, Rectangle = 43, CreatePen = 38, CreateFont = 82 };
    enum { TextOut = 84 };
    Seen seen;
    for (qsizetype at = 0; at + 8 <= file.size();) {
        const qint64 type = int32At(file, at);
        const qint64 size = int32At(file, at + 4);
        if (size < 8 || at + size > file.size())
            break;
        const QByteArray record = file.mid(at, size);
        if (type == Polygon || type == Polyline || type == Rectangle)
            ++seen.shapes;
        if (type == CreatePen) {
            seen.penStyles << int32At(record, 12);
            seen.penWidths << int32At(record, 16);
        }
        if (type == CreateFont)
            seen.fontHeights << -int32At(record, 12);
        if (type == TextOut) {
            const qint64 count = int32At(record, 44);
            const qint64 offDx = int32At(record, 72);
            QVector<qint64> dx;
            for (qint64 i = 0; i < count; ++i)
                dx << qFromLittleEndian<quint32>(record.constData() + offDx + 4 * i);
            seen.advances << dx;
        }
        at += size;
    }
    return seen;
}

// A Windows metafile behind its placeable header: records of a size in 16-bit words and a
// function number.
Seen readWmf(const QByteArray &file)
{
    enum { CreatePen = 0x02FA, CreateFont = 0x02FB, TextOut = 0x0A32 };
    Seen seen;
    const qsizetype placeable = 22;
    qsizetype at = placeable + 2 * int16At(file, placeable + 2);
    while (at + 6 <= file.size()) {
        const qint64 size = 2 * int32At(file, at);
        const qint64 function = qFromLittleEndian<quint16>(file.constData() + at + 4);
        if (size < 6 || at + size > file.size())
            break;
        const QByteArray record = file.mid(at, size);
        if (function == CreatePen)
            seen.penWidths << int16At(record, 8);
        if (function == CreateFont)
            seen.fontHeights << -int16At(record, 6);
        if (function == TextOut) {
            const qint64 count = int16At(record, 10);
            const quint16 options = qFromLittleEndian<quint16>(record.constData() + 12);
            const qsizetype dxAt = 14 + (options & 0x0006 ? 8 : 0) + ((count + 1) & ~1);
            QVector<qint64> dx;
            for (qint64 i = 0; i < count; ++i)
                dx << int16At(record, dxAt + 2 * i);
            seen.advances << dx;
        }
        at += size;
    }
    return seen;
}

} // namespace

// A line with a wide pen and a large text, painted through a zoom of a million: the pen,
// the font and the first advances are far past what the records hold, so each takes the
// largest value of its field; a text's advances, where the field is that of a position
// (enhanced metafile), add up to the farthest position it holds.
void TestMetafileDevice::hugeScalesGiveTheLargestValues_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<double>("scale");
    QTest::addColumn<qint64>("largest");
    const qint64 int32Max = std::numeric_limits<qint32>::max();
    const qint64 int16Max = std::numeric_limits<qint16>::max();
    QTest::newRow("enhanced, a million") << int(MetafileRecorder::Format::Emf) << 1e6 << int32Max;
    QTest::newRow("enhanced, a billion") << int(MetafileRecorder::Format::Emf) << 1e9 << int32Max;
    QTest::newRow("Windows, a million") << int(MetafileRecorder::Format::Wmf) << 1e6 << int16Max;
    QTest::newRow("Windows, ten thousand") << int(MetafileRecorder::Format::Wmf) << 1e4 << int16Max;
}

void TestMetafileDevice::hugeScalesGiveTheLargestValues()
{
    QFETCH(int, format);
    QFETCH(double, scale);
    QFETCH(qint64, largest);
    const auto kind = MetafileRecorder::Format(format);
    MetafileDevice device(kind, QSize(400, 300));
    {
        QPainter painter(&device);
        painter.scale(scale, scale);
        painter.setPen(QPen(Qt::black, 1000));
        painter.drawLine(QPointF(0, 0), QPointF(10 / scale, 10 / scale));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(1000);
        painter.setFont(font);
        painter.drawText(QPointF(0, 0), QStringLiteral("MMMM"));
    }
    QVERIFY(device.file().has_value());
    const Seen seen =
        kind == MetafileRecorder::Format::Emf ? readEmf(*device.file()) : readWmf(*device.file());
    QVERIFY(seen.penWidths.contains(largest));
    QVERIFY(seen.fontHeights.contains(largest));
    QCOMPARE(seen.advances.size(), 1);
    const QVector<qint64> &dx = seen.advances.front();
    QCOMPARE(dx.size(), 4);
    QCOMPARE(dx.front(), largest);
    for (const qint64 advance : dx)
        QVERIFY(advance >= 0 && advance <= largest);
    if (kind == MetafileRecorder::Format::Emf)
        QCOMPARE(std::accumulate(dx.begin(), dx.end(), qint64(0)), largest);
}

// A dashed pen of a translucent colour is recorded as a dashed pen, the colour without its
// transparency, rather than each dash cut out as a shape of its own: a zoomed line would
// otherwise give millions of them.
void TestMetafileDevice::translucentDashesStayOnePen()
{
    MetafileDevice device(MetafileRecorder::Format::Emf, QSize(400, 300));
    {
        QPainter painter(&device);
        painter.setPen(QPen(QColor(255, 0, 0, 128), 1, Qt::DashLine));
        painter.drawLine(QPointF(0, 150), QPointF(400, 150));
    }
    QVERIFY(device.file().has_value());
    const Seen seen = readEmf(*device.file());
    const qint64 dashed = 1;
    QVERIFY(seen.penStyles.contains(dashed));
}

// A shape with a point that is not a number, or drawn under such a zoom, has no place in the
// picture: it is left out, and the square drawn after it is the only shape.
void TestMetafileDevice::unplaceableShapesAreLeftOut_data()
{
    QTest::addColumn<QPolygonF>("shape");
    QTest::addColumn<double>("zoom");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QPolygonF triangle{QPointF(10, 10), QPointF(50, 10), QPointF(30, 40)};
    QTest::newRow("corner not a number")
        << QPolygonF{QPointF(10, 10), QPointF(nan, 10), QPointF(30, 40)} << 1.0;
    QTest::newRow("first corner not a number")
        << QPolygonF{QPointF(nan, nan), QPointF(50, 10), QPointF(30, 40)} << 1.0;
    QTest::newRow("zoom not a number") << triangle << nan;
}

void TestMetafileDevice::unplaceableShapesAreLeftOut()
{
    QFETCH(QPolygonF, shape);
    QFETCH(double, zoom);
    MetafileDevice device(MetafileRecorder::Format::Emf, QSize(400, 300));
    {
        QPainter painter(&device);
        painter.setBrush(Qt::red);
        painter.save();
        painter.scale(zoom, zoom);
        painter.drawPolygon(shape);
        painter.drawPolyline(shape);
        painter.drawRect(QRectF(shape.at(0), shape.at(1)));
        painter.restore();
        painter.drawRect(QRectF(100, 100, 20, 20));
    }
    QVERIFY(device.file().has_value());
    QCOMPARE(readEmf(*device.file()).shapes, 1);
}

QTEST_MAIN(TestMetafileDevice)
#include "tst_metafiledevice.moc"
