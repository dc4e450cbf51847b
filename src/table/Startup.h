#pragma once

#include <memory>

class DataFolder;
class MirelonApplication;
class TForm1;
struct PictureSaves;
struct ProgramState;

// The program's start-up, shared by main() and the start-up benchmark.
namespace Startup {

// French locale and texts, and the font substitutions of the window layouts.
void prepare(MirelonApplication &app);

// Creates the main window and, hidden, the windows made once at start-up, on the data files
// of `folder`; the caller shows the main window. `state` and `pictures` must outlive it.
std::unique_ptr<TForm1> createWindows(ProgramState &state, const DataFolder &folder,
                                      PictureSaves &pictures);

} // namespace Startup
