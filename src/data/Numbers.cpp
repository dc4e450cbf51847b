#include "data/Numbers.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Counts the digits at text[pos...] and moves pos past them.
qsizetype skipDigits(QStringView text, qsizetype &pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos - start;
}

// Checks the syntax [sign] digits [, digits] [E [sign] digits] and returns the same number
// written for the C locale.
std::optional<QString> toCSyntax(QStringView text)
{
    qsizetype pos = 0;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
        ++pos;
    qsizetype mantissa = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == u',') {
        ++pos;
        mantissa += skipDigits(text, pos);
    }
    if (mantissa == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e')) {
        ++pos;
        if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
            ++pos;
        if (skipDigits(text, pos) == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    QString c = text.toString();
    c.replace(u',', u'.');
    return c;
}

// "d.dddde±x" for a positive value, its digits rounded to the nearest. Next to the largest
// double they may round past it, to a text too large to be read back: there the digits are
// cut instead, from the seventeen that give the value exactly, which keeps the text below it.
QString scientific(double magnitude, int precision)
{
    const QString nearest = QString::number(magnitude, 'e', precision - 1);
    const QByteArray text = nearest.toLatin1();
    double back = 0;
    if (std::from_chars(text.cbegin(), text.cend(), back).ec != std::errc::result_out_of_range)
        return nearest;
    const QString exact = QString::number(magnitude, 'e', 16);
    return exact.left(precision == 1 ? 1 : precision + 1) + exact.mid(exact.indexOf(u'e'));
}

} // namespace

namespace Numbers {

std::optional<double> parseDecimal(QStringView text)
{
    const auto c = toCSyntax(trimBlanks(text));
    if (!c)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(*c, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseInteger(QStringView text)
{
    text = trimBlanks(text);
    qsizetype pos = 0;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
        ++pos;
    if (skipDigits(text, pos) == 0 || pos != text.size())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = QLocale::c().toLongLong(text.toString(), &ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

QString notDecimal(QStringView text)
{
    QString message = QStringLiteral("« %1 » n'est pas un nombre décimal valide").arg(text);
    if (text.contains(u'.'))
        message += QStringLiteral(" (le séparateur décimal est la virgule : 1,01)");
    return message;
}

QString notInteger(QStringView text)
{
    return QStringLiteral("« %1 » n'est pas un nombre entier valide").arg(text);
}

QString formatGeneral(double value, int significantDigits)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    const int precision = qBound(1, significantDigits, 17);
    // "d.dddde±x", written by Qt without regard to the locale, gives the rounded digits and
    // the decimal exponent of the first of them.
    const QString e = scientific(std::fabs(value), precision);
    const qsizetype ePos = e.indexOf(u'e');
    QString digits = e.left(ePos);
    digits.remove(u'.');
    const int exponent = e.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent < -5 || exponent >= precision) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += u',' + digits.mid(1);
        return out + u'E' + QString::number(exponent);
    }
    if (exponent < 0)
        return out + QStringLiteral("0,") + QString(-exponent - 1, u'0') + digits;
    const qsizetype intDigits = exponent + 1;
    if (digits.size() <= intDigits)
        return out + digits + QString(intDigits - digits.size(), u'0');
    return out + digits.left(intDigits) + u',' + digits.mid(intDigits);
}

} // namespace Numbers
