#include "table/ColouringRules.h"

#include "data/Errors.h"
#include "data/Numbers.h"

#include <QHash>

#include <cmath>

namespace ColouringRules {

namespace {

std::optional<QColor> lookUp(const QHash<QString, QRgb> &colours, const QString &text)
{
    const auto found = colours.constFind(text);
    if (found == colours.constEnd())
        return std::nullopt;
    return QColor(*found);
}

int toInteger(const QString &text)
{
    const std::optional<int> value = Numbers::parseInteger(text);
    if (!value)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

} // namespace

double toNumber(const QString &text)
{
    const std::optional<double> value = Numbers::parseDecimal(text);
    if (!value)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return *value;
}

std::optional<QColor> familyColour(const QString &groupe)
{
    static const QHash<QString, QRgb> colours = {
        {QStringLiteral("Non métal"), 0x96BFC2}, {QStringLiteral("Gaz Noble"), 0xFFFFFF},
        {QStringLiteral("Alcalin"), 0xFDA85B},   {QStringLiteral("Alcalino-terreux"), 0xF23A0D},
        {QStringLiteral("Halogène"), 0x6B7BED},  {QStringLiteral("Metal de transition"), 0xFFFF80},
        {QStringLiteral("Metal"), 0xB7B7B7},     {QStringLiteral("Lanthanide"), 0xDAD6A7},
        {QStringLiteral("Actinide"), 0xB5AD53},  {QStringLiteral("Metalloide"), 0xB88FFC},
    };
    return lookUp(colours, groupe);
}

std::optional<QColor> blockColour(const QString &bloc)
{
    static const QHash<QString, QRgb> colours = {
        {QStringLiteral("s"), 0xFFFFFF},
        {QStringLiteral("p"), 0xFFFF80},
        {QStringLiteral("d"), 0x96BFC2},
        {QStringLiteral("f"), 0xF23A0D},
    };
    return lookUp(colours, bloc);
}

QColor acidBaseColour(const QString &acidbase)
{
    static const QHash<QString, QRgb> colours = {
        {QStringLiteral("Base faible"), 0x17D5FD},  {QStringLiteral("Base forte"), 0x166DFE},
        {QStringLiteral("Acide faible"), 0xFCB818}, {QStringLiteral("Acide fort"), 0xFF1515},
        {QStringLiteral("Amphotère"), 0xFFFFFF},
    };
    return lookUp(colours, acidbase).value_or(Silver);
}

std::optional<QColor> physicalStateColour(const QString &melting, const QString &boiling, int t)
{
    if (melting.isEmpty() || boiling.isEmpty())
        return Silver;
    const double tf = toNumber(melting);
    const double teb = toNumber(boiling);
    // The three tests are made one after the other, each against the same temperature;
    // a temperature equal to a point meets none of them.
    std::optional<QColor> colour;
    if (tf > t)
        colour = QColor(0xF8, 0x5E, 0x47); // solid
    if (teb < t)
        colour = QColor(0xFF, 0xFF, 0x00); // gas
    if (tf < t && teb > t)
        colour = QColor(0x00, 0x80, 0xC0); // liquid
    return colour;
}

QColor discoveryColour(const QString &year, int y)
{
    if (year == QStringLiteral("Préhistoire"))
        return QColor(0x80, 0x80, 0x80);
    const int d = toInteger(year);
    if (d < 1600)
        return QColor(0x80, 0x80, 0x80); // "avant 1600"
    if (d < y)
        return QColor(0xFF, 0xFF, 0xFF); // "Découvert"
    return Navy;                         // "Pas découvert"
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
