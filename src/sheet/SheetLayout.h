#pragma once

#include "data/ElementColumns.h"

#include <array>

// The labelled data boxes of the property sheet's pages, one row per label: the label's
// text (its runs of spaces align the colons), the column its box shows, and where the box
// stands within its page.
namespace SheetLayout {

enum class Page { Macro, Micro, Abondances, Divers, Histoire };
// Memo: the two texts the user may edit in place, shown on two wrapped lines; the other
// windows show the same columns as plain text.
enum class Box { Line, Memo };

struct Row
{
    Page page;
    const char *label; // UTF-8
    Column column;
    Box box;
    int left;
    int top;
};

inline constexpr int RowCount = 61;
const std::array<Row, RowCount> &rows();

} // namespace SheetLayout
