#pragma once

#include <QSize>

// The window layouts give outer sizes of windows with a sizeable four-pixel frame and a
// 19-pixel caption; the client area the controls are placed in is that much smaller.
namespace WindowFrame {

inline constexpr int FrameWidth = 8;
inline constexpr int FrameHeight = 27;

constexpr QSize clientSize(QSize outer)
{
    return {outer.width() - FrameWidth, outer.height() - FrameHeight};
}

} // namespace WindowFrame
