#include "data/GraphSelection.h"

void GraphSelection::confirmCurrent()
{
    (xTitle.isEmpty() ? xTitle : yTitle) = currentTitle;
    (xColumn.isEmpty() ? xColumn : yColumn) = currentColumn;
}

void GraphSelection::clearXY()
{
    clearX();
    yTitle.clear();
    yColumn.clear();
}

void GraphSelection::clearX()
{
    xTitle.clear();
    xColumn.clear();
}
