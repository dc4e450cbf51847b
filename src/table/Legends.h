#pragma once

#include "table/ColouringPicture.h"

#include <vector>

class QLabel;
class QLineEdit;
class QSpinBox;
class QString;
class QWidget;
class TDBEdit;

namespace ColouringModes {
struct Legend;
struct Table;
} // namespace ColouringModes

// One legend panel as Legends::build made it, with the boxes the colouring sets or reads; all
// are owned by the client area they were built on.
struct LegendPanel
{
    const ColouringModes::Legend *legend = nullptr; // what it was built from, in its table
    QWidget *panel = nullptr;
    QSpinBox *parameter = nullptr; // the legend's spin edit, if it has one
    std::vector<QLineEdit *> readouts{};
    QLabel *heading = nullptr; // the value-box legend's heading
};

// The legends of a mode table on the main window.
struct LegendControls
{
    std::vector<LegendPanel> panels; // in the table's order of its legends
    // The panels' spin edits in that order, "SpinEdit1" (the temperature, in kelvin) and
    // "SpinEdit2" (the year) for the program's modes: a change re-applies the mode.
    std::vector<QSpinBox *> parameters;
    TDBEdit *dbEdit3 = nullptr; // the value of the element under the mouse

    // The panel built from `legend`; null for none.
    const LegendPanel *panelOf(const ColouringModes::Legend *legend) const;
    // The panel in view; null while none is.
    const LegendPanel *shown() const;
};

// The legend panels right of the table, one per legend of the mode table, built hidden from
// their descriptions.
namespace Legends {

LegendControls build(QWidget *client, const ColouringModes::Table &modes);

// The legend in view on `client` and the values its fields show; `entry` is the colouring
// list's text, the mode applied.
ColouringPicture::Shown shown(const LegendControls &controls, const QString &entry);

// Shows `title` in the heading of the value-box legend, in a narrower face where the legend's
// font would run past the label's ends.
void setNumericTitle(QLabel &label, const QString &title);

} // namespace Legends
