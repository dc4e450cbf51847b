#include "data/FilterExpression.h"

#include "data/Errors.h"
#include "data/Numbers.h"

#include <QLocale>
#include <vector>

namespace {

enum class Tok { End, Field, String, Number, Word, Op, LParen, RParen };

struct Token
{
    Tok kind = Tok::End;
    QString text;  // field name, string value, number text, keyword or operator
    QString shown; // how the token is named in a message
};

[[noreturn]] void fail(const QString &message)
{
    throw EDatabaseError(message);
}

// Cuts the filter text into tokens; raises the lexical errors.
class Lexer
{
public:
    explicit Lexer(const QString &text) : m_text(text) {}

    Token next()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
        if (m_pos >= m_text.size())
            return {Tok::End, {}, QStringLiteral("nothing")};
        const QChar c = m_text[m_pos];
        if (c == u'\'')
            return quotedString();
        if (c == u'[')
            return bracketedField();
        if (c == u'(' || c == u')') {
            ++m_pos;
            return {c == u'(' ? Tok::LParen : Tok::RParen, QString(c), QString(c)};
        }
        if (c.isDigit() || ((c == u'-' || c == u'.') && nextIsDigit(1)))
            return number();
        if (c.isLetter() || c == u'_')
            return word();
        if (c == u'=' || c == u'<' || c == u'>')
            return op();
        fail(QStringLiteral("Invalid filter expression character: '%1'").arg(c));
    }

private:
    bool nextIsDigit(int ahead) const
    {
        const qsizetype p = m_pos + ahead;
        return p < m_text.size() &&
               (m_text[p].isDigit() ||
                (m_text[p] == u'.' && p + 1 < m_text.size() && m_text[p + 1].isDigit()));
    }

    Token quotedString()
    {
        QString value;
        for (qsizetype p = m_pos + 1; p < m_text.size(); ++p) {
            if (m_text[p] != u'\'') {
                value += m_text[p];
                continue;
            }
            if (p + 1 < m_text.size() && m_text[p + 1] == u'\'') {
                value += u'\'';
                ++p;
                continue;
            }
            const QString shown = m_text.mid(m_pos, p + 1 - m_pos);
            m_pos = p + 1;
            return {Tok::String, value, shown};
        }
        fail(QStringLiteral("Unterminated string constant"));
    }

    Token bracketedField()
    {
        const qsizetype close = m_text.indexOf(u']', m_pos + 1);
        if (close < 0)
            fail(QStringLiteral("Unterminated field name"));
        const QString name = m_text.mid(m_pos + 1, close - m_pos - 1);
        const QString shown = m_text.mid(m_pos, close + 1 - m_pos);
        m_pos = close + 1;
        return {Tok::Field, name, shown};
    }

    Token number()
    {
        const qsizetype start = m_pos;
        if (m_text[m_pos] == u'-')
            ++m_pos;
        const auto digits = [&] {
            while (m_pos < m_text.size() && m_text[m_pos].isDigit())
                ++m_pos;
        };
        digits();
        if (m_pos < m_text.size() && m_text[m_pos] == u'.') {
            ++m_pos;
            digits();
        }
        if (m_pos + 1 < m_text.size() && (m_text[m_pos] == u'e' || m_text[m_pos] == u'E')) {
            qsizetype p = m_pos + 1;
            if (m_text[p] == u'+' || m_text[p] == u'-')
                ++p;
            if (p < m_text.size() && m_text[p].isDigit()) {
                m_pos = p;
                digits();
            }
        }
        const QString text = m_text.mid(start, m_pos - start);
        return {Tok::Number, text, text};
    }

    Token word()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'_'))
            ++m_pos;
        const QString text = m_text.mid(start, m_pos - start);
        return {Tok::Word, text, text};
    }

    Token op()
    {
        const QChar c = m_text[m_pos++];
        QString text(c);
        if (m_pos < m_text.size()) {
            const QChar d = m_text[m_pos];
            if ((c == u'<' && (d == u'>' || d == u'=')) || (c == u'>' && d == u'=')) {
                text += d;
                ++m_pos;
            }
        }
        return {Tok::Op, text, text};
    }

    QString m_text;
    qsizetype m_pos = 0;
};

