#include "controls/TBevelPanel.h"

#include <QPainter>

namespace {

const QColor Highlight(0xFF, 0xFF, 0xFF);
const QColor Shadow(0x80, 0x80, 0x80);

void drawBevelRect(QPainter &painter, QRect r, TBevelPanel::Bevel bevel)
{
    if (bevel == TBevelPanel::Bevel::None)
        return;
    const bool raised = bevel == TBevelPanel::Bevel::Raised;
    const QColor topLeft = raised ? Highlight : Shadow;
    const QColor bottomRight = raised ? Shadow : Highlight;
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

} // namespace

TBevelPanel::TBevelPanel(QWidget *parent) : QWidget(parent) {}

void TBevelPanel::setBevelOuter(Bevel bevel)
{
    m_outer = bevel;
    update();
}

void TBevelPanel::setBevelInner(Bevel bevel)
{
    m_inner = bevel;
    update();
}

void TBevelPanel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void TBevelPanel::setBorderWidth(int width)
{
    m_borderWidth = qMax(0, width);
    update();
}

int TBevelPanel::ClientInset() const
{
    return (m_outer != Bevel::None ? 1 : 0) + m_borderWidth + (m_inner != Bevel::None ? 1 : 0);
}

void TBevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_color.isValid())
        painter.fillRect(rect(), m_color);
    QRect r = rect();
    drawBevelRect(painter, r, m_outer);
    if (m_outer != Bevel::None)
        r.adjust(1, 1, -1, -1);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawBevelRect(painter, r, m_inner);
}
