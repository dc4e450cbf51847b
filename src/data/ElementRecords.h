#pragma once

#include "data/ElementColumns.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

class TTextTable;

// The records of an element table as one value that never changes: record z (counting from
// 1) is the element of atomic number z, its fields found by column constant or by the table's
// own field name. It holds the texts as the table read them, cut to their fields' sizes;
// copies share them, so a set is cheap to hand round. A change of the table makes a new set.
class ElementRecords
{
public:
    // No record and no field.
    ElementRecords();

    // What an open table holds now, in its record order, with the edits it has posted and
    // without an edit in progress; a closed table gives no record. The table's name is kept
    // for the messages of requireField.
    static ElementRecords fromTable(const TTextTable &table);

    int count() const;
    const QStringList &fieldNames() const;

    // A field by name, without regard to case; -1 when the table had none of that name.
    int fieldIndex(const QString &name) const;
    // The same, or EDatabaseError "<table>: Field '<name>' not found", as the table says it.
    int requireField(const QString &name) const;
    // The field of a column constant; -1 when the table had no such column.
    int fieldIndex(Column column) const;

    // The text of element z in a field; empty for a record or a field that is not there.
    QStringView view(int z, int field) const;
    QString text(int z, int field) const { return view(z, field).toString(); }
    QStringView view(int z, Column column) const { return view(z, fieldIndex(column)); }
    QString text(int z, Column column) const { return view(z, column).toString(); }

private:
    struct Data;
    static ElementRecords wrapped(std::shared_ptr<const Data> data);
    static bool shareRows(const TTextTable &table, int fields, Data &data);
    std::shared_ptr<const Data> d;
};
