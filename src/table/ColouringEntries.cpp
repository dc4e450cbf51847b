#include "table/ColouringEntries.h"

#include "data/ChartProperties.h"

namespace ColouringEntries {

namespace {

// The two separator lines: 75 and 78 hyphens.
constexpr const char *Separator75 =
    "---------------------------------------------------------------------------";
constexpr const char *Separator78 =
    "------------------------------------------------------------------------------";

// The category modes and the separators that precede the numeric entries.
const std::array<Entry, FirstNumeric> Categories = {{
    {"Defaut", nullptr, nullptr},
    {Separator75, nullptr, nullptr},
    {"Groupe", nullptr, nullptr},
    {"Blocs s/p/d/f", nullptr, nullptr},
    {"Acide-Base", nullptr, nullptr},
    {"Etat Physique", nullptr, nullptr},
    {"Decouverte", nullptr, nullptr},
    {Separator78, nullptr, nullptr},
}};

static_assert(Count == FirstNumeric + ChartProperties::Count);

// The numeric entries are the chartable properties, in the same order and wording.
std::array<Entry, Count> buildEntries()
{
    std::array<Entry, Count> entries{};
    for (int i = 0; i < FirstNumeric; ++i)
        entries[i] = Categories[i];
    for (int i = 0; i < ChartProperties::Count; ++i) {
        const ChartProperties::Property &property = ChartProperties::all()[i];
        entries[FirstNumeric + i] = {property.text, property.column, property.title};
    }
    return entries;
}

} // namespace

const std::array<Entry, Count> &entries()
{
    static const std::array<Entry, Count> Entries = buildEntries();
    return Entries;
}

QString text(int index)
{
    if (index < 0 || index >= Count)
        return {};
    return QString::fromUtf8(entries()[index].text);
}

} // namespace ColouringEntries
