#include "controls/TitledPicture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace TitledPicture {

namespace {

// The title band and the picture below it, on a white ground.
bool paintTitled(QPaintDevice *device, const MakePainter &make, QSize size, const QString &title,
                 const Paint &paint)
{
    const std::unique_ptr<QPainter> made = make ? make() : std::make_unique<QPainter>();
    QPainter &painter = *made;
    if (!painter.begin(device))
        return false;
    const QRect whole(0, 0, size.width(), size.height() + TitleHeight);
    painter.fillRect(whole, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, size.width(), TitleHeight), Qt::AlignCenter | Qt::TextSingleLine,
                     title);
    painter.save();
    painter.translate(0, TitleHeight);
    paint(painter);
    painter.restore();
    return painter.end();
}

std::optional<QByteArray> png(QSize size, const QString &title, const Paint &paint,
                              const MakePainter &make)
{
    QImage image(size.width(), size.height() + TitleHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!paintTitled(&image, make, size, title, paint))
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> svg(QSize size, const QString &title, const Paint &paint,
                              const MakePainter &make)
{
    const QSize whole(size.width(), size.height() + TitleHeight);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(96);
    generator.setSize(whole);
    generator.setViewBox(QRect(QPoint(), whole));
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("Mirelon"));
    if (!paintTitled(&generator, make, size, title, paint))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> pdf(QSize size, const QString &title, const Paint &paint,
                              const MakePainter &make)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(size.width(), size.height() + TitleHeight), QPageSize::Point),
                    QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Mirelon"));
    if (!paintTitled(&writer, make, size, title, paint))
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<QByteArray> file(Format format, QSize size, const QString &title, const Paint &paint,
                               const MakePainter &makePainter)
{
    switch (format) {
    case Format::Png:
        return png(size, title, paint, makePainter);
    case Format::Svg:
        return svg(size, title, paint, makePainter);
    case Format::Pdf:
        return pdf(size, title, paint, makePainter);
    }
    return std::nullopt;
}

} // namespace TitledPicture
