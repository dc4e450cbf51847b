#include "molar/FormulaText.h"

#include <array>

namespace {

// The element symbols up to meitnerium, upper case, in atomic-number order.
constexpr const char *Symbols[] = {
    "H",  "HE", "LI", "BE", "B",  "C",  "N",  "O",  "F",  "NE", "NA", "MG", "AL", "SI", "P",  "S",
    "CL", "AR", "K",  "CA", "SC", "TI", "V",  "CR", "MN", "FE", "CO", "NI", "CU", "ZN", "GA", "GE",
    "AS", "SE", "BR", "KR", "RB", "SR", "Y",  "ZR", "NB", "MO", "TC", "RU", "RH", "PD", "AG", "CD",
    "IN", "SN", "SB", "TE", "I",  "XE", "CS", "BA", "LA", "CE", "PR", "ND", "PM", "SM", "EU", "GD",
    "TB", "DY", "HO", "ER", "TM", "YB", "LU", "HF", "TA", "W",  "RE", "OS", "IR", "PT", "AU", "HG",
    "TL", "PB", "BI", "PO", "AT", "RN", "FR", "RA", "AC", "TH", "PA", "U",  "NP", "PU", "AM", "CM",
    "BK", "CF", "ES", "FM", "MD", "NO", "LR", "RF", "DB", "SG", "BH", "HS", "MT"};
static_assert(sizeof Symbols / sizeof *Symbols == 109);

// Atomic numbers of the two-letter symbols by their two letters A..Z.
std::array<std::array<unsigned char, 26>, 26> twoLetterTable()
{
    std::array<std::array<unsigned char, 26>, 26> table{};
    for (int z = 1; z <= 109; ++z) {
        const char *symbol = Symbols[z - 1];
        if (symbol[1])
            table[symbol[0] - 'A'][symbol[1] - 'A'] = static_cast<unsigned char>(z);
    }
    return table;
}

// Upper case for ASCII letters only, so that no character changes the text's length.
QChar upperAscii(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 'a' + 'A') : c;
}

QChar lowerAscii(QChar c)
{
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() - 'A' + 'a') : c;
}

bool isUpperAscii(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// U, V and W begin no two-letter symbol.
bool isUvw(QChar c)
{
    return c == u'U' || c == u'V' || c == u'W';
}

} // namespace

namespace FormulaText {

bool isSymbolInitial(QChar c)
{
    return isUpperAscii(c) && c != u'J' && c != u'Q';
}

bool isOneLetterSymbol(QChar c)
{
    switch (c.unicode()) {
    case 'B':
    case 'C':
    case 'F':
    case 'H':
    case 'I':
    case 'K':
    case 'N':
    case 'O':
    case 'P':
    case 'S':
    case 'U':
    case 'V':
    case 'W':
    case 'Y':
        return true;
    default:
        return false;
    }
}

bool isNeutral(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'0' && u <= u'9') || u == MiddleDot)
        return true;
    return QStringView(u"\t %&()*+,-.[\\]{|}").contains(c);
}

bool isDigitReset(QChar c)
{
    return isNeutral(c) && c != u')' && c != u']' && c != u'}';
}

int symbolNumber(QChar a, QChar b)
{
    static const auto table = twoLetterTable();
    a = upperAscii(a);
    b = upperAscii(b);
    if (!isSymbolInitial(a) || !isUpperAscii(b))
        return 0;
    return table[a.unicode() - 'A'][b.unicode() - 'A'];
}

