#pragma once

#include <QColor>

// The colour an element's caption is drawn in, on the screen as on paper: the button's own,
// unless it stands out from the fill by less than the contrast that text of the captions'
// size needs to be read (4,5:1; black on navy is 1,3:1, white on mid-grey 2,5:1), when black
// or white, whichever stands out more. The fills are never changed.
namespace CaptionInk {

inline constexpr double ReadableContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white), by their
// relative luminances in sRGB.
double contrast(const QColor &a, const QColor &b);

QColor legible(const QColor &fill, const QColor &caption);

} // namespace CaptionInk
