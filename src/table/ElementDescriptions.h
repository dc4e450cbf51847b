#pragma once

#include <QString>
#include <QStringView>

// What a screen reader says of an element button: the element it stands for, and what the
// colouring mode shown now tells of that element, the words a sighted user reads off the
// legend beside its colour. Each rule takes the texts of the element table as they stand.
namespace ElementDescriptions {

// "Fer, Fe, numéro atomique 26, groupe 8, période 4": the group and period of the element's
// place in the table. The lanthanides and actinides, on their own rows below the table, say
// their period and no group ("période 6"); La and Ac stand in group 3. A number
// outside 1..ElementCount says neither.
QString name(QStringView frenchName, QStringView symbol, int atomicNumber);

// The words of the colouring modes that speak the element's own text; the state and the
// discovery say their legend's words (ColouringModes).
// "Groupe", "Blocs s/p/d/f", "Acide-Base": the element's text ("Bloc d" for a block);
// "pas de valeur" where it has none.
QString family(QStringView groupe);
QString block(QStringView bloc);
QString acidBase(QStringView acidbase);

// A numeric mode: the value as the table writes it, with its unit, "7,87 kg/L", and the scale
// it is given on where there is one, "3,98, échelle de Pauling"; "pas de valeur" where there
// is none.
QString numeric(QStringView value, const QString &unit, const QString &scale = {});

} // namespace ElementDescriptions
