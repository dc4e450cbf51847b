#include "data/RecordPostCheck.h"

#include "data/Errors.h"
#include "data/TStrGrid.h"
#include "data/TableFields.h"

QStringList RecordPostCheck::postedTexts(const QStringList &edited, const TStrGrid &grid, int row,
                                         const TableFields &fields, int recNo) const
{
    const bool inserting = row < 0;
    QStringList posted = edited;
    int changed = -1;
    for (int c = 0; c < fields.count(); ++c) {
        QString &text = posted[c];
        if (inserting ? text.isEmpty() : text == grid.CellView(c, row))
            continue;
        changed = c;
        // The check sees the text whole, so that it can refuse what the cut would change the
        // meaning of; what it accepts is cut to the field's size.
        std::optional<QString> why = m_valueCheck ? m_valueCheck(c, text) : std::nullopt;
        text.truncate(fields.size(c));
        if (!why)
            why = grid.CellRefusal(text);
        if (why)
            refuse(fields, c, recNo, *why);
    }
    if (changed >= 0 && grid.LineLength(posted) > TStrGrid::MaxLineLength)
        refuse(fields, changed, recNo,
               QStringLiteral("l'enregistrement dépasserait %1 caractères et ne pourrait pas "
                              "être relu")
                   .arg(TStrGrid::MaxLineLength));
    return posted;
}

void RecordPostCheck::refuse(const TableFields &fields, int field, int recNo,
                             const QString &why) const
{
    const QString name = fields.names().value(field);
    const QString place = m_placeName
                              ? m_placeName(field)
                              : QStringLiteral("Enregistrement %1, champ %2").arg(recNo).arg(name);
    throw ETxtTblError(QStringLiteral("%1 : %2.").arg(place, why), name);
}