bool isKeyword(const Token &t, const char *word)
{
    return t.kind == Tok::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

struct Value
{
    enum Kind { Null, Text, Number, Boolean } kind = Null;
    QString text;
    double number = 0;
    bool boolean = false;
};

bool truth(const Value &v)
{
    switch (v.kind) {
    case Value::Boolean:
        return v.boolean;
    case Value::Number:
        return v.number != 0;
    case Value::Text:
        return v.text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    case Value::Null:
        break;
    }
    return false;
}

std::optional<double> asNumber(const Value &v)
{
    if (v.kind == Value::Number)
        return v.number;
    if (v.kind == Value::Text)
        return Numbers::parseDecimal(v.text);
    if (v.kind == Value::Boolean)
        return v.boolean ? 1.0 : 0.0;
    return std::nullopt;
}

// The sign of a - b, or nothing when the two cannot be ordered.
std::optional<int> order(const Value &a, const Value &b)
{
    if (a.kind == Value::Null || b.kind == Value::Null)
        return std::nullopt;
    if (a.kind == Value::Text && b.kind == Value::Text) {
        const int c = a.text.compare(b.text);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    const auto x = asNumber(a);
    const auto y = asNumber(b);
    if (!x || !y)
        return std::nullopt;
    return *x < *y ? -1 : (*x > *y ? 1 : 0);
}

bool compare(const QString &op, const Value &a, const Value &b)
{
    const bool nullA = a.kind == Value::Null;
    const bool nullB = b.kind == Value::Null;
    if (nullA || nullB) {
        if (op == u"=")
            return nullA && nullB;
        if (op == u"<>")
            return nullA != nullB;
        return false;
    }
    const auto s = order(a, b);
    if (!s)
        return op == u"<>";
    if (op == u"=")
        return *s == 0;
    if (op == u"<>")
        return *s != 0;
    if (op == u"<")
        return *s < 0;
    if (op == u">")
        return *s > 0;
    if (op == u"<=")
        return *s <= 0;
    return *s >= 0;
}

} // namespace

struct FilterExpression::Node
{
    enum Kind { Or, And, Not, Compare, Field, Constant } kind = Constant;
    QString op;   // comparison operator
    QString name; // field name
    Value constant;
    std::vector<std::unique_ptr<Node>> children;

    Value evaluate(const FieldReader &field) const
    {
        Value out;
        out.kind = Value::Boolean;
        switch (kind) {
        case Or:
            out.boolean =
                truth(children[0]->evaluate(field)) || truth(children[1]->evaluate(field));
            return out;
        case And:
            out.boolean =
                truth(children[0]->evaluate(field)) && truth(children[1]->evaluate(field));
            return out;
        case Not:
            out.boolean = !truth(children[0]->evaluate(field));
            return out;
        case Compare:
            out.boolean = compare(op, children[0]->evaluate(field), children[1]->evaluate(field));
            return out;
        case Field: {
            Value v;
            v.text = field(name);
            v.kind = v.text.isEmpty() ? Value::Null : Value::Text;
            return v;
        }
        case Constant:
            break;
        }
        return constant;
    }
};

namespace {

using NodePtr = std::unique_ptr<FilterExpression::Node>;

// Recursive descent over OR (loosest), AND, NOT, comparison and operand.
class Parser
{
public:
    Parser(const QString &text, QStringList &fields) : m_lexer(text), m_fields(fields)
    {
        m_tok = m_lexer.next();
    }

    NodePtr parseAll()
    {
        NodePtr root = parseOr();
        if (m_tok.kind != Tok::End)
            fail(QStringLiteral("Filter expression incorrectly terminated"));
        return root;
    }

private:
    using Node = FilterExpression::Node;

    void advance() { m_tok = m_lexer.next(); }

    static NodePtr binary(Node::Kind kind, NodePtr a, NodePtr b, const QString &op = {})
    {
        auto n = std::make_unique<Node>();
        n->kind = kind;
        n->op = op;
        n->children.push_back(std::move(a));
        n->children.push_back(std::move(b));
        return n;
    }

    NodePtr parseOr()
    {
        NodePtr left = parseAnd();
        while (isKeyword(m_tok, "OR")) {
            advance();
            left = binary(Node::Or, std::move(left), parseAnd());
        }
        return left;
    }

    NodePtr parseAnd()
    {
        NodePtr left = parseNot();
        while (isKeyword(m_tok, "AND")) {
            advance();
            left = binary(Node::And, std::move(left), parseNot());
        }
        return left;
    }

    NodePtr parseNot()
    {
        if (!isKeyword(m_tok, "NOT"))
            return parseComparison();
        advance();
        auto n = std::make_unique<Node>();
        n->kind = Node::Not;
        n->children.push_back(parseNot());
        return n;
    }

    NodePtr parseComparison()
    {
        NodePtr left = parseOperand();
        if (m_tok.kind != Tok::Op)
            return left;
        const QString op = m_tok.text;
        advance();
        return binary(Node::Compare, std::move(left), parseOperand(), op);
    }

    NodePtr parseOperand()
    {
        if (m_tok.kind == Tok::LParen) {
            advance();
            NodePtr inner = parseOr();
            if (m_tok.kind != Tok::RParen)
                fail(QStringLiteral("')' expected but %1 found").arg(m_tok.shown));
            advance();
            return inner;
        }
        auto n = std::make_unique<Node>();
        if (!fillOperand(*n))
            fail(QStringLiteral("Expression expected but %1 found").arg(m_tok.shown));
        advance();
        return n;
    }

    bool fillOperand(Node &n)
    {
        Value &v = n.constant;
        if (m_tok.kind == Tok::String) {
            v.kind = Value::Text;
            v.text = m_tok.text;
        } else if (m_tok.kind == Tok::Number) {
            v.kind = Value::Number;
            v.number = QLocale::c().toDouble(m_tok.text);
        } else if (isKeyword(m_tok, "NULL")) {
            v.kind = Value::Null;
        } else if (isKeyword(m_tok, "TRUE") || isKeyword(m_tok, "FALSE")) {
            v.kind = Value::Boolean;
            v.boolean = isKeyword(m_tok, "TRUE");
        } else if (m_tok.kind == Tok::Field ||
                   (m_tok.kind == Tok::Word && !isKeyword(m_tok, "AND") &&
                    !isKeyword(m_tok, "OR") && !isKeyword(m_tok, "NOT"))) {
            n.kind = Node::Field;
            n.name = m_tok.text;
            m_fields.append(m_tok.text);
        } else {
            return false;
        }
        return true;
    }

    Lexer m_lexer;
    Token m_tok;
    QStringList &m_fields;
};

} // namespace

FilterExpression::FilterExpression(const QString &text)
{
    if (!text.trimmed().isEmpty())
        m_root = Parser(text, m_fields).parseAll();
}

FilterExpression::~FilterExpression() = default;
FilterExpression::FilterExpression(FilterExpression &&) noexcept = default;
FilterExpression &FilterExpression::operator=(FilterExpression &&) noexcept = default;

bool FilterExpression::Evaluate(const FieldReader &field) const
{
    return !m_root || truth(m_root->evaluate(field));
}
