#pragma once

#include <QColor>
#include <QString>

#include <optional>

// The rules by which each colouring mode turns one element's value into a fill. A rule
// that gives no colour leaves the button as the previous mode left it.
namespace ColouringRules {

inline const QColor Silver{0xC0, 0xC0, 0xC0};
inline const QColor Navy{0x00, 0x00, 0x80};

// "Groupe", "Blocs s/p/d/f", "Acide-Base": the colour of an exact text.
std::optional<QColor> familyColour(QStringView groupe);
std::optional<QColor> blockColour(QStringView bloc);
// Silver (the colour of the first pass) for an empty or unknown text.
QColor acidBaseColour(QStringView acidbase);

// "Etat Physique" at temperature t (K): silver when either point is missing; nothing
// when t equals a point. Raises EConvertError for a point that is not a number.
std::optional<QColor> physicalStateColour(QStringView melting, QStringView boiling, int t);

// "Decouverte" in year y. Raises EConvertError for a year that is not a number.
QColor discoveryColour(QStringView year, int y);

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

} // namespace ColouringRules
