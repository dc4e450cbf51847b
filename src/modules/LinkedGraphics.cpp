// The graphics module linked into a program (the tests) instead of loaded from its file.
#include <QtPlugin>

Q_IMPORT_PLUGIN(GraphicsPlugin)
