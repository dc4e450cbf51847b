#pragma once

#include <memory>

class MirelonApplication;
class TForm1;
struct ProgramState;

// The program's start-up, shared by main() and the start-up benchmark.
namespace Startup {

// French locale and texts, and the font substitutions of the window layouts.
void prepare(MirelonApplication &app);

// Creates the main window and, hidden, the windows made once at start-up; the
// caller shows the main window.
std::unique_ptr<TForm1> createWindows(ProgramState &state);

} // namespace Startup
