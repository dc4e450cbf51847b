#pragma once

#include "controls/TBevelPanel.h"

class TTextTable;

// The small panel that shows the main data of the element under the mouse: its boxes are
// bound to the current record of the main window's hover view. A mouse move over the panel's
// own surface hides it.
class HoverPanel : public TBevelPanel
{
    Q_OBJECT

public:
    explicit HoverPanel(QWidget *parent = nullptr);

    // The view is not owned; it outlives the panel's use.
    void bind(TTextTable *view);

    // Tells a screen reader which element the boxes show now: the panel's accessible name
    // becomes the element's, its description the values with their captions. A changed name
    // is announced, and so is a changed description.
    void updateSpokenSummary();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};
