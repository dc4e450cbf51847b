#pragma once

#include <QString>

class TTextTable;

// The program's tables on the element table prop.yop: the 72 declared columns, and the checks
// that keep a posted value one the file can hold and the other windows can read.
namespace ElementTable {

constexpr int ElementCount = 103;

// A column whose values are numbers (decimal comma, optional sign and exponent, or empty).
bool isNumeric(const QString &field);

// Sets the table on prop.yop in the working directory, with the file's divider and quote and
// the 72 declared columns. A post is refused, with a message naming the element and the field,
// when the text is not a number in a numeric column (besides the grid's own refusals).
void configure(TTextTable &table);

// Opens a configured table for the program's start: a file that is missing, lacks a declared
// column or does not hold exactly ElementCount records raises an error naming the file and
// what is wrong. The file is not touched.
void openWhole(TTextTable &table);

} // namespace ElementTable
