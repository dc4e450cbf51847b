#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

// The colours of the category modes, one row per line of the mode's legend, in legend
// order: the element-table text that takes the colour, the legend's caption and the colour.
// The colouring rules and the legends both read these rows, so a button never disagrees
// with the swatch that explains it.
namespace CategoryColours {

struct Key
{
    QString value;   // text of the mode's column; empty where the rule is no text match
    QString caption; // legend caption, its blanks included
    QRgb colour = 0;
};
using Keys = std::vector<Key>;

// "Groupe": the ten families of GROUPE.
const Keys &families();
// "Blocs s/p/d/f": the four blocks of BLOC.
const Keys &blocks();
// "Acide-Base": the five characters of Acidbase.
const Keys &acidBases();

// "Etat Physique": the state at the chosen temperature, found from the melting and
// boiling points, so no row has a value. Rows in State order.
enum class State { Solid, Liquid, Gas, Unknown };
const Keys &states();
QColor colour(State state);

// "Decouverte": the year of discovery against the chosen year. Rows in Discovery order.
enum class Discovery { Before1600, Discovered, NotDiscovered };
const Keys &discoveries();
QColor colour(Discovery discovery);

// The colour of the row whose value is exactly `text`; nothing for any other text.
std::optional<QColor> colourOf(const Keys &keys, QStringView text);

} // namespace CategoryColours
