#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

#include <vector>

// Whether and how the case of element symbols in a formula is corrected when its text is set.
enum class TChemTryCorrect { tchNone, tchCareful, tchAll };

// The rules of a chemical formula's text: the check that finds the first character no reading
// of the symbols accepts, the correction of the symbols' case, and the split into lines. Only
// Qt Core, so that tests and the fuzzer call them without a window.
namespace FormulaText {

// The middle dot that stands for "*" in a drawn formula.
inline constexpr char16_t MiddleDot = 0x00B7;

bool isSymbolInitial(QChar c); // A-I, K-P, R-Z (upper case only)
bool isOneLetterSymbol(QChar c);
bool isNeutral(QChar c);    // blanks, signs, brackets, digits and the middle dot
bool isDigitReset(QChar c); // the neutral characters but ) ] }

// The atomic number (1..109) of the two-letter symbol a b, read without regard to case; 0 when
// a is not a symbol-initial letter or a b is no symbol.
int symbolNumber(QChar a, QChar b);

// 0 when s is a valid formula, else the 1-based position of the first character that no
// reading of the symbols accepts (the furthest any reading reaches). Linear in s: each
// suffix is checked once.
qsizetype errorPosition(QStringView s, bool caseSensitive);

// The same for every suffix: result[i] is the check of s.mid(i), result[s.size()] is 0.
std::vector<qsizetype> suffixErrorPositions(QStringView s, bool caseSensitive);

// Where each line of a text stands. Lines end at CR or LF; CR LF and LF CR are one break,
// two equal break characters in a row enclose an empty line, and a final break is followed
// by an empty last line. An empty text is one empty line.
struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;
};
QVector<Line> lines(QStringView text);

// Checks one line and, as `mode` asks, corrects the case of its symbols in place (the length
// never changes). Returns its status: 2 valid as it stands (or after correction), 1 valid only
// when case is ignored, 0 not valid.
int checkLine(QChar *line, qsizetype length, TChemTryCorrect mode);

// Checks and corrects every line of `text` in place; returns the smallest line status.
int checkText(QString &text, TChemTryCorrect mode);

} // namespace FormulaText
