#include "graph3d/Graph3DHeights.h"

#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "data/Numbers.h"

#include <algorithm>
#include <limits>

namespace Graph3DHeights {

Values read(const ElementRecords &records, const QString &column)
{
    // An unknown column fails even when the table holds no record to read it from.
    const int field = records.requireField(column);
    Values values;
    for (int z = 1; z <= ElementCount; ++z) {
        const QStringView text = records.view(z, field);
        std::optional<double> &value = values[z - 1];
        if (!text.isEmpty()) {
            value = Numbers::parseDecimal(text);
            if (!value)
                throw EConvertError(QStringLiteral("Élément %1, champ %2 : %3.")
                                        .arg(z)
                                        .arg(column, Numbers::notDecimal(text)));
        }
    }
    return values;
}

Heights heights(const Values &values)
{
    // The range is that of the values present alone, however large or small they are.
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    for (const std::optional<double> &value : values) {
        if (value) {
            lowest = std::min(lowest, *value);
            highest = std::max(highest, *value);
        }
    }
    Heights heights;
    // Halves throughout, so that a range wider than the largest double stays finite.
    const double range = highest / 2 - lowest / 2;
    for (int i = 0; i < ElementCount; ++i) {
        if (!values[i])
            heights[i] = MissingHeight;
        else if (range <= 0)
            heights[i] = EqualValuesHeight;
        else
            heights[i] = (*values[i] / 2 - lowest / 2) / range * 100 + 1;
    }
    return heights;
}

} // namespace Graph3DHeights
