#pragma once

#include <QString>
#include <QStringList>

class DataFolder;
class TTextTable;

// The program's tables on the element table prop.yop: the declared columns, and the checks
// that keep a posted value one the file can hold and the other windows can read.
namespace ElementTable {

// The elements of today's table, Rf (104) to Og (118) included.
constexpr int ElementCount = 118;
// The records of the table's first edition, which stopped at lawrencium: such a file (a user's
// edited copy from before) still opens, and the program then shows its elements only.
constexpr int FirstEditionCount = 103;
// About ten times the longest file that can hold the names and ElementCount records of lines within
// the line limit: more is no element table.
constexpr qint64 MaxFileSize = qint64(4) * 1024 * 1024;

// A column of numbers by the column table (decimal comma, optional sign and exponent, or
// empty); an unknown name is none.
bool isNumeric(const QString &field);

// "Fer, champ « Point de fusion » (_TF)": a record's element as the user knows it (its name,
// else its number) and a field by the wording of the lists where it has one; `names` are the
// table's fields, `record` the record's cells.
QString placeName(const QStringList &names, const QStringList &record, int field);

// Sets the table on the element table of `folder`, with the file's divider and quote and the
// declared columns (ElementColumns), those added after the first edition given to a file
// that lacks them, empty; the file is then written with them at its next write. A post is
// refused, with a message naming the element and the field,
// when the text is not a number in a numeric column, or is a number longer than its column,
// which a cut would change (besides the grid's own refusals); blanks around a number are
// dropped.
void configure(TTextTable &table, const DataFolder &folder);

// Opens a configured table for the program's start: a file that is missing or refused
// (DataFile::readAll), is empty, is not Windows-1252 text with CR LF line ends
// (DataFile::textRefusal, which tells a picture in the file's place),
// lacks a column of the first edition or holds neither ElementCount nor FirstEditionCount records
// raises an error naming the file and what is wrong. The file is not touched.
void openWhole(TTextTable &table);

} // namespace ElementTable
