#pragma once

class QWidget;
class TFormgr;
struct GraphSelection;

// The chart commands of the main window: the properties asked with the chooser, then the
// chart window shown modally over `parent`. Closing a chooser without confirming ends the
// command quietly.
namespace ChartCommands {

void GraphXY1Click(TFormgr &chooser, GraphSelection &selection, QWidget *parent);
void GraphLC1Click(TFormgr &chooser, GraphSelection &selection, QWidget *parent);

} // namespace ChartCommands
