#include "molar/FormulaReader.h"

#include "molar/FormulaText.h"

#include <algorithm>
#include <array>
#include <vector>

namespace FormulaReader {

namespace {

// Any count past the limit: products are capped here, so that no product of counts and
// multipliers, however many, leaves the int range.
constexpr int Over = MaxAtoms + 1;

// An element by its letters: (first - 'A') * 27, plus (second - 'a' + 1) for two letters.
constexpr int KeyCount = 26 * 27;

// The first fault met, with its 0-based place in the text; caught by read().
struct Fault
{
    QString what;
    qsizetype index = 0;
};

struct Token
{
    enum Kind { Part, Atom, Open, Close };
    Kind kind = Part;
    int key = 0;   // Atom: the element
    int count = 1; // Part: its coefficient; Atom: its count; Open: the multiplier after it
    qsizetype index = 0;
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
}

bool isDot(QChar c)
{
    return c == u'.' || c == u'*' || c == QChar(FormulaText::MiddleDot);
}

// 0 to 9 for a digit, subscript digits (pasted "H₂O") included; -1 otherwise.
int digitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'\u2080' && c <= u'\u2089')
        return c.unicode() - u'\u2080';
    return -1;
}

bool isLowerAscii(QChar c)
{
    return c >= u'a' && c <= u'z';
}

// The elements after meitnerium (110 to 118), which the formula check's symbols stop before:
// read as elements all the same, so that one the element table lacks is named as such.
bool isLaterSymbol(QStringView pair)
{
    static constexpr QStringView Later[] = {u"Ds", u"Rg", u"Cn", u"Nh", u"Fl",
                                            u"Mc", u"Lv", u"Ts", u"Og"};
    return std::find(std::begin(Later), std::end(Later), pair) != std::end(Later);
}

bool isAsciiLetter(QChar c)
{
    return isLowerAscii(c) || (c >= u'A' && c <= u'Z');
}

// Superscripts and signs: what a charge or an isotope's mass number is written with.
bool isChargeOrIsotope(QChar c)
{
    static constexpr QStringView Marks =
        u"+-^\u2212\u207A\u207B\u00B9\u00B2\u00B3\u2070\u2074\u2075\u2076\u2077\u2078\u2079";
    return Marks.contains(c);
}

QChar closingOf(QChar opening)
{
    return opening == u'(' ? u')' : opening == u'[' ? u']' : u'}';
}

QString quoted(QStringView text)
{
    constexpr qsizetype Longest = 12;
    const QString shown =
        text.size() > Longest ? text.left(Longest).toString() + u'…' : text.toString();
    return QStringLiteral("« %1 »").arg(shown);
}

QString symbolOf(int key)
{
    QString symbol(QChar(u'A' + key / 27));
    if (key % 27 != 0)
        symbol += QChar(u'a' + key % 27 - 1);
    return symbol;
}

// Reads the corrected text into tokens, part by part, and checks its structure; the atoms
// are counted afterwards, once every bracket's multiplier is known.
class Scanner
{
public:
    Scanner(QStringView typed, QStringView text) : m_typed(typed), m_text(text) {}

    void scan();
    std::vector<Token> tokens;
    QString formula;

private:
    enum class Expect { PartStart, AfterCoefficient, AfterOpen, AfterGroup, AfterCount };
    struct Opening
    {
        QChar bracket;
        size_t token;
        qsizetype index;
    };

    void startPart();
    void number();
    void element();
    void open();
    void close();
    void dot();
    void comma();
    void finish();
    [[noreturn]] void unknownSymbol() const;
    [[noreturn]] void refuse() const;
    [[noreturn]] void unclosed() const;
    [[noreturn]] void coefficientAlone() const;
    bool isState(qsizetype index) const;

    QStringView m_typed; // as typed: the physical states are told by their lower case
    QStringView m_text;  // the symbols' case corrected
    qsizetype m_i = 0;
    Expect m_expect = Expect::PartStart;
    std::vector<Opening> m_open;
    size_t m_part = 0;      // the token of the current part
    size_t m_lastGroup = 0; // the token whose count the next number gives
    qsizetype m_dot = -1;   // the last dot read
    qsizetype m_coefficient = 0;
    qsizetype m_coefficientLength = 0;
};

void Scanner::scan()
{
    startPart();
    while (m_i < m_text.size()) {
        const QChar c = m_text[m_i];
        if (isBlank(c))
            ++m_i;
        else if (digitValue(c) >= 0)
            number();
        else if (isAsciiLetter(c))
            element();
        else if (c == u'(' || c == u'[' || c == u'{')
            open();
        else if (c == u')' || c == u']' || c == u'}')
            close();
        else if (isDot(c))
            dot();
        else if (c == u',')
            comma();
        else
            refuse();
    }
    finish();
}

void Scanner::startPart()
{
    tokens.push_back({Token::Part, 0, 1, m_i});
    m_part = tokens.size() - 1;
    m_expect = Expect::PartStart;
}

