#pragma once

// The element store on the shipped data files, read once for the whole run as the program's
// start reads it; the windows a benchmark makes show it.
#include "QtBenchmarkMain.h"
#include "data/ElementStore.h"

inline ElementStore &shippedStore()
{
    static ElementStore store(shippedData());
    store.open();
    return store;
}
