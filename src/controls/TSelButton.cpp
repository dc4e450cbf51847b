#include "controls/TSelButton.h"

#include <QPainter>

TSelButton::TSelButton(QWidget *parent)
    : FlatButton(parent, QSize(105, 20), QColor(0x80, 0x80, 0x80), QColor(0x80, 0x80, 0x80),
                 QColor(0x84, 0xB9, 0xA4))
{}

void TSelButton::setAlignment(CaptionAlignment alignment)
{
    m_alignment = alignment;
    showLook(Look::Normal);
}

void TSelButton::setBorderWidth(int width)
{
    m_borderWidth = width;
    showLook(Look::Normal);
}

QPoint TSelButton::captionPlace() const
{
    const QSize text = captionSize();
    const int y = height() / 2 - text.height() / 2;
    switch (m_alignment) {
    case CaptionAlignment::Center:
        return {width() / 2 - text.width() / 2, y};
    case CaptionAlignment::Right:
        return {width() - text.width() - 6, y};
    case CaptionAlignment::Left:
        break;
    }
    return {5, y};
}

void TSelButton::paintLook(QPainter &painter, Look look)
{
    painter.fillRect(rect(), fillOf(look));
    const bool pressed = look == Look::Pressed;
    drawCaption(painter, captionPlace() + (pressed ? QPoint(1, 1) : QPoint(0, 0)),
                captionColourOf(look));
    for (int i = 0; i < m_borderWidth; ++i)
        drawFrame(painter, size(), ColorBorder(), i);
}
