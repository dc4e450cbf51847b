#include "controls/TSelButton.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

TSelButton::TSelButton(QWidget *parent)
    : HoverButton(parent, QSize(105, 20), QApplication::palette().color(QPalette::Button),
                  QColor(0x80, 0x80, 0x80))
{}

void TSelButton::setColorBorder(const QColor &color)
{
    m_colorBorder = color;
    showLook(Look::Normal);
}

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
    const QColor fills[] = {Color(), m_colorOver, m_colorDown};
    painter.fillRect(rect(), fills[static_cast<int>(look)]);
    const bool pressed = look == Look::Pressed;
    drawCaption(painter, captionPlace() + (pressed ? QPoint(1, 1) : QPoint(0, 0)),
                look == Look::Normal ? FontColor() : m_colorOverCaption);
    for (int i = 0; i < m_borderWidth; ++i)
        drawFrame(painter, size(), m_colorBorder, i);
}
