#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// Conversion between the OEM code page 850 (files written under DOS) and Windows-1252. Every
// accented letter and sign of code page 850 has its place in Windows-1252; the box-drawing and
// shading characters, which have none, become the nearest ASCII look-alike (+ - | = # _ i).
namespace Oem850 {

unsigned char toAnsi(unsigned char oem);

// The OEM byte for a Windows-1252 byte, or nothing when code page 850 cannot hold it (the
// typographic signs 0x80 to 0x9F other than the florin sign).
std::optional<unsigned char> fromAnsi(unsigned char ansi);

QByteArray toAnsi(QByteArrayView oem);

} // namespace Oem850
