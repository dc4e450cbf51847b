#pragma once

#include "tablepicture/TablePicture.h"

#include <QString>

#include <array>

// The picture of the table in its current colouring: the title line naming the mode and
// the mode's legend, from the same colour tables as the legends on screen, with the looks
// of the 103 buttons.
namespace ColouringPicture {

// The legend in view, or none (the plain table, the molar-mass mode).
enum class Legend { None, Family, Block, AcidBase, PhysicalState, Discovery, Numeric };

// What the main window shows besides the buttons.
struct Shown
{
    Legend legend = Legend::None;
    QString numericEntry; // the colouring list's entry that applied the numeric legend
    QString numericTitle; // that legend's title, the property and its unit
    QString kelvin;       // the physical state's temperature, as its three fields show it
    QString celsius;
    QString fahrenheit;
    QString year; // the discovery legend's year
};

using Looks = std::array<TablePicture::Look, TablePicture::ElementCount>;

TablePicture picture(const Shown &shown, const Looks &looks);

} // namespace ColouringPicture
