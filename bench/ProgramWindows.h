#pragma once

// The one place where the benchmarks make the program's windows. Everything else in them
// reaches the windows' parts by object name, as a user reaches them by sight, so that a
// change of how the windows are made is met here alone.
#include "QtBenchmarkMain.h"
#include "ShippedStore.h"
#include "controls/PictureSaves.h"
#include "data/ProgramState.h"
#include "sheet/TForm2.h"
#include "table/TForm1.h"

#include <memory>

// What main() creates for the whole run and hands to the windows; outlives them.
struct ProgramWindows
{
    ProgramState state;
    PictureSaves pictures;

    // The main window on the shipped data files, not yet shown.
    std::unique_ptr<TForm1> mainWindow()
    {
        return std::make_unique<TForm1>(state, shippedStore(), pictures);
    }

    // The property sheet of element z, as a click on its button makes it, not yet shown.
    std::unique_ptr<TForm2> sheet(int z)
    {
        state.selectedElement = z;
        return std::make_unique<TForm2>(state, shippedStore());
    }
};
