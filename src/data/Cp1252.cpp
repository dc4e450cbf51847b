#include "data/Cp1252.h"

#include <array>

namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the upper half equals Latin-1.
constexpr std::array<char16_t, 32> kLow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 128> makeUpperHalf()
{
    std::array<char16_t, 128> table{};
    for (int i = 0; i < 128; ++i)
        table[i] = i < 32 ? kLow[i] : char16_t(0x80 + i);
    return table;
}

constexpr std::array<char16_t, 128> kUpperHalf = makeUpperHalf();

} // namespace

namespace Cp1252 {

char16_t toUnicode(unsigned char b)
{
    return b < 0x80 ? char16_t(b) : kUpperHalf[b - 0x80];
}

std::optional<unsigned char> fromUnicode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kLow[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::optional<QByteArray> encode(QStringView text, qsizetype *badIndex)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = fromUnicode(text[i].unicode());
        if (!b) {
            if (badIndex)
                *badIndex = i;
            return std::nullopt;
        }
        bytes[i] = static_cast<char>(*b);
    }
    return bytes;
}

} // namespace Cp1252
