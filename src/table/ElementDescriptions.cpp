#include "table/ElementDescriptions.h"

#include "data/PeriodicCells.h"

namespace ElementDescriptions {

namespace {

const QString NoValue = QStringLiteral("pas de valeur");

QString orNoValue(QStringView text)
{
    const QString spoken = text.toString().simplified();
    return spoken.isEmpty() ? NoValue : spoken;
}

} // namespace

QString name(QStringView frenchName, QStringView symbol, int atomicNumber)
{
    // Put together piece by piece: every element button is named so at start, and a format
    // string is parsed anew at each of its arguments.
    QString spoken;
    spoken.reserve(80);
    spoken += frenchName.toString().simplified();
    spoken += QLatin1String(", ");
    spoken += symbol.toString().simplified();
    spoken += QStringLiteral(", numéro atomique ");
    spoken += QString::number(atomicNumber);
    // Rows 8 and 9 of the layout are the lanthanides of period 6 and the actinides of period 7.
    constexpr int InnerRow = 8;
    const PeriodicCells::Cell cell = PeriodicCells::cell(atomicNumber);
    if (cell.row == 0)
        return spoken;
    if (cell.row < InnerRow) {
        spoken += QLatin1String(", groupe ");
        spoken += QString::number(cell.column);
    }
    spoken += QStringLiteral(", période ");
    spoken += QString::number(cell.row < InnerRow ? cell.row : cell.row - InnerRow + 6);
    return spoken;
}

QString family(QStringView groupe)
{
    return orNoValue(groupe);
}

QString block(QStringView bloc)
{
    const QString spoken = bloc.toString().simplified();
    return spoken.isEmpty() ? NoValue : QStringLiteral("Bloc ") + spoken;
}

QString acidBase(QStringView acidbase)
{
    return orNoValue(acidbase);
}

QString numeric(QStringView value, const QString &unit, const QString &scale)
{
    const QString spoken = value.toString().simplified();
    if (spoken.isEmpty())
        return NoValue;
    const QString measured = unit.isEmpty() ? spoken : spoken + QLatin1Char(' ') + unit;
    return scale.isEmpty() ? measured : measured + QStringLiteral(", ") + scale;
}

} // namespace ElementDescriptions
