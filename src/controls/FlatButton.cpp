#include "controls/FlatButton.h"

#include <QApplication>
#include <QPalette>

FlatButton::FlatButton(QWidget *parent, QSize defaultSize, QColor fontColor, QColor border,
                       QColor lit, const QFont *font)
    : HoverButton(parent, defaultSize, QApplication::palette().color(QPalette::Button), fontColor,
                  font),
      m_colorBorder(border), m_colorOver(lit), m_colorDown(lit)
{}

void FlatButton::setColorBorder(const QColor &color)
{
    m_colorBorder = color;
    showLook(Look::Normal);
}

QColor FlatButton::fillOf(Look look) const
{
    switch (look) {
    case Look::Hover:
        return m_colorOver;
    case Look::Pressed:
        return m_colorDown;
    case Look::Normal:
        break;
    }
    return Color();
}

QColor FlatButton::captionColourOf(Look look) const
{
    return look == Look::Normal ? FontColor() : m_colorOverCaption;
}
