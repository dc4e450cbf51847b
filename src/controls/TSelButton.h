#pragma once

#include "controls/FlatButton.h"

// A flat button with a caption alignment and a frame of chosen width and no bevel:
// the "OK" button of the molar-mass element dialog.
class TSelButton : public FlatButton
{
    Q_OBJECT
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)

public:
    enum class CaptionAlignment { Left, Right, Center };

    explicit TSelButton(QWidget *parent = nullptr);

    CaptionAlignment Alignment() const { return m_alignment; }
    void setAlignment(CaptionAlignment alignment);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

    // Where the caption's top-left corner stands in the normal and hover looks.
    QPoint captionPlace() const;

protected:
    void paintLook(QPainter &painter, Look look) override;

private:
    CaptionAlignment m_alignment = CaptionAlignment::Left;
    int m_borderWidth = 1;
};
