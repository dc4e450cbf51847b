#pragma once

#include "table/ColouringModes.h"
#include "table/Legends.h"

#include <QObject>
#include <QRegion>
#include <QString>

#include <array>

class ElementRecords;
class TEncartaButton;

// Applies a colouring mode of a mode table to the main window: paints the looks that the
// mode's rule gives on the element buttons and shows the mode's legend. What else the
// window holds beside the table, it asks for: the other panels hidden, a width for the legend.
// The colours stay on the buttons until the next mode.
class TableColourist : public QObject
{
    Q_OBJECT

public:
    static constexpr int LegendWidth = 791;
    static constexpr int DefaultWidth = 643;

    using Buttons = std::array<TEncartaButton *, ColouringModes::ElementCount>;

    // `buttons` (element z at z - 1) and the panels of `legends` belong to the window and
    // outlive the colourist; `modes`, of which `legends` were built, too.
    TableColourist(const Buttons &buttons, const LegendControls &legends,
                   const ColouringModes::Table &modes, QObject *parent = nullptr);

    // Applies the mode that the colouring list's text names. A value that is not a number
    // where the mode reads one raises EConvertError once the buttons before it are painted;
    // the mode's legend is then not shown, a value-box legend excepted, which is shown before
    // the values are read.
    void apply(const ElementRecords &records, const QString &entryText);

signals:
    // The legends and any other panel beside the table hidden, all but `kept` (may be null);
    // the width is left as it is.
    void panelsHideRequested(const QWidget *kept);
    // The window's outer width, in the layout's terms.
    void layoutWidthRequested(int outerWidth);

private:
    // Paints the readings of `mode` and gives each button what it now says to a screen reader.
    void paint(const ElementRecords &records, const ColouringModes::Mode &mode,
               std::optional<int> parameter);
    void showLegend(const ColouringModes::Mode &mode, const LegendPanel &panel);

    Buttons m_buttons;
    LegendControls m_legends;
    const ColouringModes::Table &m_modes;
    QRegion m_buttonsArea; // in the buttons' parent
};
