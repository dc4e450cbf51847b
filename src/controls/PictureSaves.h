#pragma once

#include <QString>

#include <QStringList>

// Where the picture save dialogs open within a run: the folder of the last picture saved
// from any window, and the type (the entry of the dialog's list) last chosen for a chart;
// and the program's data files, which no picture may replace. One is made at start-up and
// handed to the commands that open the chart and 3-D windows; nothing here is saved.
struct PictureSaves
{
    QString folder; // empty until the first save: the working folder
    int chartType = 0;
    QStringList dataFiles; // the element table and the section files
};
