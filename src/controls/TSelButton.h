#pragma once

#include "controls/HoverButton.h"

// A flat button with a caption alignment and a frame of chosen width and no bevel:
// the "OK" button of the molar-mass element dialog.
class TSelButton : public HoverButton
{
    Q_OBJECT
    Q_PROPERTY(QColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor ColorOver READ ColorOver WRITE setColorOver)
    Q_PROPERTY(QColor ColorDown READ ColorDown WRITE setColorDown)
    Q_PROPERTY(QColor ColorOverCaption READ ColorOverCaption WRITE setColorOverCaption)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)

public:
    enum class CaptionAlignment { Left, Right, Center };

    explicit TSelButton(QWidget *parent = nullptr);

    QColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor &color);
    QColor ColorOver() const { return m_colorOver; }
    void setColorOver(const QColor &color) { m_colorOver = color; }
    QColor ColorDown() const { return m_colorDown; }
    void setColorDown(const QColor &color) { m_colorDown = color; }
    QColor ColorOverCaption() const { return m_colorOverCaption; }
    void setColorOverCaption(const QColor &color) { m_colorOverCaption = color; }
    CaptionAlignment Alignment() const { return m_alignment; }
    void setAlignment(CaptionAlignment alignment);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

    // Where the caption's top-left corner stands in the normal and hover looks.
    QPoint captionPlace() const;

protected:
    void paintLook(QPainter &painter, Look look) override;

private:
    QColor m_colorBorder{0x80, 0x80, 0x80};
    QColor m_colorOver{0x84, 0xB9, 0xA4};
    QColor m_colorDown{0x84, 0xB9, 0xA4};
    QColor m_colorOverCaption{Qt::black};
    CaptionAlignment m_alignment = CaptionAlignment::Left;
    int m_borderWidth = 1;
};
