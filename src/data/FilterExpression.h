#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// A parsed filter: comparisons (= <> < > <= >=) between field names (identifiers or any text
// in square brackets) and constants ('text' with '' for one quote, numbers with a decimal
// point, NULL, True, False), combined with NOT, AND, OR and parentheses; keywords in any case.
// A field reads as NULL when its text is empty. A number compared with a text compares with the
// text's value as a decimal-comma number and fails when the text is no number; NULL equals only
// NULL and every ordering against it fails; texts compare character by character.
class FilterExpression
{
public:
    using FieldReader = std::function<QString(const QString &fieldName)>;

    // Raises EDatabaseError with the message of the first syntax fault. An empty or blank text
    // gives an expression that every record passes.
    explicit FilterExpression(const QString &text);
    ~FilterExpression();
    FilterExpression(FilterExpression &&) noexcept;
    FilterExpression &operator=(FilterExpression &&) noexcept;

    // The field names the expression refers to, in order of appearance.
    QStringList FieldNames() const { return m_fields; }

    bool Evaluate(const FieldReader &field) const;

    struct Node;

private:
    std::unique_ptr<Node> m_root;
    QStringList m_fields;
};
