#include "graph3d/Graph3DCommand.h"

#include "charts/TFormgr.h"
#include "data/ProgramState.h"
#include "graph3d/Graph3DHeights.h"
#include "graph3d/TMain3D.h"

namespace Graph3DCommand {

std::optional<QString> prepare(ProgramState &state, const ElementRecords &records,
                               const Chooser &chooser)
{
    state.graph.clearX();
    chooser(QStringLiteral("Proprieté"));
    if (state.graph.xColumn.isEmpty())
        return std::nullopt;
    // Collected apart first, so that a failure leaves the previous heights untouched.
    const Graph3DHeights::Values values = Graph3DHeights::read(records, state.graph.xColumn);
    state.heights = Graph3DHeights::heights(values);
    return QStringLiteral("Propriété : ") + state.graph.xTitle;
}

void run(ProgramState &state, const ElementRecords &records, TFormgr &chooser,
         PictureSaves &pictures, QWidget *parent)
{
    const std::optional<QString> caption =
        prepare(state, records, [&chooser](const QString &text) { chooser.choose(text); });
    if (!caption)
        return;
    TMain3D window(state.heights, parent);
    window.setWindowTitle(*caption);
    window.setPictureSaves(&pictures);
    window.exec();
}

} // namespace Graph3DCommand
