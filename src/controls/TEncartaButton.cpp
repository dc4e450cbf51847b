#include "controls/TEncartaButton.h"

#include <QBitmap>
#include <QPainter>

TEncartaButton::TEncartaButton(QWidget *parent)
    : FlatButton(parent, QSize(86, 22), Qt::black, QColor(0x99, 0x8F, 0x82),
                 QColor(0xD8, 0xBE, 0x0A))
{}

TEncartaButton::TEncartaButton(QWidget *parent, const QFont &font)
    : FlatButton(parent, QSize(86, 22), Qt::black, QColor(0x99, 0x8F, 0x82),
                 QColor(0xD8, 0xBE, 0x0A), &font)
{}

void TEncartaButton::setShowCaption(bool show)
{
    m_showCaption = show;
    showLook(Look::Normal);
}

void TEncartaButton::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    if (!m_glyph.isNull()) {
        // The colour of the top-left pixel is the glyph's transparent colour.
        const QImage image = m_glyph.toImage();
        m_glyph.setMask(
            QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, 0), Qt::MaskInColor)));
    }
    update();
}

void drawBevel(QPainter &painter, QSize size, bool raised)
{
    const int w = size.width();
    const int h = size.height();
    const QColor topLeft(raised ? BevelLight : BevelDark);
    const QColor bottomRight(raised ? BevelDark : BevelLight);
    painter.fillRect(0, 1, 1, h - 2, topLeft); // left edge, y = h - 2 up to 1
    painter.fillRect(0, 0, w - 1, 1, topLeft); // top edge, x = 0 to w - 2
    painter.fillRect(w - 1, 0, 1, h, bottomRight);
    painter.fillRect(0, h - 1, w, 1, bottomRight);
}

void TEncartaButton::paintLook(QPainter &painter, Look look)
{
    // The frame is drawn over the content. A caption alone that keeps clear of the frame
    // lets the frame go first, as one fill under the inner area: four fills fewer for each
    // of the table's buttons at every colouring.
    const QRect inner(1, 1, width() - 2, height() - 2);
    if (m_glyph.isNull() &&
        (!m_showCaption || inner.contains(captionInk().translated(captionPlace(look))))) {
        painter.fillRect(rect(), ColorBorder());
        fillInnerArea(painter, size(), fillOf(look));
        drawContent(painter, look);
    } else {
        fillInnerArea(painter, size(), fillOf(look));
        drawContent(painter, look);
        drawFrame(painter, size(), ColorBorder());
    }
    if (look != Look::Normal)
        drawBevel(painter, size(), look == Look::Hover);
}

QPoint TEncartaButton::captionPlace(Look look) const
{
    const QSize text = captionSize();
    const QPoint offset = look == Look::Pressed ? QPoint(1, 1) : QPoint(0, 0);
    return QPoint(width() / 2 - text.width() / 2, height() / 2 - text.height() / 2) + offset;
}

void TEncartaButton::drawContent(QPainter &painter, Look look) const
{
    const int w = width();
    const int h = height();
    const QSize text = captionSize();
    const QPoint offset = look == Look::Pressed ? QPoint(1, 1) : QPoint(0, 0);
    const QColor captionColor = captionColourOf(look);
    if (m_glyph.isNull()) {
        if (m_showCaption)
            drawCaption(painter, captionPlace(look), captionColor);
        return;
    }
    const int gw = m_glyph.width();
    const int gh = m_glyph.height();
    if (!m_showCaption) {
        painter.drawPixmap(QPoint(w / 2 - gw / 2, h / 2 - gh / 2) + offset, m_glyph);
        return;
    }
    painter.drawPixmap(QPoint(w / 2 - (gw + text.width()) / 2 - 1, h / 2 - gh / 2) + offset,
                       m_glyph);
    drawCaption(painter,
                QPoint(w / 2 + (gw - text.width()) / 2 + 4, h / 2 - text.height() / 2) + offset,
                captionColor);
}
