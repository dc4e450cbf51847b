#pragma once

class ElementStore;
class QWidget;
class TFormgr;
struct GraphSelection;
struct PictureSaves;

// The chart commands of the main window: the properties asked with the chooser, then the
// chart window on the records of `store` shown modally over `parent`, its save
// dialog opening where `pictures` says. Closing a chooser without confirming ends the
// command quietly.
namespace ChartCommands {

void GraphXY1Click(TFormgr &chooser, GraphSelection &selection, const ElementStore &store,
                   PictureSaves &pictures, QWidget *parent);
void GraphLC1Click(TFormgr &chooser, GraphSelection &selection, const ElementStore &store,
                   PictureSaves &pictures, QWidget *parent);

} // namespace ChartCommands
