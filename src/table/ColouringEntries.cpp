#include "table/ColouringEntries.h"

#include "data/ElementColumns.h"

#include <QStringList>

namespace ColouringEntries {

namespace {

// The category modes and the separator lines of 75 and 78 hyphens before the numeric
// entries. The three modes that colour by one column's text are offered under its wording.
QStringList categories()
{
    const auto wording = [](Column column) { return ElementColumns::column(column).listName; };
    return {QStringLiteral("Defaut"),     QString(75, u'-'),
            wording(Column::Groupe),      wording(Column::Bloc),
            wording(Column::Acidbase),    QStringLiteral("Etat Physique"),
            QStringLiteral("Decouverte"), QString(78, u'-')};
}

} // namespace

QString text(int index)
{
    static const QStringList texts = [] {
        QStringList all = categories();
        for (const ChartProperties::Property &property : ChartProperties::all())
            all.append(property.text());
        return all;
    }();
    return texts.value(index);
}

std::optional<ChartProperties::Property> numericProperty(int index)
{
    if (index < FirstNumeric || index >= Count)
        return std::nullopt;
    return ChartProperties::all()[static_cast<std::size_t>(index - FirstNumeric)];
}

} // namespace ColouringEntries
