#pragma once

#include <QScreen>
#include <QWidget>

// Places a window, frame included, in the middle of its screen's free area.
inline void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}
