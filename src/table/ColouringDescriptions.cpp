#include "table/ColouringDescriptions.h"

#include "data/ElementRecords.h"
#include "table/ElementDescriptions.h"

namespace ColouringDescriptions {

namespace {

template <class Rule> Descriptions each(Rule rule)
{
    Descriptions out;
    for (int z = 1; z <= Colouring::ElementCount; ++z)
        out[z - 1] = rule(z);
    return out;
}

} // namespace

std::optional<Descriptions> of(const ElementRecords &records, const Colouring::Choice &choice)
{
    using Colouring::Mode;
    const auto text = [&records](int z, Column column) { return records.view(z, column); };
    switch (choice.mode) {
    case Mode::Plain:
        return Descriptions{};
    case Mode::Family:
        return each([&](int z) { return ElementDescriptions::family(text(z, Column::Groupe)); });
    case Mode::Block:
        return each([&](int z) { return ElementDescriptions::block(text(z, Column::Bloc)); });
    case Mode::AcidBase:
        return each(
            [&](int z) { return ElementDescriptions::acidBase(text(z, Column::Acidbase)); });
    case Mode::PhysicalState:
        if (!choice.value)
            return std::nullopt;
        return each([&](int z) {
            return ElementDescriptions::physicalState(text(z, Column::Tf), text(z, Column::Teb),
                                                      *choice.value);
        });
    case Mode::Discovery:
        if (!choice.value)
            return std::nullopt;
        return each([&](int z) {
            return ElementDescriptions::discovery(text(z, Column::Decouverte), *choice.value);
        });
    case Mode::Numeric:
        return each([&](int z) {
            if (!choice.column)
                return ElementDescriptions::numeric({}, {});
            return ElementDescriptions::numeric(text(z, *choice.column),
                                                ElementColumns::column(*choice.column).unit);
        });
    }
    return std::nullopt;
}

} // namespace ColouringDescriptions
