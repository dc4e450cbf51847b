#pragma once

#include "data/GraphSelection.h"

#include <QString>

#include <array>

// The column the sets window's chooser holds ready: set by a click on one of its entries
// and appended by its "OK", as many times as the user likes.
struct PendingColumn
{
    QString title; // "upper|lower" for a two-row title
    QString field;
    int width = 0; // pixels
};

// What the windows hand over to one another for the whole run: created once at start-up
// and passed by reference to the windows that read or write it. Nothing here is saved.
struct ProgramState
{
    int hoveredElement = 0;  // atomic number under the mouse, 0 before the first move
    int selectedElement = 0; // atomic number last clicked, read by the property sheet
    bool molarMode = false;  // element clicks build a compound instead of opening a sheet
    int nextFreeRow = 1;     // next row of the molar-mass grid
    GraphSelection graph;    // the chart properties chosen, read by the chart windows
    // Bar heights of the 3-D graph by atomic number - 1, written by the Graph 3D command
    // and read by each 3-D control when it builds its picture.
    std::array<double, 103> heights{};

    // The sets chooser's pending column: empty with a width of 0 until the first click.
    PendingColumn setsChoice;
};
