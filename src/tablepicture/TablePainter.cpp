#include "tablepicture/TablePainter.h"

#include "controls/Fonts.h"
#include "data/ElementSymbols.h"
#include "tablepicture/CaptionInk.h"
#include "tablepicture/TablePicture.h"
#include "tablepicture/TablePictureLayout.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The element buttons' frame colour, and the quieter ink of the labels around the table.
const QColor CellBorder(0x99, 0x8F, 0x82);
const QColor LabelInk(0x40, 0x40, 0x40);
const QColor LegendBorder(0xB0, 0xB0, 0xB0);
const QColor LegendBackground(0xF7, 0xF7, 0xF7);

QFont arial(int pixelHeight, bool bold)
{
    return pixelFont(QStringLiteral("Arial"), pixelHeight, bold);
}

void drawTexts(QPainter &painter, const std::vector<TablePictureLayout::Text> &texts,
               Qt::Alignment alignment)
{
    for (const TablePictureLayout::Text &text : texts)
        painter.drawText(text.rect, int(alignment), text.text);
}

void drawFrame(QPainter &painter, const TablePictureLayout &layout, const TablePicture &picture)
{
    painter.fillRect(QRectF(QPointF(), layout.size), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(arial(22, true));
    painter.drawText(layout.title, Qt::AlignCenter, picture.title);
    painter.setPen(LabelInk);
    painter.setFont(arial(12, true));
    drawTexts(painter, layout.groupLabels, Qt::AlignHCenter | Qt::AlignBottom);
    drawTexts(painter, layout.periodLabels, Qt::AlignRight | Qt::AlignVCenter);
}

void drawCells(QPainter &painter, const TablePictureLayout &layout, const TablePicture &picture)
{
    const QFont numberFont = arial(9, false);
    const QFont symbolFont = arial(16, true);
    for (int z = 1; z <= TablePicture::ElementCount; ++z) {
        const QRectF &cell = layout.cell(z);
        const TablePicture::Look &look = picture.element(z);
        painter.setPen(QPen(CellBorder, 1));
        painter.setBrush(look.fill);
        painter.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        painter.setPen(CaptionInk::legible(look.fill, look.caption));
        painter.setFont(numberFont);
        painter.drawText(TablePictureLayout::numberRect(cell), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(z));
        painter.setFont(symbolFont);
        painter.drawText(TablePictureLayout::symbolRect(cell), Qt::AlignCenter,
                         ElementSymbols::symbol(z));
    }
}

void drawScale(QPainter &painter, const TablePictureLayout &layout,
               const TablePicture::Scale &scale)
{
    QLinearGradient grey(layout.scaleBar.topLeft(), layout.scaleBar.topRight());
    grey.setColorAt(0, Qt::white);
    grey.setColorAt(1, Qt::black);
    painter.setPen(QPen(Qt::black, 0.75));
    painter.setBrush(grey);
    painter.drawRect(layout.scaleBar);
    painter.drawText(layout.scaleLow, Qt::AlignLeft | Qt::AlignVCenter, scale.low);
    painter.drawText(layout.scaleHigh, Qt::AlignRight | Qt::AlignVCenter, scale.high);
}

void drawLegend(QPainter &painter, const TablePictureLayout &layout,
                const TablePicture::Legend &legend)
{
    painter.setPen(QPen(LegendBorder, 1));
    painter.setBrush(LegendBackground);
    painter.drawRoundedRect(layout.legend, 4, 4);
    painter.setPen(Qt::black);
    painter.setFont(arial(12, true));
    painter.drawText(layout.heading, Qt::AlignLeft | Qt::AlignVCenter, legend.heading);
    painter.setFont(arial(11, true));
    if (legend.scale)
        drawScale(painter, layout, *legend.scale);
    for (std::size_t i = 0; i < legend.rows.size(); ++i) {
        painter.setPen(QPen(Qt::black, 0.75));
        painter.setBrush(legend.rows[i].colour);
        painter.drawRect(layout.swatches[i]);
        painter.drawText(layout.captions[i], Qt::AlignLeft | Qt::AlignVCenter,
                         legend.rows[i].caption);
    }
    for (int i = 0; i < legend.notes.size(); ++i)
        painter.drawText(layout.notes[std::size_t(i)], Qt::AlignLeft | Qt::AlignVCenter,
                         legend.notes[i]);
}

} // namespace

namespace TablePainter {

void paint(QPainter &painter, const TablePicture &picture)
{
    const TablePictureLayout layout = TablePictureLayout::of(picture);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawFrame(painter, layout, picture);
    drawCells(painter, layout, picture);
    if (picture.legend)
        drawLegend(painter, layout, *picture.legend);
    painter.restore();
}

} // namespace TablePainter
