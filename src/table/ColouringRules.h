#pragma once

#include <QColor>
#include <QString>

// The pieces the colouring modes' rules are made of (ColouringModes): the numbers of the
// element table as the modes read them, and the grey scale of the numeric modes.
namespace ColouringRules {

inline const QColor Silver{0xC0, 0xC0, 0xC0};
inline const QColor Navy{0x00, 0x00, 0x80};

// The grey scale of the numeric modes: s = trunc((v - min) / (max - min) * 255), the
// fill grey 255 - s, a white caption from s > 90. A column whose values are all equal
// gives every value s = 0.
struct Shade
{
    int s = 0;
    QColor fill;
    bool whiteCaption = false;
};
Shade greyShade(double value, double minimum, double maximum);

// A decimal number of the element table, or EConvertError with the conversion message.
double toNumber(QStringView text);
// A whole number of the element table, or EConvertError with the conversion message.
int toInteger(QStringView text);

} // namespace ColouringRules
