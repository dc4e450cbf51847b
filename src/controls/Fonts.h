#pragma once

#include <QFont>
#include <QString>

// Fonts named as the window layouts name them, with character heights in pixels.
QFont pixelFont(const QString &family, int pixelHeight, bool bold = false);

// Maps the layouts' Windows font names onto the metric-compatible fonts installed
// on Linux: Arial and MS Sans Serif onto Liberation Sans, Times New Roman onto
// Liberation Serif. Called once at start-up, before any window is built.
void installFontSubstitutions();
