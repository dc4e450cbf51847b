#pragma once

#include "tablepicture/TablePicture.h"

#include <QString>
#include <QStringList>

#include <array>

namespace ColouringModes {
struct Legend;
struct Table;
} // namespace ColouringModes

// The picture of the table in its current colouring: the title line naming the mode and
// the mode's legend, from the same legend of the mode table as the one on screen, with the
// looks of the element buttons.
namespace ColouringPicture {

// What the main window shows besides the buttons.
struct Shown
{
    const ColouringModes::Legend *legend = nullptr; // in view; none for the plain table
    QString entry;                                  // the colouring list's text, the mode applied
    QString heading;                                // the legend's heading, where it has one
    QString parameter;                              // the text of its spin edit
    QStringList readouts; // and of its read-only boxes, in the legend's order
};

using Looks = std::array<TablePicture::Look, TablePicture::ElementCount>;

TablePicture picture(const ColouringModes::Table &modes, const Shown &shown, const Looks &looks);

} // namespace ColouringPicture
