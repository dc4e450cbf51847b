#include "table/CategoryColours.h"

namespace CategoryColours {

const Keys &families()
{
    static const Keys keys = {
        {QStringLiteral("Non métal"), QStringLiteral("Non Métal"), 0x96BFC2},
        {QStringLiteral("Alcalin"), QStringLiteral("Alcalins"), 0xFDA85B},
        {QStringLiteral("Alcalino-terreux"), QStringLiteral("Alcalino-Terreux"), 0xF23A0D},
        {QStringLiteral("Metal de transition"), QStringLiteral("Métal de Transition"), 0xFFFF80},
        {QStringLiteral("Metal"), QStringLiteral("Métal "), 0xB7B7B7},
        {QStringLiteral("Metalloide"), QStringLiteral("Métalloide"), 0xB88FFC},
        {QStringLiteral("Halogène"), QStringLiteral("Halogènes"), 0x6B7BED},
        {QStringLiteral("Gaz Noble"), QStringLiteral("Gaz nobles"), 0xFFFFFF},
        {QStringLiteral("Lanthanide"), QStringLiteral("Lanthanide"), 0xDAD6A7},
        {QStringLiteral("Actinide"), QStringLiteral("Actinide"), 0xB5AD53},
    };
    return keys;
}

const Keys &blocks()
{
    static const Keys keys = {
        {QStringLiteral("s"), QStringLiteral("Bloc s"), 0xFFFFFF},
        {QStringLiteral("p"), QStringLiteral("Bloc p"), 0xFFFF80},
        {QStringLiteral("d"), QStringLiteral("Bloc d"), 0x96BFC2},
        {QStringLiteral("f"), QStringLiteral("Bloc f"), 0xF23A0D},
    };
    return keys;
}

const Keys &acidBases()
{
    // The legend writes "Acid Faible" where the column holds "Acide faible".
    static const Keys keys = {
        {QStringLiteral("Base faible"), QStringLiteral("Base Faible"), 0x17D5FD},
        {QStringLiteral("Base forte"), QStringLiteral("Base Forte"), 0x166DFE},
        {QStringLiteral("Acide faible"), QStringLiteral("Acid Faible"), 0xFCB818},
        {QStringLiteral("Acide fort"), QStringLiteral("Acide Fort"), 0xFF1515},
        {QStringLiteral("Amphotère"), QStringLiteral("Amphotère"), 0xFFFFFF},
    };
    return keys;
}

const Keys &states()
{
    // The N/A swatch is a darker grey than the silver an element without both points
    // is filled with; the legend has always shown it so.
    static const Keys keys = {
        {QString(), QStringLiteral("Solide"), 0xF85E47},
        {QString(), QStringLiteral("Liquide"), 0x0080C0},
        {QString(), QStringLiteral("Gaz"), 0xFFFF00},
        {QString(), QStringLiteral("N/A"), 0xA6A6A6},
    };
    return keys;
}

QColor colour(State state)
{
    return QColor(states()[static_cast<std::size_t>(state)].colour);
}

const Keys &discoveries()
{
    static const Keys keys = {
        {QString(), QStringLiteral("avant 1600"), 0x808080},
        {QString(), QStringLiteral("Découvert"), 0xFFFFFF},
        {QString(), QStringLiteral("Pas découvert"), 0x000080},
    };
    return keys;
}

QColor colour(Discovery discovery)
{
    return QColor(discoveries()[static_cast<std::size_t>(discovery)].colour);
}

std::optional<QColor> colourOf(const Keys &keys, QStringView text)
{
    for (const Key &key : keys) {
        if (!key.value.isEmpty() && key.value == text)
            return QColor(key.colour);
    }
    return std::nullopt;
}

} // namespace CategoryColours
