#include "controls/TAOLButton.h"

#include <QPainter>

TAOLButton::TAOLButton(QWidget *parent)
    : HoverButton(parent, QSize(89, 23), QColor(0x34, 0x69, 0xA5), Qt::white)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void TAOLButton::setRaiseColor(const QColor &color)
{
    m_raiseColor = color;
    showLook(Look::Normal);
}

void TAOLButton::paintLook(QPainter &painter, Look look)
{
    const int w = width();
    const int h = height();
    const QSize text = captionSize();
    const QPoint captionAt(w / 2 - text.width() / 2, h / 2 - text.height() / 2);
    fillInnerArea(painter, size(), Color());
    if (look == Look::Pressed) {
        painter.fillRect(1, 1, w - 2, 1, Qt::black);
        drawCaption(painter, captionAt + QPoint(2, 2), FontColor());
    } else {
        // Two-pixel highlight bands along the left and top, dark bands along the
        // right and bottom, all inside the frame.
        painter.fillRect(1, 1, 2, h - 2, m_raiseColor);
        painter.fillRect(1, 1, w - 2, 2, m_raiseColor);
        painter.fillRect(w - 3, 1, 2, h - 2, Qt::black);
        painter.fillRect(1, h - 3, w - 2, 2, Qt::black);
        drawCaption(painter, captionAt, FontColor());
    }
    drawFrame(painter, size(), Qt::black);
}
