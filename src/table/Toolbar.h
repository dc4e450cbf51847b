#pragma once

#include <array>

class QAction;
class QComboBox;
class QToolButton;
class QWidget;
class TBevelPanel;
class TEncartaButton;

// The tool bar's controls as Toolbar::build made them; the speed bar is owned by the client
// area it was built on, the others by the speed bar.
struct ToolbarControls
{
    TBevelPanel *speedBar = nullptr;             // SpeedBar1, across the top of the client area
    std::array<QToolButton *, 3> imageButtons{}; // Graph XY, L/C, 3D
    TEncartaButton *modeButton = nullptr;        // "Mode M / %"
    QComboBox *colouringList = nullptr;          // combobox1, the colouring modes
};

// The main window's tool bar: the three image buttons of the graphs, the molar-mass mode's
// button and the colouring list.
namespace Toolbar {

// The tool bar on `client`, `width` wide. Each image button shows and triggers its action of
// `graphActions` (Graph XY, L/C, 3D), which takes the button's glyph, left out of the menu.
ToolbarControls build(QWidget *client, int width, const std::array<QAction *, 3> &graphActions);

} // namespace Toolbar
