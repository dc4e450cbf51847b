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
    QString spoken = QStringLiteral("%1, %2, numéro atomique %3")
                         .arg(frenchName.toString().simplified(), symbol.toString().simplified())
                         .arg(atomicNumber);
    // Rows 8 and 9 of the layout are the lanthanides of period 6 and the actinides of period 7.
    constexpr int InnerRow = 8;
    const PeriodicCells::Cell cell = PeriodicCells::cell(atomicNumber);
    if (cell.row == 0)
        return spoken;
    if (cell.row < InnerRow)
        return spoken + QStringLiteral(", groupe %1, période %2").arg(cell.column).arg(cell.row);
    return spoken + QStringLiteral(", période %1").arg(cell.row - InnerRow + 6);
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
