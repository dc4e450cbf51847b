#pragma once

#include <QString>

// One column of the sets grid: the field it shows, its title (the text before a vertical bar
// above the text after it) and its width in pixels. Only the starting columns have a look of
// their own.
struct SetsColumn
{
    enum class Look { Plain, Key, Centred }; // Key: bold on the button face

    QString field;
    QString title;
    int width = 0;
    Look look = Look::Plain;
};
