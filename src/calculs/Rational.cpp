#include "calculs/Rational.h"

#include <limits>

namespace {

WideInt gcd128(WideInt a, WideInt b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const WideInt r = a % b;
        a = b;
        b = r;
    }
    return a;
}

bool fits(WideInt value)
{
    return value >= std::numeric_limits<std::int64_t>::min() + 1 &&
           value <= std::numeric_limits<std::int64_t>::max();
}

} // namespace

Rational::Rational(std::int64_t numerator, std::int64_t denominator)
{
    *this = reduced(numerator, denominator);
}

Rational Rational::reduced(WideInt numerator, WideInt denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const WideInt divisor = gcd128(numerator, denominator);
    if (divisor > 1) {
        numerator /= divisor;
        denominator /= divisor;
    }
    if (!fits(numerator) || !fits(denominator))
        throw Overflow{};
    Rational result;
    result.m_num = std::int64_t(numerator);
    result.m_den = std::int64_t(denominator);
    return result;
}

Rational Rational::operator-(const Rational &other) const
{
    return reduced(WideInt(m_num) * other.m_den - WideInt(other.m_num) * m_den,
                   WideInt(m_den) * other.m_den);
}

Rational Rational::operator*(const Rational &other) const
{
    return reduced(WideInt(m_num) * other.m_num, WideInt(m_den) * other.m_den);
}

Rational Rational::operator/(const Rational &other) const
{
    return reduced(WideInt(m_num) * other.m_den, WideInt(m_den) * other.m_num);
}

std::int64_t Rational::gcd(std::int64_t a, std::int64_t b)
{
    return std::int64_t(gcd128(a, b));
}

std::int64_t Rational::lcm(std::int64_t a, std::int64_t b)
{
    const WideInt result = WideInt(a / gcd(a, b)) * b;
    if (!fits(result))
        throw Overflow{};
    return std::int64_t(result);
}
