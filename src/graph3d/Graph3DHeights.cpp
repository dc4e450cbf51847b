#include "graph3d/Graph3DHeights.h"

#include "data/Errors.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"

#include <algorithm>
#include <limits>

namespace Graph3DHeights {

Values read(TTextTable &view, const QString &column)
{
    if (!view.Active())
        view.Open();
    view.First();
    // An unknown column fails even when the table holds no record to read it from.
    view.FieldText(column);
    Values values;
    for (std::optional<double> &value : values) {
        if (view.Eof())
            break;
        const QString text = view.FieldText(column);
        if (!text.isEmpty()) {
            value = Numbers::parseDecimal(text);
            if (!value)
                throw EConvertError(
                    QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
        view.Next();
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
