#pragma once

#include "controls/HoverButton.h"

// A flat button that lights up under the mouse: a frame colour, fills for the hover and
// pressed looks and a caption colour for both.
class FlatButton : public HoverButton
{
    Q_OBJECT
    Q_PROPERTY(QColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor ColorOver READ ColorOver WRITE setColorOver)
    Q_PROPERTY(QColor ColorDown READ ColorDown WRITE setColorDown)
    Q_PROPERTY(QColor ColorOverCaption READ ColorOverCaption WRITE setColorOverCaption)

public:
    QColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor &color);
    QColor ColorOver() const { return m_colorOver; }
    void setColorOver(const QColor &color) { m_colorOver = color; }
    QColor ColorDown() const { return m_colorDown; }
    void setColorDown(const QColor &color) { m_colorDown = color; }
    QColor ColorOverCaption() const { return m_colorOverCaption; }
    void setColorOverCaption(const QColor &color) { m_colorOverCaption = color; }

protected:
    // `border` is the frame colour; `lit` the fill of both the hover and pressed looks.
    FlatButton(QWidget *parent, QSize defaultSize, QColor fontColor, QColor border, QColor lit,
               const QFont *font = nullptr);

    // The fill and caption colour of a look.
    QColor fillOf(Look look) const;
    QColor captionColourOf(Look look) const;

private:
    QColor m_colorBorder;
    QColor m_colorOver;
    QColor m_colorDown;
    QColor m_colorOverCaption{Qt::black};
};
