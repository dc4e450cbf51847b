#pragma once

#include "data/ElementTable.h"
#include "data/GraphSelection.h"

#include <QString>

#include <array>

// What the windows hand over to one another for the whole run: created once at start-up
// and passed by reference to the windows that read or write it. Nothing here is saved.
struct ProgramState
{
    int selectedElement = 0; // atomic number last clicked, read by the property sheet
    bool molarMode = false;  // element clicks build a compound instead of opening a sheet
    int nextFreeRow = 1;     // next row of the molar-mass grid
    GraphSelection graph;    // the chart properties chosen, read by the chart windows
    // Bar heights of the 3-D graph by atomic number - 1, written by the Graph 3D command
    // and read by each 3-D control when it builds its picture.
    std::array<double, ElementTable::ElementCount> heights{};
};
