#pragma once

#include "data/DataFolder.h"
#include "data/ElementRecords.h"

#include <QString>
#include <QVector>

#include <optional>

class TTextTable;

// The element table as shipped with the program, which the user's copy was made from: the
// values a changed cell can go back to. The shipped file is read when first needed, and only
// read; a folder without shipped tables has no original values.
class OriginalValues
{
public:
    // A cell whose shipped text differs from the user's: record z, the field by name.
    struct Change
    {
        int z = 0;
        QString field;
        QString text; // the shipped text
    };

    explicit OriginalValues(const DataFolder &folder) : m_folder(folder) {}

    bool available() const { return m_folder.hasOrigin(); }
    // The shipped table's path; empty when there is none.
    QString fileName() const;

    // The shipped text of element z's field (named without regard to case); nothing when the
    // shipped table has no such record or field. Raises, naming the shipped file, when there
    // is no shipped table or it cannot be read.
    std::optional<QString> text(int z, const QString &field) const;

    // The cells of `current` whose text is not the shipped one, in record order.
    QVector<Change> differences(const ElementRecords &current) const;

    // Puts the shipped texts of `changes` into `table`'s records, posts them and writes them
    // (TTextTable::SavePosted); the table is left on the record it was on. A shipped text
    // longer than its field raises ETxtTblError rather than be cut.
    static void restore(TTextTable &table, const QVector<Change> &changes);

private:
    const ElementRecords &records() const;

    DataFolder m_folder;
    mutable std::optional<ElementRecords> m_records;
};
