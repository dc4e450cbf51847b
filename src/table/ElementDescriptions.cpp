#include "table/ElementDescriptions.h"

#include "data/Numbers.h"
#include "data/PeriodicCells.h"
#include "table/CategoryColours.h"

namespace ElementDescriptions {

namespace {

const QString NoValue = QStringLiteral("pas de valeur");
const QString Unreadable = QStringLiteral("Valeur illisible");

QString orNoValue(QStringView text)
{
    const QString spoken = text.toString().simplified();
    return spoken.isEmpty() ? NoValue : spoken;
}

QString caption(const CategoryColours::Keys &keys, int row)
{
    return keys[static_cast<std::size_t>(row)].caption.simplified();
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

QString physicalState(QStringView melting, QStringView boiling, int t)
{
    using CategoryColours::State;
    const auto state = [t](State row) {
        return QStringLiteral("%1 à %2 K").arg(caption(CategoryColours::states(), int(row))).arg(t);
    };
    if (melting.trimmed().isEmpty() || boiling.trimmed().isEmpty())
        return QStringLiteral("État inconnu à %1 K").arg(t);
    const std::optional<double> tf = Numbers::parseDecimal(melting);
    const std::optional<double> teb = Numbers::parseDecimal(boiling);
    if (!tf || !teb)
        return Unreadable;
    // The colouring's three tests come one after the other, the later one winning.
    if (t > *tf && t < *teb)
        return state(State::Liquid);
    if (*teb < t)
        return state(State::Gas);
    if (*tf > t)
        return state(State::Solid);
    return (*tf == t ? QStringLiteral("Au point de fusion, %1 K")
                     : QStringLiteral("Au point d'ébullition, %1 K"))
        .arg(t);
}

QString discovery(QStringView year, int y)
{
    using CategoryColours::Discovery;
    const CategoryColours::Keys &keys = CategoryColours::discoveries();
    const QString before = QStringLiteral("Découvert ") + caption(keys, int(Discovery::Before1600));
    if (year.trimmed() == QStringLiteral("Préhistoire"))
        return before;
    const std::optional<int> d = Numbers::parseInteger(year);
    if (!d)
        return Unreadable;
    if (*d < 1600)
        return before;
    return caption(keys, int(*d < y ? Discovery::Discovered : Discovery::NotDiscovered));
}

QString numeric(QStringView value, const QString &unit)
{
    const QString spoken = value.toString().simplified();
    if (spoken.isEmpty())
        return NoValue;
    return unit.isEmpty() ? spoken : spoken + QLatin1Char(' ') + unit;
}

} // namespace ElementDescriptions
