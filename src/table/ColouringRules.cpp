#include "table/ColouringRules.h"

#include "data/Errors.h"
#include "data/Numbers.h"
#include "table/CategoryColours.h"

#include <cmath>

namespace ColouringRules {

namespace {

int toInteger(QStringView text)
{
    const std::optional<int> value = Numbers::parseInteger(text);
    if (!value)
        throw EConvertError(Numbers::notInteger(text));
    return *value;
}

} // namespace

double toNumber(QStringView text)
{
    const std::optional<double> value = Numbers::parseDecimal(text);
    if (!value)
        throw EConvertError(Numbers::notDecimal(text));
    return *value;
}

std::optional<QColor> familyColour(QStringView groupe)
{
    return CategoryColours::colourOf(CategoryColours::families(), groupe);
}

std::optional<QColor> blockColour(QStringView bloc)
{
    return CategoryColours::colourOf(CategoryColours::blocks(), bloc);
}

QColor acidBaseColour(QStringView acidbase)
{
    return CategoryColours::colourOf(CategoryColours::acidBases(), acidbase).value_or(Silver);
}

std::optional<QColor> physicalStateColour(QStringView melting, QStringView boiling, int t)
{
    if (melting.isEmpty() || boiling.isEmpty())
        return Silver;
    const double tf = toNumber(melting);
    const double teb = toNumber(boiling);
    // The three tests are made one after the other, each against the same temperature;
    // a temperature equal to a point meets none of them.
    using CategoryColours::State;
    std::optional<QColor> colour;
    if (tf > t)
        colour = CategoryColours::colour(State::Solid);
    if (teb < t)
        colour = CategoryColours::colour(State::Gas);
    if (tf < t && teb > t)
        colour = CategoryColours::colour(State::Liquid);
    return colour;
}

QColor discoveryColour(QStringView year, int y)
{
    using CategoryColours::Discovery;
    if (year == QStringLiteral("Préhistoire"))
        return CategoryColours::colour(Discovery::Before1600);
    const int d = toInteger(year);
    if (d < 1600)
        return CategoryColours::colour(Discovery::Before1600);
    if (d < y)
        return CategoryColours::colour(Discovery::Discovered);
    return CategoryColours::colour(Discovery::NotDiscovered);
}

Shade greyShade(double value, double minimum, double maximum)
{
    Shade shade;
    if (maximum > minimum)
        shade.s = static_cast<int>(std::trunc((value - minimum) / (maximum - minimum) * 255.0));
    const int level = 255 - shade.s;
    shade.fill = QColor(level, level, level);
    shade.whiteCaption = shade.s > 90;
    return shade;
}

} // namespace ColouringRules
