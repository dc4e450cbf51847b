#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class DataFolder;
class ElementStore;
class MirelonApplication;
class TForm1;
struct PictureSaves;
struct ProgramState;

// The program's start-up, shared by main() and the start-up benchmark.
namespace Startup {

// What the command line asks for. `--origine <dossier>` (or `--origine=<dossier>`) names the
// folder of the tables shipped with the program; the working directory then holds the user's
// own copy of them, brought up to them at start. Without it the working directory's tables
// are the user's own choosing, and stay as they are.
struct Arguments
{
    QString origin; // absolute; empty without the option
    QString error;  // for the user, in French; empty when the command line is right
};
Arguments readArguments(const QStringList &arguments);

// French locale and texts, and the font substitutions of the window layouts.
void prepare(MirelonApplication &app);

// Brings the user's copy of the tables in `folder` up to the shipped ones, telling the user
// in a message box what happened when there is anything to tell.
void refreshUserCopy(const DataFolder &folder);

// Creates the main window, and the makers of the windows it opens, on the element data
// of `store` (opened by the main window); the caller shows the main window. `state`, `store`
// and `pictures` must outlive it.
std::unique_ptr<TForm1> createWindows(ProgramState &state, ElementStore &store,
                                      PictureSaves &pictures);

} // namespace Startup
