#include "table/ColouringPicture.h"

#include "table/ColouringModes.h"

namespace ColouringPicture {

namespace {

const QString TableTitle = QStringLiteral("Tableau périodique des éléments");

TablePicture::Legend legendOf(const ColouringModes::Legend &shown, const Shown &fields)
{
    TablePicture::Legend legend;
    legend.heading = fields.heading;
    auto row = shown.rows.begin();
    if (shown.greyScale && shown.rows.size() >= 2) {
        // The rows on screen: the greatest value, the smallest, then the others.
        legend.scale = TablePicture::Scale{row[1].caption, row[0].caption};
        row += 2;
    }
    for (; row != shown.rows.end(); ++row)
        legend.rows.push_back({QColor(row->colour), row->caption});
    if (shown.parameter)
        legend.notes.append(QString::fromUtf8(shown.parameter->note).arg(fields.parameter));
    for (std::size_t i = 0; i < shown.readouts.size(); ++i)
        legend.notes.append(
            QString::fromUtf8(shown.readouts[i].note).arg(fields.readouts.value(qsizetype(i))));
    return legend;
}

} // namespace

TablePicture picture(const ColouringModes::Table &modes, const Shown &shown, const Looks &looks)
{
    TablePicture picture;
    picture.elements = looks;
    picture.title = TableTitle;
    if (!shown.legend)
        return picture;
    // The mode's name in the title: the entry of the colouring list that applies it.
    const ColouringModes::Mode *owner = modes.ownerOf(shown.legend);
    const QString mode = shown.legend->titledByEntry ? shown.entry.simplified()
                         : owner                     ? owner->text
                                                     : QString();
    if (!mode.isEmpty())
        picture.title += QStringLiteral(" – ") + mode;
    picture.legend = legendOf(*shown.legend, shown);
    return picture;
}

} // namespace ColouringPicture
