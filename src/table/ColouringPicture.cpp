#include "table/ColouringPicture.h"

#include "table/CategoryColours.h"
#include "table/ColouringEntries.h"
#include "table/Legends.h"

namespace ColouringPicture {

namespace {

const QString TableTitle = QStringLiteral("Tableau périodique des éléments");

std::vector<TablePicture::Row> rows(const CategoryColours::Keys &keys)
{
    std::vector<TablePicture::Row> rows;
    for (const CategoryColours::Key &key : keys)
        rows.push_back({QColor(key.colour), key.caption});
    return rows;
}

// The mode's name in the title: the entry of the colouring list that applies it.
QString modeName(const Shown &shown)
{
    switch (shown.legend) {
    case Legend::None:
        return {};
    case Legend::Family:
        return ColouringEntries::text(ColouringEntries::Family);
    case Legend::Block:
        return ColouringEntries::text(ColouringEntries::Block);
    case Legend::AcidBase:
        return ColouringEntries::text(ColouringEntries::AcidBase);
    case Legend::PhysicalState:
        return ColouringEntries::text(ColouringEntries::PhysicalState);
    case Legend::Discovery:
        return ColouringEntries::text(ColouringEntries::Discovery);
    case Legend::Numeric:
        return shown.numericEntry.simplified();
    }
    return {};
}

TablePicture::Legend numericLegend(const Shown &shown)
{
    // The rows on screen: the greatest value, the smallest, no value.
    const CategoryColours::Keys &keys = Legends::numericKeys();
    TablePicture::Legend legend;
    legend.heading = shown.numericTitle;
    legend.scale = TablePicture::Scale{keys[1].caption, keys[0].caption};
    legend.rows = rows({keys[2]});
    return legend;
}

TablePicture::Legend legend(const Shown &shown)
{
    TablePicture::Legend legend;
    switch (shown.legend) {
    case Legend::None:
        break;
    case Legend::Family:
        legend.rows = rows(CategoryColours::families());
        break;
    case Legend::Block:
        legend.rows = rows(CategoryColours::blocks());
        break;
    case Legend::AcidBase:
        legend.rows = rows(CategoryColours::acidBases());
        break;
    case Legend::PhysicalState:
        legend.rows = rows(CategoryColours::states());
        legend.notes = QStringList{QStringLiteral("A la température: %1 K").arg(shown.kelvin),
                                   shown.celsius + QStringLiteral(" °C"),
                                   shown.fahrenheit + QStringLiteral(" °F")};
        break;
    case Legend::Discovery:
        legend.rows = rows(CategoryColours::discoveries());
        legend.notes = QStringList{QStringLiteral("A la date : %1").arg(shown.year)};
        break;
    case Legend::Numeric:
        return numericLegend(shown);
    }
    return legend;
}

} // namespace

TablePicture picture(const Shown &shown, const Looks &looks)
{
    TablePicture picture;
    picture.elements = looks;
    const QString mode = modeName(shown);
    picture.title = mode.isEmpty() ? TableTitle : TableTitle + QStringLiteral(" – ") + mode;
    if (shown.legend != Legend::None)
        picture.legend = legend(shown);
    return picture;
}

} // namespace ColouringPicture
