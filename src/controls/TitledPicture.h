#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPainter;

// A picture under its title, as the charts and the 3-D copy save it besides their bitmaps
// and metafiles: PNG, and SVG and PDF in vector form. The title is drawn centred in a band
// above the picture; the picture keeps its size in pixels (PDF: one pixel, one point).
namespace TitledPicture {

enum class Format { Png, Svg, Pdf };

// Draws the picture from (0, 0), `size` large, with the painter `MakePainter` made.
using Paint = std::function<void(QPainter &)>;
// A painter of the kind the picture needs, not yet begun; a plain QPainter when empty.
using MakePainter = std::function<std::unique_ptr<QPainter>()>;

// The band the title takes above the picture.
inline constexpr int TitleHeight = 28;

// The bytes of the file; nothing when the picture could not be made.
std::optional<QByteArray> file(Format format, QSize size, const QString &title, const Paint &paint,
                               const MakePainter &makePainter = {});

} // namespace TitledPicture
