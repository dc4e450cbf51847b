#pragma once

#include "controls/HoverButton.h"

// A raised button with a coloured highlight edge and no hover look: the "<" and ">"
// buttons of the property sheet.
class TAOLButton : public HoverButton
{
    Q_OBJECT
    Q_PROPERTY(QColor RaiseColor READ RaiseColor WRITE setRaiseColor)

public:
    explicit TAOLButton(QWidget *parent = nullptr);

    QColor RaiseColor() const { return m_raiseColor; }
    void setRaiseColor(const QColor &color);

protected:
    bool hasHoverLook() const override { return false; }
    void paintLook(QPainter &painter, Look look) override;

private:
    QColor m_raiseColor{0x8A, 0xA2, 0xD7};
};
