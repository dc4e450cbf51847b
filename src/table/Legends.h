#pragma once

#include "table/CategoryColours.h"
#include "table/ColouringPicture.h"

#include <array>

class QLabel;
class QLineEdit;
class QSpinBox;
class QString;
class QWidget;
class TDBEdit;

// The legends' controls that the colouring sets or reads, as Legends::build made them; all
// are owned by the client area they were built on.
struct LegendControls
{
    // legende1 to legende5: "Groupe", "Blocs s/p/d/f", "Acide-Base", "Etat Physique",
    // "Decouverte".
    std::array<QWidget *, 5> legende{};
    QWidget *panel2 = nullptr;     // the numeric legend
    QSpinBox *spinEdit1 = nullptr; // the temperature, in kelvin
    QLineEdit *edit1 = nullptr;    // the temperature in degrees Celsius
    QLineEdit *edit2 = nullptr;    // and in degrees Fahrenheit
    QSpinBox *spinEdit2 = nullptr; // the year
    QLabel *rxLabel1 = nullptr;    // the numeric legend's title
    TDBEdit *dbEdit3 = nullptr;    // the value of the element under the mouse
};

// The legend panels right of the table, one per colouring mode, and the numeric legend
// `Panel2`, built hidden from their layout tables.
namespace Legends {

LegendControls build(QWidget *client);

// The numeric legend's rows: the greatest value's fill, the smallest's, and the fill of
// no value.
const CategoryColours::Keys &numericKeys();

// The legend in view on `client` and the values its fields show; `entry` is the colouring
// list's text, the mode applied.
ColouringPicture::Shown shown(const LegendControls &controls, const QString &entry);

// Shows `title` in the numeric legend's title `RxLabel1`, in a narrower face where the
// legend's font would run past the label's ends.
void setNumericTitle(QLabel &label, const QString &title);

} // namespace Legends
