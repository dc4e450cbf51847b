#pragma once

#include <array>

// The labelled data boxes of the property sheet's pages, one row per label: the label's
// text (its runs of spaces align the colons), the field its box shows, and where the box
// stands within its page.
namespace SheetLayout {

enum class Page { Macro, Micro, Abondances, Divers, Histoire };
enum class Box { Line, Memo };

struct Row
{
    Page page;
    const char *label; // UTF-8
    const char *field;
    Box box;
    int left;
    int top;
};

inline constexpr int RowCount = 61;
const std::array<Row, RowCount> &rows();

} // namespace SheetLayout
