#include "calculs/EquationText.h"

#include <optional>

namespace EquationText {

namespace {

constexpr int MaxCharge = 99;

QString quoted(QStringView text)
{
    return QStringLiteral("« %1 »").arg(text.trimmed().toString());
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-' || c == QChar(0x2212);
}

// Where a charge in braces ("{2+}", "{-}") that begins at `at` ends (after the brace), or 0.
qsizetype braceChargeEnd(QStringView text, qsizetype at)
{
    if (at >= text.size() || text[at] != u'{')
        return 0;
    qsizetype i = at + 1;
    while (i < text.size() && text[i].isDigit())
        ++i;
    if (i >= text.size() || !isSign(text[i]))
        return 0;
    ++i;
    while (i < text.size() && text[i].isDigit())
        ++i;
    return i < text.size() && text[i] == u'}' ? i + 1 : 0;
}

// Where a charge after "^" at `at` ends: digits and a sign in either order, or in braces.
qsizetype caretChargeEnd(QStringView text, qsizetype at)
{
    qsizetype i = at + 1;
    if (const qsizetype end = braceChargeEnd(text, i))
        return end;
    while (i < text.size() && text[i].isDigit())
        ++i;
    if (i < text.size() && isSign(text[i]))
        ++i;
    while (i < text.size() && text[i].isDigit())
        ++i;
    return i;
}

QVector<QString> species(QStringView side, QString &error)
{
    QVector<QString> found;
    QString current;
    auto close = [&] {
        if (current.trimmed().isEmpty() && error.isEmpty())
            error = QStringLiteral("Une espèce manque autour d'un « + » (une charge s'écrit "
                                   "« Fe^3+ »)");
        found << current.trimmed();
        current.clear();
    };
    for (qsizetype i = 0; i < side.size();) {
        qsizetype end = 0;
        if (side[i] == u'^')
            end = caretChargeEnd(side, i);
        else if (side[i] == u'{')
            end = braceChargeEnd(side, i);
        if (end > 0) {
            current += side.mid(i, end - i);
            i = end;
        } else if (side[i] == u'+') {
            close();
            ++i;
        } else {
            current += side[i++];
        }
    }
    close();
    return found;
}

struct Arrow
{
    qsizetype at = -1;
    qsizetype length = 0;
};

QVector<Arrow> arrows(QStringView typed)
{
    QVector<Arrow> found;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == u'-' && i + 1 < typed.size() && typed[i + 1] == u'>')
            found.push_back({i, 2});
        else if (typed[i] == QChar(0x2192) || typed[i] == u'=')
            found.push_back({i, 1});
    }
    return found;
}

int superscriptDigit(QChar c)
{
    switch (c.unicode()) {
    case 0x2070:
        return 0;
    case 0x00B9:
        return 1;
    case 0x00B2:
        return 2;
    case 0x00B3:
        return 3;
    default:
        return c.unicode() >= 0x2074 && c.unicode() <= 0x2079 ? c.unicode() - 0x2070 : -1;
    }
}

// The charge written in `text` ("2+", "+2", "-", "3−"), or none when it is not one.
std::optional<int> chargeValue(QStringView text)
{
    if (text.startsWith(u'{') && text.endsWith(u'}'))
        text = text.mid(1, text.size() - 2);
    if (text.isEmpty())
        return std::nullopt;
    const bool signFirst = isSign(text.front());
    if (!signFirst && !isSign(text.back()))
        return std::nullopt;
    const int sign = (signFirst ? text.front() : text.back()) == u'+' ? 1 : -1;
    const QStringView digits = signFirst ? text.mid(1) : text.left(text.size() - 1);
    if (digits.size() > 2)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int magnitude = digits.isEmpty() ? 1 : digits.toString().toInt();
    if (magnitude == 0)
        return std::nullopt;
    return sign * magnitude;
}

} // namespace

Sides cut(QStringView typed)
{
    Sides sides;
    const QVector<Arrow> found = arrows(typed);
    if (found.isEmpty()) {
        sides.error = QStringLiteral("Il manque la flèche entre les réactifs et les produits : "
                                     "« -> », « → » ou « = »");
        return sides;
    }
    if (found.size() > 1) {
        sides.error = QStringLiteral("L'équation ne doit avoir qu'une flèche");
        return sides;
    }
    const QStringView left = typed.left(found[0].at);
    const QStringView right = typed.mid(found[0].at + found[0].length);
    if (left.trimmed().isEmpty())
        sides.error = QStringLiteral("Il n'y a pas de réactifs avant la flèche");
    else if (right.trimmed().isEmpty())
        sides.error = QStringLiteral("Il n'y a pas de produits après la flèche");
    if (!sides.error.isEmpty())
        return sides;
    sides.reactants = species(left, sides.error);
    if (sides.error.isEmpty())
        sides.products = species(right, sides.error);
    return sides;
}

Charged charged(const QString &species)
{
    Charged result;
    QStringView text = QStringView(species).trimmed();
    qsizetype start = 0;
    while (start < text.size() && text[start].isDigit() && text[start].unicode() < 128)
        ++start;
    if (start > 0 && start < text.size())
        text = text.mid(start).trimmed();
    // Superscript charges: "²⁺", "⁻".
    qsizetype end = text.size();
    if (end > 0 && (text[end - 1] == QChar(0x207A) || text[end - 1] == QChar(0x207B))) {
        const int sign = text[end - 1] == QChar(0x207A) ? 1 : -1;
        int magnitude = 0;
        int scale = 1;
        --end;
        while (end > 0 && superscriptDigit(text[end - 1]) >= 0 && scale <= 10) {
            magnitude += scale * superscriptDigit(text[end - 1]);
            scale *= 10;
            --end;
        }
        if (scale == 1)
            magnitude = 1;
        if (magnitude == 0 || magnitude > MaxCharge ||
            (end > 0 && superscriptDigit(text[end - 1]) >= 0)) {
            result.error = QStringLiteral("Charge illisible dans ") + quoted(text);
            return result;
        }
        result.charge = sign * magnitude;
        result.formula = text.left(end).toString();
        return result;
    }
    const qsizetype caret = text.lastIndexOf(u'^');
    const qsizetype brace = text.lastIndexOf(u'{');
    const bool braced = caret < 0 && brace >= 0 && braceChargeEnd(text, brace) == text.size();
    if (caret >= 0 || braced) {
        const std::optional<int> value = chargeValue(text.mid(caret >= 0 ? caret + 1 : brace));
        if (!value) {
            result.error = QStringLiteral("Charge illisible dans ") + quoted(text);
            return result;
        }
        result.charge = *value;
        result.formula = text.left(caret >= 0 ? caret : brace).toString();
        return result;
    }
    if (text.endsWith(u'-') || text.endsWith(QChar(0x2212))) {
        const QStringView before = text.left(text.size() - 1);
        if (!before.isEmpty() && before.back().isDigit()) {
            result.error = QStringLiteral("Charge ambiguë dans %1 : écrivez-la après « ^ », "
                                          "par exemple « SO4^2- »")
                               .arg(quoted(text));
            return result;
        }
        result.charge = -1;
        result.formula = before.toString();
        return result;
    }
    result.formula = text.toString();
    return result;
}

} // namespace EquationText
