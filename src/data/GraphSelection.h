#pragma once

#include "data/ChartProperties.h"

#include <QString>

// The properties chosen for the charts, handed from the property chooser to the chart
// windows and the 3-D graph. The current choice follows the chooser's list and is never
// emptied; the X and Y parts hold what was confirmed, empty meaning not chosen.
struct GraphSelection
{
    // The chooser's first property until a click chooses another.
    QString currentTitle = ChartProperties::all().front().axisTitle();
    QString currentColumn = ChartProperties::all().front().field();
    QString xTitle;
    QString xColumn;
    QString yTitle;
    QString yColumn;

    // Confirms the current choice: the title goes to X while the X title is empty, to Y
    // otherwise; the column likewise, judged on the X column alone.
    void confirmCurrent();
    // The starts of the commands: Graph XY empties both axes, Graph L/C only X.
    void clearXY();
    void clearX();
};
