#include "tablepicture/TablePictureFiles.h"

#include "controls/PictureSaveDialog.h"
#include "tablepicture/TablePainter.h"
#include "tablepicture/TablePicture.h"
#include "tablepicture/TablePictureLayout.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

namespace TablePictureFiles {

namespace {

// Scales the picture to fit `page` and centres it there.
void paintOnPage(QPainter &painter, const QRectF &page, const TablePicture &picture)
{
    const QSizeF size = TablePictureLayout::of(picture).size;
    const double scale = qMin(page.width() / size.width(), page.height() / size.height());
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    TablePainter::paint(painter, picture);
}

std::optional<QByteArray> pngFile(const TablePicture &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image(picture).save(&buffer, "PNG"))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> svgFile(const TablePicture &picture)
{
    const QSizeF size = TablePictureLayout::of(picture).size;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // One picture unit is one CSS pixel, so that readers show the picture at its size.
    svg.setResolution(96);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(), size));
    svg.setTitle(picture.title);
    svg.setDescription(QStringLiteral("Mirelon"));
    QPainter painter;
    if (!painter.begin(&svg))
        return std::nullopt;
    TablePainter::paint(painter, picture);
    painter.end();
    return bytes;
}

std::optional<QByteArray> pdfFile(const TablePicture &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setTitle(picture.title);
    pdf.setCreator(QStringLiteral("Mirelon"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return std::nullopt;
    paintOnPage(painter, painter.viewport(), picture);
    painter.end();
    return bytes;
}

} // namespace

const char *const Extensions[] = {".png", ".svg", ".pdf"};

QString withExtension(const QString &name, Format format)
{
    return PictureSaveDialog::withExtension(name, Extensions[int(format)]);
}

Format formatFor(const QString &name, Format entry)
{
    for (const Format format : {Format::Png, Format::Svg, Format::Pdf})
        if (name.endsWith(QLatin1String(Extensions[int(format)]), Qt::CaseInsensitive))
            return format;
    return entry;
}

QImage image(const TablePicture &picture)
{
    const QSizeF size = TablePictureLayout::of(picture).size * PngScale;
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(PngScale, PngScale);
    TablePainter::paint(painter, picture);
    return image;
}

std::optional<QByteArray> file(const TablePicture &picture, Format format)
{
    switch (format) {
    case Format::Png:
        return pngFile(picture);
    case Format::Svg:
        return svgFile(picture);
    case Format::Pdf:
        return pdfFile(picture);
    }
    return std::nullopt;
}

bool print(const TablePicture &picture, QPrinter &printer)
{
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer))
        return false;
    paintOnPage(painter, painter.viewport(), picture);
    painter.end();
    return true;
}

} // namespace TablePictureFiles
