#include "charts/ClipGeometry.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace ClipGeometry {

namespace {

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QPointF along(QPointF a, QPointF b, double t)
{
    if (t <= 0)
        return a;
    if (t >= 1)
        return b;
    return a + (b - a) * t;
}

// Liang and Barsky: the stretch [t0, t1] of the segment a-b (0 at a, 1 at b) inside `clip`.
std::optional<std::pair<double, double>> inside(QPointF a, QPointF b, const QRectF &clip)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - clip.left(), clip.right() - a.x(), a.y() - clip.top(),
                         clip.bottom() - a.y()};
    double t0 = 0;
    double t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt; // parallel to this edge and beyond it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (!(t0 <= t1))
        return std::nullopt;
    return std::make_pair(t0, t1);
}

// One edge of the rectangle as a half-plane: x (or y) on the kept side of `at`.
struct HalfPlane
{
    bool onX;
    double at;
    bool keepBelow;

    bool keeps(QPointF p) const
    {
        const double v = onX ? p.x() : p.y();
        return keepBelow ? v <= at : v >= at;
    }
    QPointF crossing(QPointF a, QPointF b) const
    {
        if (onX) {
            const double t = (at - a.x()) / (b.x() - a.x());
            return QPointF(at, a.y() + (b.y() - a.y()) * t);
        }
        const double t = (at - a.y()) / (b.y() - a.y());
        return QPointF(a.x() + (b.x() - a.x()) * t, at);
    }
};

QPolygonF cut(const QPolygonF &shape, const HalfPlane &edge)
{
    QPolygonF kept;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const QPointF previous = shape[(i + shape.size() - 1) % shape.size()];
        const QPointF current = shape[i];
        if (edge.keeps(current)) {
            if (!edge.keeps(previous))
                kept << edge.crossing(previous, current);
            kept << current;
        } else if (edge.keeps(previous)) {
            kept << edge.crossing(previous, current);
        }
    }
    return kept;
}

} // namespace

QVector<QPolygonF> polyline(const QPolygonF &line, const QRectF &clip)
{
    QVector<QPolygonF> pieces;
    QPolygonF current;
    const auto flush = [&] {
        if (current.size() > 1)
            pieces.append(current);
        current.clear();
    };
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1];
        const QPointF b = line[i];
        const auto stretch = finite(a) && finite(b) ? inside(a, b, clip) : std::nullopt;
        const QPointF from = stretch ? along(a, b, stretch->first) : QPointF();
        const QPointF to = stretch ? along(a, b, stretch->second) : QPointF();
        if (!stretch || !finite(from) || !finite(to)) {
            flush();
            continue;
        }
        // A piece goes on while the line stays inside from one segment to the next.
        if (current.isEmpty() || stretch->first > 0) {
            flush();
            current << from;
        }
        if (to != current.last())
            current << to;
        if (stretch->second < 1)
            flush();
    }
    flush();
    return pieces;
}

// Sutherland and Hodgman: the shape cut by each edge of the rectangle in turn.
QPolygonF polygon(const QPolygonF &shape, const QRectF &clip)
{
    if (!std::all_of(shape.begin(), shape.end(), finite))
        return {};
    QPolygonF kept = shape;
    if (kept.size() > 1 && kept.isClosed())
        kept.removeLast();
    const HalfPlane edges[] = {{true, clip.left(), false},
                               {true, clip.right(), true},
                               {false, clip.top(), false},
                               {false, clip.bottom(), true}};
    for (const HalfPlane &edge : edges) {
        if (kept.size() < 3)
            return {};
        kept = cut(kept, edge);
    }
    if (kept.size() < 3 || !std::all_of(kept.begin(), kept.end(), finite))
        return {};
    return kept;
}

} // namespace ClipGeometry
