#include "modules/ProgramGraphics.h"

#include "charts/ChartCommands.h"
#include "charts/TFormgr.h"
#include "controls/PrinterChoice.h"
#include "data/ProgramState.h"
#include "graph3d/Graph3DCommand.h"

ProgramGraphics::ProgramGraphics(const GraphicsContext &context)
    : m_context(context), m_table(context.window, context.pictures)
{}

TFormgr &ProgramGraphics::chooser()
{
    if (!m_chooser)
        m_chooser = new TFormgr(m_context.state.graph, m_context.window);
    return *m_chooser;
}

void ProgramGraphics::graphXY()
{
    ChartCommands::GraphXY1Click(chooser(), m_context.state.graph, m_context.store,
                                 m_context.pictures, m_context.window);
}

void ProgramGraphics::graphLC()
{
    ChartCommands::GraphLC1Click(chooser(), m_context.state.graph, m_context.store,
                                 m_context.pictures, m_context.window);
}

void ProgramGraphics::graph3D(const ElementRecords &records)
{
    Graph3DCommand::run(m_context.state, records, chooser(), m_context.pictures, m_context.window);
}

void ProgramGraphics::printTable(const TablePicture &picture, const PrinterChoice *printers)
{
    m_table.print(picture, printers ? *printers : PrinterChoice());
}

void ProgramGraphics::saveTable(const TablePicture &picture)
{
    m_table.save(picture);
}

void ProgramGraphics::copyTable(const TablePicture &picture)
{
    TablePictureCommands::copy(picture);
}
