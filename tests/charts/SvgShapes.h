#pragma once

// The shapes of an SVG file as the metafile converters write them (wmf2svg, emf2svg-conv):
// rectangles, polygons, polylines and paths of straight lines, each with its points, its
// fill and its stroke; texts are left out. Colours come as names or as #RRGGBB.
#include <QColor>
#include <QPolygonF>
#include <QRegularExpression>
#include <QSizeF>
#include <QXmlStreamReader>

struct SvgShape
{
    QPolygonF points;
    QColor fill;   // invalid: not filled
    QColor stroke; // invalid: not stroked
};

struct SvgPicture
{
    QSizeF size;
    QVector<SvgShape> shapes;
};

namespace SvgShapes {

inline QVector<double> numbers(const QString &text)
{
    static const QRegularExpression Number(
        QStringLiteral("-?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?"));
    QVector<double> out;
    for (const QRegularExpressionMatch &m : Number.globalMatch(text))
        out.append(m.captured().toDouble());
    return out;
}

// A paint as attribute or in the style; "none" and a missing one are no paint.
inline QColor paint(const QXmlStreamAttributes &attributes, const QString &name)
{
    QString value = attributes.value(name).toString();
    const QRegularExpression inStyle(name + QStringLiteral("\\s*:\\s*([^;\\s]+)"));
    const QRegularExpressionMatch m = inStyle.match(attributes.value(QStringLiteral("style")));
    if (m.hasMatch())
        value = m.captured(1);
    return value.isEmpty() || value == QLatin1String("none") ? QColor() : QColor(value);
}

inline QPolygonF pairs(const QVector<double> &values)
{
    QPolygonF points;
    for (qsizetype i = 0; i + 1 < values.size(); i += 2)
        points << QPointF(values[i], values[i + 1]);
    return points;
}

inline SvgPicture read(const QByteArray &svg)
{
    SvgPicture picture;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QXmlStreamAttributes a = xml.attributes();
        auto number = [&](const char *attribute) {
            return a.value(QLatin1String(attribute)).toDouble();
        };
        if (name == QLatin1String("svg")) {
            picture.size = QSizeF(number("width"), number("height"));
            continue;
        }
        if (name == QLatin1String("clipPath") || name == QLatin1String("text")) {
            xml.skipCurrentElement();
            continue;
        }
        SvgShape shape;
        if (name == QLatin1String("rect")) {
            const QRectF box(number("x"), number("y"), number("width"), number("height"));
            shape.points = QPolygonF(box);
        } else if (name == QLatin1String("polygon") || name == QLatin1String("polyline")) {
            shape.points = pairs(numbers(a.value(QStringLiteral("points")).toString()));
        } else if (name == QLatin1String("path")) {
            shape.points = pairs(numbers(a.value(QStringLiteral("d")).toString()));
        } else {
            continue;
        }
        shape.fill = paint(a, QStringLiteral("fill"));
        shape.stroke = paint(a, QStringLiteral("stroke"));
        picture.shapes.append(shape);
    }
    return picture;
}

} // namespace SvgShapes
