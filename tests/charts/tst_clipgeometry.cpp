// Lines and shapes cut to a rectangle before a metafile records them.
#include "charts/ClipGeometry.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestClipGeometry : public QObject
{
    Q_OBJECT

private slots:
    void polylines_data();
    void polylines();
    void polygons_data();
    void polygons();
};

namespace {

const QRectF Clip(0, 0, 100, 50);
const double Inf = std::numeric_limits<double>::infinity();

} // namespace

Q_DECLARE_METATYPE(QVector<QPolygonF>)

void TestClipGeometry::polylines_data()
{
    QTest::addColumn<QPolygonF>("line");
    QTest::addColumn<QVector<QPolygonF>>("pieces");
    QTest::newRow("inside") << QPolygonF{{10, 10}, {20, 20}, {30, 10}}
                            << QVector<QPolygonF>{{{10, 10}, {20, 20}, {30, 10}}};
    QTest::newRow("outside") << QPolygonF{{-10, -10}, {-20, 60}, {200, 60}} << QVector<QPolygonF>{};
    QTest::newRow("crossing both sides")
        << QPolygonF{{-50, 25}, {150, 25}} << QVector<QPolygonF>{{{0, 25}, {100, 25}}};
    // Out and back in: two pieces, each ending on the edge it crossed.
    QTest::newRow("leaving and coming back")
        << QPolygonF{{50, 10}, {50, 90}, {70, 90}, {70, 10}}
        << QVector<QPolygonF>{{{50, 10}, {50, 50}}, {{70, 50}, {70, 10}}};
    // Far beyond any 16-bit coordinate, as after a deep zoom.
    QTest::newRow("far ends") << QPolygonF{{-1e12, -5e11 + 25}, {1e12, 5e11 + 25}}
                              << QVector<QPolygonF>{{{0, 25}, {50, 50}}};
    QTest::newRow("on the edge") << QPolygonF{{0, 0}, {100, 0}}
                                 << QVector<QPolygonF>{{{0, 0}, {100, 0}}};
    QTest::newRow("not finite breaks the line")
        << QPolygonF{{10, 10}, {20, 10}, {Inf, 10}, {30, 20}, {40, 20}}
        << QVector<QPolygonF>{{{10, 10}, {20, 10}}, {{30, 20}, {40, 20}}};
}

void TestClipGeometry::polylines()
{
    QFETCH(QPolygonF, line);
    QFETCH(QVector<QPolygonF>, pieces);
    const QVector<QPolygonF> cut = ClipGeometry::polyline(line, Clip);
    QCOMPARE(cut.size(), pieces.size());
    for (int i = 0; i < cut.size(); ++i) {
        QCOMPARE(cut[i].size(), pieces[i].size());
        for (int j = 0; j < cut[i].size(); ++j)
            QVERIFY2(QLineF(cut[i][j], pieces[i][j]).length() < 1e-6,
                     qPrintable(QStringLiteral("piece %1 point %2: %3,%4")
                                    .arg(i)
                                    .arg(j)
                                    .arg(cut[i][j].x())
                                    .arg(cut[i][j].y())));
    }
}

// The area kept is the shape's area inside the rectangle, whatever the shape's winding.
void TestClipGeometry::polygons_data()
{
    QTest::addColumn<QPolygonF>("shape");
    QTest::addColumn<double>("area");
    QTest::newRow("inside") << QPolygonF(QRectF(10, 10, 20, 20)) << 400.0;
    QTest::newRow("outside") << QPolygonF(QRectF(200, 10, 20, 20)) << 0.0;
    QTest::newRow("bar standing below the bottom") << QPolygonF(QRectF(40, 30, 10, 1e9)) << 200.0;
    QTest::newRow("covering everything") << QPolygonF(QRectF(-1e12, -1e12, 2e12, 2e12)) << 5000.0;
    QTest::newRow("concave, both arms inside")
        << QPolygonF{{10, -10}, {30, -10}, {30, 40}, {70, 40},
                     {70, -10}, {90, -10}, {90, 60}, {10, 60}}
        << 20.0 * 50 * 2 + 40.0 * 10;
    QTest::newRow("not finite") << QPolygonF{{10, 10}, {Inf, 10}, {10, 20}} << 0.0;
}

void TestClipGeometry::polygons()
{
    QFETCH(QPolygonF, shape);
    QFETCH(double, area);
    const QPolygonF cut = ClipGeometry::polygon(shape, Clip);
    double twice = 0;
    for (qsizetype i = 0; i < cut.size(); ++i) {
        const QPointF a = cut[i];
        const QPointF b = cut[(i + 1) % cut.size()];
        twice += a.x() * b.y() - b.x() * a.y();
        QVERIFY(Clip.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(a));
    }
    QVERIFY2(std::abs(std::abs(twice) / 2 - area) < 1e-6, qPrintable(QString::number(twice / 2)));
}

QTEST_GUILESS_MAIN(TestClipGeometry)
#include "tst_clipgeometry.moc"
