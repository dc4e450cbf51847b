#pragma once

#include "data/ElementColumns.h"

#include <QString>

// The names a screen reader speaks for boxes that the eye identifies by a label beside them:
// the label's text made clean, since labels carry blanks to line their colons up.
namespace AccessibleNames {

// "  Masse atomique   :" gives "Masse atomique": runs of blanks made one, the colons and
// blanks at the end dropped, the first letter made a capital.
QString fromCaption(const QString &caption);

// A caption and its unit as one name: "Tfus", "(K)" gives "Tfus (K)".
QString withUnit(const QString &caption, const QString &unit);

// The name of a box that shows `column` and has no label: the column's wording in the
// property lists, made clean.
QString ofColumn(Column column);

} // namespace AccessibleNames
