#include "graph3d/Graph3DCommand.h"

#include "data/ProgramState.h"
#include "graph3d/Graph3DHeights.h"
#include "graph3d/TMain3D.h"

namespace Graph3DCommand {

std::optional<QString> prepare(ProgramState &state, TTextTable &view, const Chooser &chooser)
{
    const std::optional<PropertyChoice> choice = chooser(QStringLiteral("Proprieté"));
    if (!choice || choice->column.isEmpty())
        return std::nullopt;
    // Collected apart first, so that a failure leaves the previous heights untouched.
    const Graph3DHeights::Values values = Graph3DHeights::read(view, choice->column);
    state.heights = Graph3DHeights::heights(values);
    return QStringLiteral("Propriété : ") + choice->title;
}

void run(ProgramState &state, TTextTable &view, const Chooser &chooser, QWidget *parent)
{
    const std::optional<QString> caption = prepare(state, view, chooser);
    if (!caption)
        return;
    TMain3D window(state.heights, parent);
    window.setWindowTitle(*caption);
    window.exec();
}

} // namespace Graph3DCommand
