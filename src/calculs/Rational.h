#pragma once

#include <cstdint>

// 128-bit intermediates; the extension keeps pedantic warnings quiet.
__extension__ typedef __int128 WideInt;

// An exact fraction of 64-bit integers, always reduced, its denominator positive. Every
// operation works on 128-bit intermediates and raises Rational::Overflow when the reduced
// result leaves the 64-bit range, so that a result is either exact or refused.
class Rational
{
public:
    struct Overflow
    {
    };

    Rational() = default;
    Rational(std::int64_t numerator, std::int64_t denominator = 1); // NOLINT: a whole number

    std::int64_t numerator() const { return m_num; }
    std::int64_t denominator() const { return m_den; }
    bool isZero() const { return m_num == 0; }

    Rational operator-(const Rational &other) const;
    Rational operator*(const Rational &other) const;
    Rational operator/(const Rational &other) const; // the caller never divides by zero

    // The greatest common divisor and least common multiple of two positive integers,
    // the latter checked.
    static std::int64_t gcd(std::int64_t a, std::int64_t b);
    static std::int64_t lcm(std::int64_t a, std::int64_t b);

private:
    static Rational reduced(WideInt numerator, WideInt denominator);

    std::int64_t m_num = 0;
    std::int64_t m_den = 1;
};
