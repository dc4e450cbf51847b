#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TStrGrid;
class TableFields;

// The check of an edited record before a post stores it, so that the file is never asked to
// hold what it cannot: every changed field passes the window's value check, then the grid's
// (TStrGrid::CellRefusal), and the record's line stays within TStrGrid::MaxLineLength.
class RecordPostCheck
{
public:
    // Why the posted text of a field (by index) is refused, for the user; nothing when it is
    // accepted, in which case it may have put the text in the form it is stored in.
    using ValueCheck = std::function<std::optional<QString>(int field, QString &text)>;
    void setValueCheck(ValueCheck check) { m_valueCheck = std::move(check); }
    // How a refusal names the record and a field; by default "Enregistrement <n>, champ <name>".
    using PlaceName = std::function<QString(int field)>;
    void setPlaceName(PlaceName name) { m_placeName = std::move(name); }

    // The texts of `edited` as a post stores them, each accepted text cut to its field's size.
    // A field is changed when it differs from the grid's cell in `row`, or, for an insertion
    // (`row` -1), when it is not empty. A refusal raises ETxtTblError naming record `recNo`
    // and the field.
    QStringList postedTexts(const QStringList &edited, const TStrGrid &grid, int row,
                            const TableFields &fields, int recNo) const;

private:
    [[noreturn]] void refuse(const TableFields &fields, int field, int recNo,
                             const QString &why) const;

    ValueCheck m_valueCheck;
    PlaceName m_placeName;
};
