#include "table/ColouringRules.h"

#include "data/Errors.h"
#include "data/Numbers.h"

#include <cmath>

namespace ColouringRules {

double toNumber(QStringView text)
{
    const std::optional<double> value = Numbers::parseDecimal(text);
    if (!value)
        throw EConvertError(Numbers::notDecimal(text));
    return *value;
}

int toInteger(QStringView text)
{
    const std::optional<int> value = Numbers::parseInteger(text);
    if (!value)
        throw EConvertError(Numbers::notInteger(text));
    return *value;
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
