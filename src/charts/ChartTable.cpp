#include "charts/ChartTable.h"

#include "data/Numbers.h"

namespace ChartTable {

namespace {

// As many digits as a value read from the element table can hold.
constexpr int SpokenDigits = 15;

} // namespace

QString header(int column, const QString &bottomTitle, const QString &leftTitle)
{
    switch (column) {
    case 0:
        return QStringLiteral("Élément");
    case 1:
        return bottomTitle.simplified();
    case 2:
        return leftTitle.simplified();
    default:
        return QString();
    }
}

QString cell(const ChartPoint &point, int column)
{
    switch (column) {
    case 0:
        return point.lab;
    case 1:
        return Numbers::formatGeneral(point.x, SpokenDigits);
    case 2:
        return Numbers::formatGeneral(point.y, SpokenDigits);
    default:
        return QString();
    }
}

QString summary(const QString &bottomTitle, const QString &leftTitle, int pointCount)
{
    const QString points =
        pointCount == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(pointCount);
    return QStringLiteral("%1 en abscisse, %2 en ordonnée, %3")
        .arg(bottomTitle.simplified(), leftTitle.simplified(), points);
}

} // namespace ChartTable
