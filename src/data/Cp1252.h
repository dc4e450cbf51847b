#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The Windows-1252 code page, the character set of the data files. Decoding never fails: the
// five bytes the code page leaves undefined map to the C1 controls of the same value, so that
// every byte comes back unchanged when the text is encoded again.
namespace Cp1252 {

// The character that byte b stands for.
char16_t toUnicode(unsigned char b);

// The byte for character c, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(char16_t c);

QString decode(QByteArrayView bytes);

// The encoded text, or nothing when a character cannot be held; *badIndex (when given) then
// receives the position of the first such character.
std::optional<QByteArray> encode(QStringView text, qsizetype *badIndex = nullptr);

} // namespace Cp1252
