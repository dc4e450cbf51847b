#pragma once

#include "data/ElementColumns.h"
#include "data/ElementTable.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class ElementRecords;

// The colouring modes of the main window as one table: each entry of the colouring list is one
// mode, with its rule (the records to each element button's look and what the button then says
// to a screen reader) and the legend that explains it, on screen and in the table's picture.
// The list, the colourist, the legends and the picture all read this table and nothing else,
// so a mode is added by adding its entry.
namespace ColouringModes {

inline constexpr int ElementCount = ElementTable::ElementCount;

// One swatch of a legend. The rule of a mode that colours by an exact text of its column gives
// an element the colour of the row whose `value` is that text.
struct Row
{
    QString value{};   // text of the mode's column; empty where the rule is no text match
    QString caption{}; // the legend's caption, its blanks included
    QRgb colour = 0;
};
using Rows = std::vector<Row>;

// The colour of the row whose value is exactly `text`; nothing for any other text.
std::optional<QColor> colourOf(const Rows &rows, QStringView text);

// A box of a legend, where it stands in the panel and what a screen reader calls it.
struct Box
{
    const char *name; // object name
    const char *accessibleName;
    QPoint at{};
};

// The whole number a mode is applied with, chosen in a spin edit of its legend; its note is
// the picture's line for it, "%1" standing for the spin edit's text.
struct Parameter
{
    Box box{};
    int minimum = 0;
    int maximum = 0;
    int start = 0;
    const char *note = "";
};

// A read-only box of a legend showing a text worked out from the parameter once the mode is
// applied; its note is the picture's line for it, "%1" standing for the box's text.
struct Readout
{
    Box box{};
    std::function<QString(int parameter)> text{};
    const char *note = "";
};

// A fixed text of a legend panel.
struct Text
{
    int left = 0;
    int top = 0;
    const char *caption = "";
};

// A legend panel right of the table, built hidden and shown while its mode is applied. The
// numeric modes share one.
struct Legend
{
    const char *name; // object name
    QRect geometry{};
    int firstRow = 0; // the rows stand 16 pixels apart from here
    Rows rows{};
    std::vector<Text> texts{};
    std::optional<Parameter> parameter{};
    std::vector<Readout> readouts{};
    // A heading naming the mode's property and a box with the hovered element's value of the
    // mode's column. Such a legend is shown before the values are read, so that it stays when
    // one does not convert.
    bool valueBox = false;
    // The picture shows the first two rows as the ends of a grey scale, the greatest value
    // first, the others as rows.
    bool greyScale = false;
    // The picture's title names the colouring list's text rather than the mode's own.
    bool titledByEntry = false;
};

// One button's look. Every mode sets the caption colour, from black.
struct Look
{
    std::optional<QColor> fill{}; // nothing: the button keeps the fill it has
    QColor caption = QColor(0, 0, 0);
};

using Descriptions = std::array<QString, ElementCount>; // element z at z - 1

// What a mode makes of the records: the looks of the element buttons and what each then says.
struct Readings
{
    std::array<Look, ElementCount> looks{};
    // Nothing where the mode changes no button, so that the buttons keep what they said.
    std::optional<Descriptions> descriptions{};
    // The conversion error that stopped the mode, with the platform's message: the element
    // that raised it and those after it keep their fills.
    std::optional<QString> error{};
};

// What a mode is applied with.
struct Input
{
    // The legend's parameter; nothing when its spin edit is empty, and the mode then changes
    // no button.
    std::optional<int> parameter{};
    QColor face{}; // the system's button face, the plain table's fill
};

using Rule = std::function<Readings(const ElementRecords &, const Input &)>;

// What a rule of one element gives: its fill (nothing: kept) and what it says. A value that is
// not a number raises EConvertError, which stops the filling at that element.
struct Verdict
{
    std::optional<QColor> fill{};
    QString description{};
};
using ElementRule = std::function<Verdict(const ElementRecords &, int z, int parameter)>;
// The rule that applies `rule` to the elements in atomic-number order.
Rule eachElement(ElementRule rule);

struct Mode
{
    QString text{};                 // the colouring list's entry, compared exactly and with case
    const Legend *legend = nullptr; // nothing: the plain table, the legends hidden
    Rule rule{};
    QString heading{};                   // the value-box legend's heading
    std::optional<Column> valueColumn{}; // the column of the value-box legend's box
};

// The modes in the list's order, and the mode of a text that is none of theirs.
struct Table
{
    std::vector<const Legend *> legends{}; // each once, in the order they are built
    std::vector<Mode> modes{};
    Mode fallback{};

    QStringList entries() const;
    // The first mode whose text is exactly `entryText`, or the fallback.
    const Mode &modeOf(const QString &entryText) const;
    // The first mode shown with `legend`; null for none.
    const Mode *ownerOf(const Legend *legend) const;
};

// The modes of the program: "Defaut", a separator line, "Groupe", "Blocs s/p/d/f",
// "Acide-Base", "Etat Physique", "Decouverte", a separator line, then a grey scale for each of
// the chartable properties. A separator or any other text is a grey scale of no column.
const Table &shipped();

// The readings of `mode`: nothing changes for a mode whose parameter is not given.
Readings readings(const Mode &mode, const ElementRecords &records, const Input &input);

} // namespace ColouringModes
