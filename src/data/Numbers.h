#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Number texts of the element table: a decimal comma whatever the system locale, an optional
// sign and exponent ("-0,74", "4,00E-08"). A decimal point is refused, so that a value typed
// the English way is reported instead of being read as something else.
namespace Numbers {

// The value of a decimal text; blanks around it are allowed. Nothing for an empty text, a word
// ("Préhistoire"), a decimal point or a value out of the double range.
std::optional<double> parseDecimal(QStringView text);

// The value of a signed decimal integer text within the int range; blanks around it allowed.
std::optional<int> parseInteger(QStringView text);

// The general format: at most `significantDigits` significant digits, trailing zeros and a bare
// comma dropped; exponent form ("1E-6", "1,5E20") for magnitudes below 0,00001 or with more
// integer digits than significant digits.
QString formatGeneral(double value, int significantDigits);

// Why a text is not the number it should be, for the user: "« 12.5 » n'est pas un nombre
// décimal valide", with a word on the decimal comma when the text holds a point.
QString notDecimal(QStringView text);
// "« huit » n'est pas un nombre entier valide".
QString notInteger(QStringView text);

} // namespace Numbers
