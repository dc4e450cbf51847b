#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The 72 columns of the element table, in file order: field name, the size the windows declare
// for it, and the wording under which the property choosers and the colouring list offer it
// (empty for the columns offered nowhere).
struct ElementColumn
{
    QString field;
    int size = 0;
    QString listName;
};

class TTextTable;

namespace ElementColumns {

const QVector<ElementColumn> &all();
QStringList fieldNames();
// Lookups by field name, exact as in the file; nothing for an unknown name.
std::optional<ElementColumn> byField(const QString &field);
// The column's position in the file, from 0; -1 when unknown.
int indexOf(const QString &field);

// Points a closed table at prop.yop, with the file's divider and quote, declaring all 72
// columns with their sizes: the table of a window that shows the whole element table.
void prepareTable(TTextTable &table);

} // namespace ElementColumns
