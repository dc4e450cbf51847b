#include "controls/AccessibleNames.h"

namespace AccessibleNames {

QString fromCaption(const QString &caption)
{
    QString name = caption.simplified();
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString withUnit(const QString &caption, const QString &unit)
{
    const QString name = fromCaption(caption);
    const QString cleanUnit = unit.simplified();
    if (cleanUnit.isEmpty())
        return name;
    return name + QLatin1Char(' ') + cleanUnit;
}

QString ofColumn(Column column)
{
    return fromCaption(ElementColumns::column(column).listName);
}

} // namespace AccessibleNames
