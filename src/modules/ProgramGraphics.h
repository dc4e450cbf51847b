#pragma once

#include "modules/Graphics.h"
#include "tablepicture/TablePictureCommands.h"

#include <QPointer>

class TFormgr;

// The graphics commands of one main window, inside the module: the chart and 3-D commands
// on the chooser made at the first of them and kept for the later ones, and the table
// picture's commands.
class ProgramGraphics final : public Graphics
{
public:
    explicit ProgramGraphics(const GraphicsContext &context);

    void graphXY() override;
    void graphLC() override;
    void graph3D(const ElementRecords &records) override;
    void printTable(const TablePicture &picture, const PrinterChoice *printers) override;
    void saveTable(const TablePicture &picture) override;
    void copyTable(const TablePicture &picture) override;

private:
    TFormgr &chooser();

    GraphicsContext m_context;
    QPointer<TFormgr> m_chooser; // owned by the window
    TablePictureCommands m_table;
};
