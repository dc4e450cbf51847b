#pragma once

#include "data/ElementTable.h"
#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// What a picture of the periodic table shows, as a value: each element's fill and caption
// colour, the title line naming the colouring, and that colouring's legend. The main window
// makes it from what it shows; the picture is drawn from it alone, so a print or a file is
// the same whatever the mouse is doing.
struct TablePicture
{
    static constexpr int ElementCount = ElementTable::ElementCount;

    struct Look
    {
        QColor fill{0xF0, 0xF0, 0xF0};
        QColor caption{Qt::black};
    };

    // One swatch of the legend and its caption.
    struct Row
    {
        QColor colour;
        QString caption;
    };

    // A grey scale drawn from white to black, captioned at both ends.
    struct Scale
    {
        QString low;
        QString high;
    };

    struct Legend
    {
        QString heading; // above the rows; empty for none
        std::optional<Scale> scale;
        std::vector<Row> rows;
        QStringList notes; // lines beside the rows: the temperature, the year
    };

    QString title;
    std::array<Look, ElementCount> elements{}; // by atomic number - 1
    std::optional<Legend> legend;              // nothing for the plain table

    const Look &element(int z) const { return elements[static_cast<std::size_t>(z - 1)]; }
    Look &element(int z) { return elements[static_cast<std::size_t>(z - 1)]; }
};
