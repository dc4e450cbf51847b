#include "table/Colouring.h"

#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "table/ColouringEntries.h"
#include "table/ColouringRules.h"

#include <algorithm>

namespace Colouring {

Mode modeOf(const QString &entryText)
{
    using E = ColouringEntries::Index;
    static const std::pair<E, Mode> named[] = {{E::Defaut, Mode::Plain},
                                               {E::Family, Mode::Family},
                                               {E::Block, Mode::Block},
                                               {E::AcidBase, Mode::AcidBase},
                                               {E::PhysicalState, Mode::PhysicalState},
                                               {E::Discovery, Mode::Discovery}};
    for (const auto &[entry, mode] : named) {
        if (entryText == ColouringEntries::text(entry))
            return mode;
    }
    return Mode::Numeric;
}

namespace {

// Each element's fill from the text of `column`, in atomic-number order: a rule that raises
// stops the walk there.
template <class Rule>
void fillEach(Looks &out, const ElementRecords &records, Column column, Rule rule)
{
    const int field = records.fieldIndex(column);
    for (int z = 1; z <= ElementCount; ++z)
        out.buttons[z - 1].fill = rule(records.view(z, field));
}

// White for the column's smallest value, black for its greatest, navy where there is none.
// The bounds start at 100000 and -100000, as the legend's scale always has.
void greyScale(Looks &out, const ElementRecords &records, std::optional<Column> column)
{
    const int field = column ? records.fieldIndex(*column) : -1;
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
        Look &look = out.buttons[z - 1];
        const QStringView text = records.view(z, field);
        if (text.isEmpty()) {
            look.fill = ColouringRules::Navy;
            continue;
        }
        const auto shade =
            ColouringRules::greyShade(ColouringRules::toNumber(text), minimum, maximum);
        look.fill = shade.fill;
        if (shade.whiteCaption)
            look.caption = QColor(0xFF, 0xFF, 0xFF);
    }
}

void colour(Looks &out, const ElementRecords &records, const Choice &choice)
{
    using namespace ColouringRules;
    switch (choice.mode) {
    case Mode::Plain:
        for (Look &look : out.buttons)
            look.fill = choice.face;
        return;
    case Mode::Family:
        return fillEach(out, records, Column::Groupe, familyColour);
    case Mode::Block:
        return fillEach(out, records, Column::Bloc, blockColour);
    case Mode::AcidBase:
        return fillEach(out, records, Column::Acidbase,
                        [](QStringView text) { return std::optional(acidBaseColour(text)); });
    case Mode::PhysicalState:
        if (const std::optional<int> t = choice.value) {
            const int boiling = records.fieldIndex(Column::Teb);
            for (int z = 1; z <= ElementCount; ++z)
                out.buttons[z - 1].fill =
                    physicalStateColour(records.view(z, Column::Tf), records.view(z, boiling), *t);
        }
        return;
    case Mode::Discovery:
        if (const std::optional<int> y = choice.value)
            fillEach(out, records, Column::Decouverte,
                     [y](QStringView year) { return std::optional(discoveryColour(year, *y)); });
        return;
    case Mode::Numeric:
        return greyScale(out, records, choice.column);
    }
}

} // namespace

Looks looks(const ElementRecords &records, const Choice &choice)
{
    Looks out;
    try {
        colour(out, records, choice);
    } catch (const EConvertError &error) {
        out.error = error.message();
    }
    return out;
}

} // namespace Colouring