void Scanner::number()
{
    const qsizetype start = m_i;
    int value = 0;
    for (; m_i < m_text.size() && digitValue(m_text[m_i]) >= 0; ++m_i) {
        value = std::min(Over, value * 10 + digitValue(m_text[m_i]));
        formula += QChar(u'0' + digitValue(m_text[m_i]));
    }
    const QStringView digits = m_text.mid(start, m_i - start);
    if (m_expect == Expect::PartStart) {
        if (value == 0)
            throw Fault{QStringLiteral("Coefficient nul ") + quoted(digits), start};
        tokens[m_part].count = value;
        m_coefficient = start;
        m_coefficientLength = digits.size();
        m_expect = Expect::AfterCoefficient;
    } else if (m_expect == Expect::AfterGroup) {
        if (value == 0)
            throw Fault{QStringLiteral("Nombre d'atomes nul ") + quoted(digits), start};
        tokens[m_lastGroup].count = value;
        m_expect = Expect::AfterCount;
    } else {
        throw Fault{QStringLiteral("Nombre mal placé ") + quoted(digits), start};
    }
}

void Scanner::element()
{
    const QChar c = m_text[m_i];
    const QChar next = m_i + 1 < m_text.size() ? m_text[m_i + 1] : QChar();
    // Taken as typed, since the case correction knows them not: "Cn" would become C and N.
    QStringView symbol = m_typed.mid(m_i, 2);
    if (!isLaterSymbol(symbol)) {
        const bool pair = isLowerAscii(next) && FormulaText::symbolNumber(c, next) != 0;
        const bool single = FormulaText::isOneLetterSymbol(c);
        symbol =
            isLowerAscii(c) || (!pair && !single) ? QStringView() : m_text.mid(m_i, pair ? 2 : 1);
    }
    if (symbol.isEmpty())
        unknownSymbol();
    int key = (symbol[0].unicode() - u'A') * 27;
    if (symbol.size() == 2)
        key += symbol[1].unicode() - u'a' + 1;
    tokens.push_back({Token::Atom, key, 1, m_i});
    m_lastGroup = tokens.size() - 1;
    m_expect = Expect::AfterGroup;
    formula += symbol;
    m_i += symbol.size();
}

// Placed where the formula check places it: the furthest any reading of the letters
// reaches.
void Scanner::unknownSymbol() const
{
    qsizetype start = m_i;
    while (start > 0 && isAsciiLetter(m_text[start - 1]))
        --start;
    qsizetype end = m_i;
    while (end < m_text.size() && isAsciiLetter(m_text[end]))
        ++end;
    const qsizetype checked = FormulaText::errorPosition(m_text.mid(start, end - start), false);
    const qsizetype at = std::max(m_i, start + checked - 1);
    const bool pair = at + 1 < end && isLowerAscii(m_text[at + 1]);
    const QStringView symbol = m_text.mid(at, pair ? 2 : 1);
    if (symbol == u"D" || symbol == u"T")
        throw Fault{QStringLiteral("Les isotopes ne sont pas admis : ") + quoted(symbol), at};
    throw Fault{QStringLiteral("Symbole inconnu ") + quoted(symbol), at};
}

// "(aq)", "(s)", "(l)", "(g)" as typed, in lower case, blanks allowed inside.
bool Scanner::isState(qsizetype index) const
{
    qsizetype i = index + 1;
    const auto skipBlanks = [&] {
        while (i < m_typed.size() && isBlank(m_typed[i]))
            ++i;
    };
    skipBlanks();
    const qsizetype start = i;
    while (i < m_typed.size() && isLowerAscii(m_typed[i]))
        ++i;
    const QStringView letters = m_typed.mid(start, i - start);
    skipBlanks();
    const bool closed = i < m_typed.size() && m_typed[i] == u')';
    return closed && (letters == u"aq" || letters == u"s" || letters == u"l" || letters == u"g");
}

void Scanner::open()
{
    const QChar bracket = m_text[m_i];
    if (bracket == u'(' && isState(m_i)) {
        const qsizetype end = m_typed.indexOf(u')', m_i);
        throw Fault{QStringLiteral("Les états physiques ne sont pas admis : ") +
                        quoted(m_typed.mid(m_i, end - m_i + 1)),
                    m_i};
    }
    tokens.push_back({Token::Open, 0, 1, m_i});
    m_open.push_back({bracket, tokens.size() - 1, m_i});
    m_expect = Expect::AfterOpen;
    formula += bracket;
    ++m_i;
}

void Scanner::close()
{
    const QChar bracket = m_text[m_i];
    if (m_open.empty())
        throw Fault{quoted(m_text.mid(m_i, 1)) + QStringLiteral(" ferme ce qui n'a pas été ouvert"),
                    m_i};
    const Opening &opening = m_open.back();
    if (bracket != closingOf(opening.bracket))
        throw Fault{quoted(m_text.mid(m_i, 1)) +
                        QStringLiteral(" ne ferme pas « %1 » du caractère %2")
                            .arg(opening.bracket)
                            .arg(opening.index + 1),
                    m_i};
    if (m_expect == Expect::AfterOpen)
        throw Fault{QStringLiteral("Rien entre ") + quoted(m_text.mid(opening.index, 1)) +
                        QStringLiteral(" et ") + quoted(m_text.mid(m_i, 1)),
                    opening.index};
    m_lastGroup = opening.token;
    m_open.pop_back();
    tokens.push_back({Token::Close, 0, 1, m_i});
    m_expect = Expect::AfterGroup;
    formula += bracket;
    ++m_i;
}

