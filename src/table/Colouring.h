#pragma once

#include "data/ElementColumns.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>

class ElementRecords;

// A colouring mode as a function of the element records: the look of each of the 103 element
// buttons, or where the mode stopped. The window only paints what it returns (TableColourist).
namespace Colouring {

inline constexpr int ElementCount = 103;

enum class Mode { Plain, Family, Block, AcidBase, PhysicalState, Discovery, Numeric };

// The mode named by the colouring list's text, compared exactly and with case: "Defaut" and
// the five category modes by name, any other text a numeric mode.
Mode modeOf(const QString &entryText);

// What a mode is applied with.
struct Choice
{
    Mode mode = Mode::Plain;
    // "Etat Physique": the temperature in kelvin; "Decouverte": the year. Nothing when the
    // spin edit that holds it is empty, and the mode then fills no button.
    std::optional<int> value{};
    // A numeric mode's column; nothing for an entry that names none, whose every element
    // is then without a value.
    std::optional<Column> column{};
    QColor face{}; // the plain table's fill: the system's button face
};

// One button's look. Every mode sets the caption colour, from black.
struct Look
{
    std::optional<QColor> fill; // nothing: the button keeps the fill it has
    QColor caption = QColor(0, 0, 0);
};

struct Looks
{
    std::array<Look, ElementCount> buttons; // element z at z - 1
    // The conversion error that stopped the mode, with the platform's message: the element
    // that raised it and those after it keep their fills.
    std::optional<QString> error;
};

Looks looks(const ElementRecords &records, const Choice &choice);

} // namespace Colouring
