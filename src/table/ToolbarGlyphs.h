#pragma once

class QPixmap;

// The 20 x 20 pictures of the three chart buttons of the toolbar.
namespace ToolbarGlyphs {
QPixmap graphXY();
QPixmap graphLC();
QPixmap graph3D();
} // namespace ToolbarGlyphs
