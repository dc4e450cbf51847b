#include "graph3d/ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

ColourSwatch::ColourSwatch(const QString &caption, QWidget *parent)
    : TBevelPanel(parent), m_caption(caption)
{
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::paintEvent(QPaintEvent *event)
{
    TBevelPanel::paintEvent(event);
    QPainter painter(this);
    // The caption stays readable on dark colours, saturated blues and reds included.
    painter.setPen(qGray(Color().rgb()) < 110 ? Qt::white : Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
