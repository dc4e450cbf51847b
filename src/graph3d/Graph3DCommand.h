#pragma once

#include <QString>

#include <functional>
#include <optional>

class ElementRecords;
class QWidget;
class TFormgr;
struct PictureSaves;
struct ProgramState;

// The Graph 3D command of the main window: one property chosen, its values turned into
// the bar heights, and a fresh 3-D window shown modally with "Propriété : " and the title.
namespace Graph3DCommand {

// Shows the property chooser modally under `caption`; confirming fills the X title and
// the X column of the program's graph selection.
using Chooser = std::function<void(const QString &caption)>;

// The steps before the window: the choice, the values of the main window's records and the
// new heights in `state`. Returns the window's caption, or nothing when the
// chooser was closed without confirming. A missing column or a value that is not a
// number raises its error and leaves the heights as they were.
std::optional<QString> prepare(ProgramState &state, const ElementRecords &records,
                               const Chooser &chooser);

// The whole command with the program's chooser; returns when the 3-D window is closed. The
// window's image copy opens its save dialog where `pictures` says.
void run(ProgramState &state, const ElementRecords &records, TFormgr &chooser,
         PictureSaves &pictures, QWidget *parent);

} // namespace Graph3DCommand
