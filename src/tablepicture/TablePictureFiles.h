#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

class QPrinter;
struct TablePicture;

// A table picture as the files, the clipboard and the printer take it: a PNG at twice the
// natural size, for sharpness on paper and on high-density screens; SVG and an A4
// landscape PDF, both vector.
namespace TablePictureFiles {

// The picture types, in the order of the save dialog's entries.
enum class Format { Png, Svg, Pdf };

inline constexpr int PngScale = 2;

// The file name to write for the name chosen under the entry of `format`: a name without
// any extension gets the type's; a name with one is kept as it is.
QString withExtension(const QString &name, Format format);

// The type to write under the completed name `name` chosen with the entry of `entry`: the
// type its extension names (".png", ".svg", ".pdf", in any case), so that a file is what
// its name says, else the entry's.
Format formatFor(const QString &name, Format entry);

// The picture at PngScale times its natural size.
QImage image(const TablePicture &picture);

// The bytes of the file of the given type; nothing when the picture could not be made.
std::optional<QByteArray> file(const TablePicture &picture, Format format);

// Prints the picture on one page, as large as the page allows, centred, in the printer's
// orientation. False when the printer could not be used.
bool print(const TablePicture &picture, QPrinter &printer);

} // namespace TablePictureFiles
