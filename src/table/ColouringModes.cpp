#include "table/ColouringModes.h"

#include "data/ChartProperties.h"
#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "data/Numbers.h"
#include "table/ColouringRules.h"
#include "table/ElementDescriptions.h"

#include <algorithm>

namespace ColouringModes {

std::optional<QColor> colourOf(const Rows &rows, QStringView text)
{
    for (const Row &row : rows) {
        if (!row.value.isEmpty() && row.value == text)
            return QColor(row.colour);
    }
    return std::nullopt;
}

Rule eachElement(ElementRule rule)
{
    return [rule = std::move(rule)](const ElementRecords &records, const Input &input) {
        Readings out;
        Descriptions &said = out.descriptions.emplace();
        const int parameter = input.parameter.value_or(0);
        for (int z = 1; z <= ElementCount; ++z) {
            try {
                Verdict verdict = rule(records, z, parameter);
                if (!out.error)
                    out.looks[z - 1].fill = verdict.fill;
                said[z - 1] = std::move(verdict.description);
            } catch (const EConvertError &error) {
                if (!out.error)
                    out.error = error.message();
                said[z - 1] = QStringLiteral("Valeur illisible");
            }
        }
        return out;
    };
}

QStringList Table::entries() const
{
    QStringList texts;
    for (const Mode &mode : modes)
        texts.append(mode.text);
    return texts;
}

const Mode &Table::modeOf(const QString &entryText) const
{
    const auto named = std::find_if(modes.begin(), modes.end(), [&entryText](const Mode &mode) {
        return mode.text == entryText;
    });
    return named != modes.end() ? *named : fallback;
}

const Mode *Table::ownerOf(const Legend *legend) const
{
    for (const Mode &mode : modes) {
        if (legend && mode.legend == legend)
            return &mode;
    }
    return nullptr;
}

Readings readings(const Mode &mode, const ElementRecords &records, const Input &input)
{
    if (mode.legend && mode.legend->parameter && !input.parameter)
        return {};
    return mode.rule(records, input);
}

namespace {

const QColor White(0xFF, 0xFF, 0xFF);

// --- "Defaut" ---------------------------------------------------------------------------------

Readings plain(const ElementRecords &, const Input &input)
{
    Readings out;
    for (Look &look : out.looks)
        look.fill = input.face;
    out.descriptions.emplace();
    return out;
}

// --- The modes that colour by one column's exact text ------------------------------------------

const Legend &familyLegend()
{
    static const Legend legend{
        "legende1",
        {624, 136, 145, 177},
        8,
        {
            {QStringLiteral("Non métal"), QStringLiteral("Non Métal"), 0x96BFC2},
            {QStringLiteral("Alcalin"), QStringLiteral("Alcalins"), 0xFDA85B},
            {QStringLiteral("Alcalino-terreux"), QStringLiteral("Alcalino-Terreux"), 0xF23A0D},
            {QStringLiteral("Metal de transition"), QStringLiteral("Métal de Transition"),
             0xFFFF80},
            {QStringLiteral("Metal"), QStringLiteral("Métal "), 0xB7B7B7},
            {QStringLiteral("Metalloide"), QStringLiteral("Métalloide"), 0xB88FFC},
            {QStringLiteral("Halogène"), QStringLiteral("Halogènes"), 0x6B7BED},
            {QStringLiteral("Gaz Noble"), QStringLiteral("Gaz nobles"), 0xFFFFFF},
            {QStringLiteral("Lanthanide"), QStringLiteral("Lanthanide"), 0xDAD6A7},
            {QStringLiteral("Actinide"), QStringLiteral("Actinide"), 0xB5AD53},
        }};
    return legend;
}

const Legend &blockLegend()
{
    static const Legend legend{"legende2",
                               {640, 184, 81, 81},
                               8,
                               {
                                   {QStringLiteral("s"), QStringLiteral("Bloc s"), 0xFFFFFF},
                                   {QStringLiteral("p"), QStringLiteral("Bloc p"), 0xFFFF80},
                                   {QStringLiteral("d"), QStringLiteral("Bloc d"), 0x96BFC2},
                                   {QStringLiteral("f"), QStringLiteral("Bloc f"), 0xF23A0D},
                               }};
    return legend;
}

const Legend &acidBaseLegend()
{
    // The legend writes "Acid Faible" where the column holds "Acide faible".
    static const Legend legend{
        "legende3",
        {632, 168, 105, 97},
        8,
        {
            {QStringLiteral("Base faible"), QStringLiteral("Base Faible"), 0x17D5FD},
            {QStringLiteral("Base forte"), QStringLiteral("Base Forte"), 0x166DFE},
            {QStringLiteral("Acide faible"), QStringLiteral("Acid Faible"), 0xFCB818},
            {QStringLiteral("Acide fort"), QStringLiteral("Acide Fort"), 0xFF1515},
            {QStringLiteral("Amphotère"), QStringLiteral("Amphotère"), 0xFFFFFF},
        }};
    return legend;
}

// The mode of `column`'s exact texts, offered under the column's wording: the element's text
// in `said`, the colour of its legend row or `otherwise`.
Mode byText(Column column, const Legend &legend, QString (*said)(QStringView),
            std::optional<QColor> otherwise = std::nullopt)
{
    ElementRule rule = [column, &legend, said, otherwise](const ElementRecords &records, int z,
                                                          int) {
        const QStringView text = records.view(z, column);
        const std::optional<QColor> colour = colourOf(legend.rows, text);
        return Verdict{colour ? colour : otherwise, said(text)};
    };
    return {ElementColumns::column(column).listName, &legend, eachElement(std::move(rule))};
}

// --- "Etat Physique" ----------------------------------------------------------------------------

enum StateRow { Solid, Liquid, Gas };

const Legend &stateLegend()
{
    // The N/A swatch is a darker grey than the silver an element without both points is
    // filled with; the legend has always shown it so.
    static const Legend legend{
        "legende4",
        {648, 136, 113, 185},
        8,
        {
            {QString(), QStringLiteral("Solide"), 0xF85E47},
            {QString(), QStringLiteral("Liquide"), 0x0080C0},
            {QString(), QStringLiteral("Gaz"), 0xFFFF00},
            {QString(), QStringLiteral("N/A"), 0xA6A6A6},
        },
        {{8, 80, "A la température:"}, {96, 108, "K"}, {88, 132, "°C"}, {88, 156, "°F"}},
        Parameter{
            {"SpinEdit1", "Température (K)", {8, 104}}, 0, 10000, 298, "A la température: %1 K"},
        {Readout{{"edit1", "Température (°C)", {8, 128}},
                 [](int t) { return Numbers::formatGeneral(t - 273.15, 15); },
                 "%1 °C"},
         Readout{{"Edit2", "Température (°F)", {8, 152}},
                 [](int t) { return Numbers::formatGeneral(t * 1.8 - 459.67, 15); },
                 "%1 °F"}}};
    return legend;
}

// The state at t kelvin from the melting and boiling points. An element without both points
// is silver and of unknown state; a blank text is a point that is not a number. At a point
// itself the button keeps its fill.
Verdict physicalState(const ElementRecords &records, int z, int t)
{
    const QStringView melting = records.view(z, Column::Tf);
    const QStringView boiling = records.view(z, Column::Teb);
    if (melting.isEmpty() || boiling.isEmpty())
        return {ColouringRules::Silver, QStringLiteral("État inconnu à %1 K").arg(t)};
    const double tf = ColouringRules::toNumber(melting);
    const double teb = ColouringRules::toNumber(boiling);
    // Three tests made one after the other against the same temperature, the later winning;
    // a temperature equal to a point meets none of them.
    std::optional<StateRow> state;
    if (tf > t)
        state = Solid;
    if (teb < t)
        state = Gas;
    if (tf < t && teb > t)
        state = Liquid;
    if (!state)
        return {std::nullopt, (tf == t ? QStringLiteral("Au point de fusion, %1 K")
                                       : QStringLiteral("Au point d'ébullition, %1 K"))
                                  .arg(t)};
    const Row &row = stateLegend().rows[static_cast<std::size_t>(*state)];
    return {QColor(row.colour), QStringLiteral("%1 à %2 K").arg(row.caption.simplified()).arg(t)};
}

// --- "Decouverte" -------------------------------------------------------------------------------

enum DiscoveryRow { Before1600, Discovered, NotDiscovered };

const Legend &discoveryLegend()
{
    static const Legend legend{
        "legende5",
        {640, 160, 121, 129},
        32,
        {
            {QString(), QStringLiteral("avant 1600"), 0x808080},
            {QString(), QStringLiteral("Découvert"), 0xFFFFFF},
            {QString(), QStringLiteral("Pas découvert"), 0x000080},
        },
        {{40, 8, "Decouverte"}, {40, 80, "A la date :"}},
        Parameter{{"SpinEdit2", "Année", {32, 96}}, 1600, 2000, 1600, "A la date : %1"}};
    return legend;
}

// The year of discovery against year y. "Préhistoire", exactly, is before 1600; any other text
// that is not a whole number, blanks around a word included, stops the mode.
Verdict discovery(const ElementRecords &records, int z, int y)
{
    const QStringView year = records.view(z, Column::Decouverte);
    DiscoveryRow row = Before1600;
    if (year != QStringLiteral("Préhistoire")) {
        const int d = ColouringRules::toInteger(year);
        row = d < 1600 ? Before1600 : d < y ? Discovered : NotDiscovered;
    }
    const Row &legendRow = discoveryLegend().rows[static_cast<std::size_t>(row)];
    const QString caption = legendRow.caption.simplified();
    return {QColor(legendRow.colour),
            row == Before1600 ? QStringLiteral("Découvert ") + caption : caption};
}

// --- The grey scales ----------------------------------------------------------------------------

const Legend &numericLegend()
{
    static const Legend legend{"Panel2",
                               {624, 176, 153, 97},
                               48,
                               {
                                   {QString(), QStringLiteral("+ forte valeur"), 0x000000},
                                   {QString(), QStringLiteral("+ faible valeur"), 0xFFFFFF},
                                   {QString(), QStringLiteral("N/A"), ColouringRules::Navy.rgb()},
                               },
                               {},
                               std::nullopt,
                               {},
                               true,
                               true,
                               true};
    return legend;
}

// White for the column's smallest value, black for its greatest, navy where there is none.
// The bounds start at 100000 and -100000, as the legend's scale always has. A value that is
// not a number stops the mode before any fill.
void greyScale(Readings &out, const ElementRecords &records, int field)
{
    double minimum = 100000;
    double maximum = -100000;
    for (int z = 1; z <= ElementCount; ++z) {
        const QStringView text = records.view(z, field);
        if (!text.isEmpty()) {
            const double v = ColouringRules::toNumber(text);
            minimum = std::min(minimum, v);
            maximum = std::max(maximum, v);
        }
    }
    for (int z = 1; z <= ElementCount; ++z) {
        Look &look = out.looks[z - 1];
        const QStringView text = records.view(z, field);
        if (text.isEmpty()) {
            look.fill = ColouringRules::Navy;
            continue;
        }
        const auto shade =
            ColouringRules::greyShade(ColouringRules::toNumber(text), minimum, maximum);
        look.fill = shade.fill;
        if (shade.whiteCaption)
            look.caption = White;
    }
}

// The grey scale of `column`, or of no column: every element then without a value.
Mode numeric(const QString &text, std::optional<ChartProperties::Property> property)
{
    Mode mode{text, &numericLegend()};
    const std::optional<Column> column = property ? std::optional(property->column) : std::nullopt;
    mode.rule = [column](const ElementRecords &records, const Input &) {
        Readings out;
        const int field = column ? records.fieldIndex(*column) : -1;
        const QString unit = column ? ElementColumns::column(*column).unit : QString();
        // The two electronegativities have no unit; their scales tell them apart.
        const QString scale = column ? ElementColumns::scale(*column) : QString();
        Descriptions &said = out.descriptions.emplace();
        for (int z = 1; z <= ElementCount; ++z)
            said[z - 1] = ElementDescriptions::numeric(records.view(z, field), unit, scale);
        try {
            greyScale(out, records, field);
        } catch (const EConvertError &error) {
            out.error = error.message();
        }
        return out;
    };
    if (property) {
        mode.heading = property->axisTitle();
        mode.valueColumn = column;
    }
    return mode;
}

Table make()
{
    Table table;
    table.legends = {&familyLegend(), &blockLegend(),     &acidBaseLegend(),
                     &stateLegend(),  &discoveryLegend(), &numericLegend()};
    table.fallback = numeric(QString(), std::nullopt);
    // The separator lines of 75 and 78 hyphens colour as any text the list does not hold.
    table.modes = {
        {QStringLiteral("Defaut"), nullptr, plain},
        numeric(QString(75, u'-'), std::nullopt),
        byText(Column::Groupe, familyLegend(), ElementDescriptions::family),
        byText(Column::Bloc, blockLegend(), ElementDescriptions::block),
        byText(Column::Acidbase, acidBaseLegend(), ElementDescriptions::acidBase,
               ColouringRules::Silver),
        {QStringLiteral("Etat Physique"), &stateLegend(), eachElement(physicalState)},
        {QStringLiteral("Decouverte"), &discoveryLegend(), eachElement(discovery)},
        numeric(QString(78, u'-'), std::nullopt),
    };
    for (const ChartProperties::Property &property : ChartProperties::all())
        table.modes.push_back(numeric(property.text(), property));
    return table;
}

} // namespace

const Table &shipped()
{
    static const Table table = make();
    return table;
}

} // namespace ColouringModes