void Scanner::unclosed() const
{
    const Opening &opening = m_open.front();
    throw Fault{QStringLiteral("Il manque la fermeture de ") + quoted(m_text.mid(opening.index, 1)),
                opening.index};
}

void Scanner::coefficientAlone() const
{
    throw Fault{QStringLiteral("Le coefficient ") +
                    quoted(m_text.mid(m_coefficient, m_coefficientLength)) +
                    QStringLiteral(" ne multiplie rien"),
                m_coefficient};
}

void Scanner::dot()
{
    if (!m_open.empty())
        unclosed();
    if (m_expect == Expect::PartStart)
        throw Fault{QStringLiteral("Rien avant ") + quoted(m_text.mid(m_i, 1)), m_i};
    if (m_expect == Expect::AfterCoefficient)
        coefficientAlone();
    formula += QChar(FormulaText::MiddleDot);
    m_dot = m_i;
    ++m_i;
    startPart();
}

// French books write a hydrate's dot as a comma: "CuSO4,5H2O", "CuSO4, 5H2O". It is read as
// the dot where a coefficient or a formula follows it; a comma that nothing of the kind follows
// is no decimal comma either, since counts are whole.
void Scanner::comma()
{
    qsizetype next = m_i + 1;
    while (next < m_text.size() && isBlank(m_text[next]))
        ++next;
    if (next == m_text.size())
        throw Fault{QStringLiteral("Rien après « , »"), m_i};
    const QChar c = m_text[next];
    if (digitValue(c) < 0 && !isAsciiLetter(c) && c != u'(' && c != u'[' && c != u'{')
        throw Fault{QStringLiteral("Ni coefficient ni formule après « , »"), m_i};
    dot();
}

void Scanner::finish()
{
    if (!m_open.empty())
        unclosed();
    if (m_expect == Expect::AfterCoefficient)
        coefficientAlone();
    if (m_expect == Expect::PartStart)
        throw Fault{QStringLiteral("Rien après ") + quoted(m_text.mid(m_dot, 1)), m_dot};
}

void Scanner::refuse() const
{
    const QChar c = m_text[m_i];
    if (isChargeOrIsotope(c))
        throw Fault{QStringLiteral("Les charges et les isotopes ne sont pas admis : ") +
                        quoted(m_text.mid(m_i, 1)),
                    m_i};
    const bool pair =
        c.isHighSurrogate() && m_i + 1 < m_text.size() && m_text[m_i + 1].isLowSurrogate();
    const QString shown =
        c.isPrint() || pair
            ? quoted(m_text.mid(m_i, pair ? 2 : 1))
            : QStringLiteral("(U+%1)").arg(
                  QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    throw Fault{QStringLiteral("Caractère non admis ") + shown, m_i};
}

// The atoms of each element: an atom's count times the multipliers of the brackets around it
// and its part's coefficient, summed over the formula.
QVector<ElementAtoms> countAtoms(const std::vector<Token> &tokens)
{
    std::array<int, KeyCount> totals{};
    std::array<qsizetype, KeyCount> first{};
    std::vector<int> order;
    std::vector<int> factors;
    for (const Token &token : tokens) {
        if (token.kind == Token::Part) {
            factors.assign(1, token.count);
        } else if (token.kind == Token::Open) {
            factors.push_back(std::min(Over, factors.back() * token.count));
        } else if (token.kind == Token::Close) {
            factors.pop_back();
        } else {
            const int total = totals[token.key] + std::min(Over, factors.back() * token.count);
            if (total > MaxAtoms)
                throw Fault{QStringLiteral("Plus de 10 000 atomes de ") + symbolOf(token.key),
                            token.index};
            if (totals[token.key] == 0) {
                order.push_back(token.key);
                first[token.key] = token.index;
            }
            totals[token.key] = total;
        }
    }
    QVector<ElementAtoms> elements;
    for (int key : order)
        elements.append({symbolOf(key), totals[key], first[key] + 1});
    return elements;
}

} // namespace

Reading read(QStringView typed)
{
    Reading reading;
    try {
        if (std::all_of(typed.begin(), typed.end(), isBlank))
            throw Fault{QStringLiteral("La formule est vide"), 0};
        // The case is corrected letter run by letter run, even where the text holds a
        // character the formula check does not know, so that the fault named is that one.
        QString text = typed.toString();
        FormulaText::checkText(text, TChemTryCorrect::tchAll);
        Scanner scanner(typed, text);
        scanner.scan();
        reading.elements = countAtoms(scanner.tokens);
        reading.formula = scanner.formula;
    } catch (const Fault &fault) {
        reading.elements.clear();
        reading.error = fault.what;
        reading.position = fault.index + 1;
    }
    return reading;
}

} // namespace FormulaReader
