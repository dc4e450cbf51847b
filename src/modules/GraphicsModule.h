#pragma once

#include "modules/Graphics.h"

#include <QString>
#include <QStringList>

// Finds and loads the graphics module: the one linked into the program when there is one (the
// tests link it), else the file beside the program (the build tree) or in the private folder
// of the installed program.
namespace GraphicsModule {

inline constexpr char FileName[] = "libmirelon-graphiques.so";

// Beside the program, then the installed private folder.
QStringList folders();

struct Loaded
{
    GraphicsFactory *factory = nullptr; // owned by Qt's plugin loader, never unloaded
    QString error;                      // for the user, in French, naming the file
};

// The module of the first of `folders` that holds its file; without one, or when that file
// does not load, the error says which file and why.
Loaded load(const QStringList &folders);

// The module linked into the program, if any.
GraphicsFactory *linked();

} // namespace GraphicsModule
