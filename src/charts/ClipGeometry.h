#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QVector>

// Lines and shapes cut to a rectangle, for pictures whose readers may not clip them
// themselves: what lies outside is gone, what crosses the edge ends on it.
namespace ClipGeometry {

// The parts of an open line inside `clip`, each an open line of at least two points.
// Points that are not finite break the line.
QVector<QPolygonF> polyline(const QPolygonF &line, const QRectF &clip);

// The part of a filled shape inside `clip` (any shape, under either fill rule), as one
// polygon whose cuts run along the rectangle's edges; empty when nothing of it is inside
// or a point is not finite.
QPolygonF polygon(const QPolygonF &shape, const QRectF &clip);

} // namespace ClipGeometry
