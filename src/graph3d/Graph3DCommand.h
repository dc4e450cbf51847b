#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;
class TTextTable;
struct ProgramState;

// The Graph 3D command of the main window: one property chosen, its values turned into
// the bar heights, and a fresh 3-D window shown modally with "Propriété : " and the title.
namespace Graph3DCommand {

// A confirmed choice of the property chooser: the axis title and the property column.
struct PropertyChoice
{
    QString title;
    QString column;
};

// Shows the property chooser modally under `caption`; nothing when the user closed it
// without confirming.
using Chooser = std::function<std::optional<PropertyChoice>(const QString &caption)>;

// The steps before the window: the choice, the values of the main window's view `view`
// and the new heights in `state`. Returns the window's caption, or nothing when the choice
// was cancelled. A missing column or a value that is not a number raises its error and
// leaves the heights as they were.
std::optional<QString> prepare(ProgramState &state, TTextTable &view, const Chooser &chooser);

// The whole command; returns when the 3-D window is closed.
void run(ProgramState &state, TTextTable &view, const Chooser &chooser, QWidget *parent);

} // namespace Graph3DCommand
