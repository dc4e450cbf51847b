#pragma once

#include <QString>

#include <array>

// The 43 entries of the main window's colouring list, in their fixed order: the
// category modes, two separator lines, and the numeric properties with the column
// each one colours by and the title of its legend.
namespace ColouringEntries {

struct Entry
{
    const char *text;   // UTF-8, as the list shows it
    const char *column; // numeric entries only
    const char *title;  // numeric entries only
};

inline constexpr int Count = 43;
inline constexpr int FirstNumeric = 8;

const std::array<Entry, Count> &entries();
QString text(int index);

} // namespace ColouringEntries
