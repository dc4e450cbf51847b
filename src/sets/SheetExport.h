#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

class QAbstractItemModel;

// The sets grid as a file a French spreadsheet opens with every value in its own cell: a
// title row, then one row per element in the grid's order. A cell whose text is a decimal
// number (decimal comma) is written as a number.
namespace SheetExport {

using Rows = QVector<QStringList>;

// The model's titles (the two title rows joined by a blank) and display texts.
Rows rowsOf(const QAbstractItemModel &model);

// CSV: UTF-8 with a byte order mark, ';' between cells, CRLF after each row; a text holding
// ';', a double quote or a line break is put in double quotes, its quotes doubled.
QByteArray csv(const Rows &rows);

// OpenDocument spreadsheet (.ods), one sheet named `sheetName`.
QByteArray ods(const Rows &rows, const QString &sheetName);

} // namespace SheetExport
