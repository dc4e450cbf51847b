#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

class ElementChart;
class QPrinter;

// What the chart windows do with a chart besides showing it: print it, copy it to the
// clipboard, save it as a bitmap or a Windows metafile.
namespace ChartExport {

// The picture types, in the order of the save dialog's filter entries. PNG, SVG and PDF
// carry the chart's title above it.
enum class Format { Bmp, Wmf, Emf, Png, Svg, Pdf };

// « Y en fonction de X », from the chart's axis titles.
QString title(const ElementChart &chart);

// The file name to write for the name chosen under the filter entry of `format`: a name
// without any extension gets the type's; a name with one is kept as it is.
QString withExtension(const QString &name, Format format);

// The chart drawn at its on-screen size.
QImage bitmap(ElementChart &chart);
void copyToClipboard(ElementChart &chart);

// The chart as a file of the given type: a bitmap of its on-screen size, or a metafile
// of the same size in which nothing strays outside the axes that the screen clips, or the
// chart of that size under its title; nothing when the picture could not be made.
std::optional<QByteArray> pictureFile(ElementChart &chart, Format format);

// Prints the chart scaled to the page, in the printer's orientation. False when the
// printer could not be used.
bool print(ElementChart &chart, QPrinter &printer);

} // namespace ChartExport
