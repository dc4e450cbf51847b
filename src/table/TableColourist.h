#pragma once

#include "table/Colouring.h"
#include "table/Legends.h"

#include <QRegion>
#include <QString>

#include <array>
#include <functional>

class ElementRecords;
class TEncartaButton;

// Applies a colouring mode to the main window: paints the looks that Colouring gives on the
// 103 element buttons and shows the mode's legend, widening the window for it. The colours
// stay on the buttons until the next mode.
class TableColourist
{
public:
    static constexpr int LegendWidth = 791;
    static constexpr int DefaultWidth = 643;

    using Buttons = std::array<TEncartaButton *, Colouring::ElementCount>;
    // The window's parts that the colouring changes; they outlive the colourist.
    struct Window
    {
        Buttons buttons{}; // element z at z - 1
        LegendControls legends;
        // Hides the legends and the molar-mass panel, all but `kept` (may be null), leaving
        // the width as it is.
        std::function<void(const QWidget *kept)> hidePanels;
        std::function<int()> layoutWidth;
        std::function<void(int outerWidth)> setLayoutWidth;
    };

    explicit TableColourist(Window window);

    // Applies the mode that the colouring list's text names, `entryIndex` being that text's
    // entry in the list (-1 for none). A value that is not a number where the mode reads
    // one raises EConvertError once the buttons before it are painted; the mode's legend is
    // then not shown, the numeric legend excepted, which is shown before the values are read.
    void apply(const ElementRecords &records, const QString &entryText, int entryIndex);

private:
    // Paints the looks of `choice` and gives each button what it now says to a screen reader.
    void paint(const ElementRecords &records, const Colouring::Choice &choice);
    void applyCategory(const ElementRecords &records, Colouring::Mode mode);
    void applyPhysicalState(const ElementRecords &records);
    void applyDiscovery(const ElementRecords &records);
    void applyNumeric(const ElementRecords &records, int entryIndex);
    // The legends other than `shown` hidden in the order given, `shown` shown, the numeric
    // legend hidden.
    void showLegend(int shown, std::initializer_list<int> hiddenFirst);

    Window m_window;
    QRegion m_buttonsArea; // in the buttons' parent
};
