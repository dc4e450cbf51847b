#pragma once

#include <QtPlugin>

#include <memory>

class ElementRecords;
class ElementStore;
class PrinterChoice;
class QWidget;
struct PictureSaves;
struct ProgramState;
struct TablePicture;

// What the main window hands to the graphics module: the program-wide state, the element
// data, where pictures are saved, and the window the module's dialogs open over. None is
// owned; all outlive the module's objects.
struct GraphicsContext
{
    ProgramState &state;
    const ElementStore &store;
    PictureSaves &pictures;
    QWidget *window;
};

// The commands of the main window that the charts, the 3-D graph, printing and the picture
// files carry out. They live in a module loaded at their first use, so that the program
// starts without the chart, print, SVG and metafile libraries. Each command returns when
// its windows and dialogs are closed; an error is raised as it is, for the caller's guard.
class Graphics
{
public:
    virtual ~Graphics() = default;

    // Graph XY and Graph L/C: the properties asked with the chooser, then the chart.
    virtual void graphXY() = 0;
    virtual void graphLC() = 0;
    // Graph 3D: one property chosen, and the bars of `records` in the 3-D window.
    virtual void graph3D(const ElementRecords &records) = 0;

    // The table's picture printed on the choice of `printers` (the system's default
    // printer, else the print dialog, when null), saved under a name asked in the save
    // dialog, or copied to the clipboard.
    virtual void printTable(const TablePicture &picture, const PrinterChoice *printers) = 0;
    virtual void saveTable(const TablePicture &picture) = 0;
    virtual void copyTable(const TablePicture &picture) = 0;
};

// The module's entry: makes the commands of one main window.
class GraphicsFactory
{
public:
    virtual ~GraphicsFactory() = default;
    virtual std::unique_ptr<Graphics> make(const GraphicsContext &context) = 0;
};

#define MIRELON_GRAPHICS_IID "fr.mirelon.Mirelon.Graphics/1"
Q_DECLARE_INTERFACE(GraphicsFactory, MIRELON_GRAPHICS_IID)