std::vector<qsizetype> suffixErrorPositions(QStringView s, bool caseSensitive)
{
    // f[i] is the check of the suffix from i. Each reading only looks one or two characters
    // ahead, so the suffixes are checked from the end, each once: the recursion of the
    // readings without its exponential repeats.
    const qsizetype n = s.size();
    std::vector<qsizetype> f(static_cast<size_t>(n) + 1, 0);
    const auto at = [&](qsizetype i) { return caseSensitive ? s[i] : upperAscii(s[i]); };
    const auto rest = [&](qsizetype from, qsizetype skipped) {
        const qsizetype r = f[static_cast<size_t>(from)];
        return r > 0 ? r + skipped : 0;
    };
    for (qsizetype i = n - 1; i >= 0; --i) {
        const QChar c = at(i);
        qsizetype result = 1;
        if (isUvw(c)) {
            result = rest(i + 1, 1);
        } else if (isSymbolInitial(c)) {
            qsizetype one = 0;
            if (isOneLetterSymbol(c))
                one = rest(i + 1, 1);
            const bool oneValid = isOneLetterSymbol(c) && one == 0;
            qsizetype two = 1;
            bool twoValid = false;
            if (!oneValid && i + 1 < n && symbolNumber(c, at(i + 1)) != 0) {
                if (caseSensitive && isUpperAscii(s[i + 1])) {
                    two = 2;
                } else {
                    two = rest(i + 2, 2);
                    twoValid = two == 0;
                }
            }
            result = oneValid || twoValid ? 0 : std::max(one, two);
        } else if (isNeutral(c)) {
            result = rest(i + 1, 1);
        }
        f[static_cast<size_t>(i)] = result;
    }
    return f;
}

qsizetype errorPosition(QStringView s, bool caseSensitive)
{
    return s.isEmpty() ? 0 : suffixErrorPositions(s, caseSensitive).front();
}

QVector<Line> lines(QStringView text)
{
    QVector<Line> result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        result.append({start, i - start});
        const QChar pair = c == u'\r' ? u'\n' : u'\r';
        if (i + 1 < text.size() && text[i + 1] == pair)
            ++i;
        start = i + 1;
    }
    result.append({start, text.size() - start});
    return result;
}

namespace {

bool isRunLetter(QChar c)
{
    return isSymbolInitial(upperAscii(c));
}

// Writes one run of symbol letters with the case of the reading the check accepts; a capital
// typed by the user decides between two readings that both hold.
void correctRun(QChar *run, qsizetype n)
{
    const QStringView view(run, n);
    const std::vector<qsizetype> f = suffixErrorPositions(view, false);
    if (f.front() != 0)
        return;
    const auto valid = [&](qsizetype from) { return f[static_cast<size_t>(from)] == 0; };
    qsizetype j = 0;
    while (j < n) {
        const QChar c = upperAscii(run[j]);
        run[j] = c;
        if (isUvw(c)) {
            ++j;
            continue;
        }
        const bool one = isOneLetterSymbol(c) && valid(j + 1);
        bool two = j + 1 < n && symbolNumber(c, run[j + 1]) != 0 && valid(j + 2);
        if (one && two && isSymbolInitial(run[j + 1]))
            two = false;
        if (two) {
            run[j + 1] = lowerAscii(run[j + 1]);
            j += 2;
        } else {
            ++j;
        }
    }
}

void correctLine(QChar *line, qsizetype length)
{
    qsizetype i = 0;
    while (i < length) {
        if (!isRunLetter(line[i])) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < length && isRunLetter(line[end]))
            ++end;
        correctRun(line + i, end - i);
        i = end;
    }
}

} // namespace

int checkLine(QChar *line, qsizetype length, TChemTryCorrect mode)
{
    const QStringView view(line, length);
    if (errorPosition(view, true) == 0)
        return 2;
    if (errorPosition(view, false) != 0) {
        if (mode == TChemTryCorrect::tchAll)
            correctLine(line, length);
        return 0;
    }
    if (mode == TChemTryCorrect::tchNone)
        return 1;
    correctLine(line, length);
    return 2;
}

int checkText(QString &text, TChemTryCorrect mode)
{
    const QVector<Line> spans = lines(text);
    QChar *data = text.data();
    int status = 2;
    for (const Line &line : spans)
        status = std::min(status, checkLine(data + line.start, line.length, mode));
    return status;
}

} // namespace FormulaText
