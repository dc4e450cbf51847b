#include "controls/CaptionLabel.h"

#include "controls/Fonts.h"

#include <QPainter>
#include <QStyle>
#include <QtMath>

#include <cmath>

namespace {

// What a label draws with the painter's text drawing alone: one line of plain text, enabled,
// without a text control.
bool drawnAsOneLine(const QLabel *label)
{
    const Qt::TextInteractionFlags selecting =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    return oneLineOfPlainText(label) && label->isEnabled() &&
           !(label->textInteractionFlags() & selecting);
}

} // namespace

const SharedLine *CaptionLabel::shapedText()
{
    if (!m_shapedOnce || m_shapedText != text() || m_shapedFont != font()) {
        m_shapedOnce = true;
        m_shapedText = text();
        m_shapedFont = font();
        m_shaped = sharedLine(m_shapedText, m_shapedFont);
    }
    return m_shaped ? &*m_shaped : nullptr;
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    const SharedLine *line = drawnAsOneLine(this) ? shapedText() : nullptr;
    if (!line) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // Placed as the painter places a text in a box, the box being the label's.
    const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    const qreal width = line->naturalWidth;
    const qreal height = line->height;
    qreal exactTop = 0;
    if (align & Qt::AlignBottom)
        exactTop = box.height() - height;
    else if (align & Qt::AlignVCenter)
        exactTop = (box.height() - height) / 2;
    // A centred text layout stands on a whole pixel, as the painter stands it.
    const qreal top = align & Qt::AlignVCenter ? std::ceil(exactTop) : exactTop;
    qreal left = 0;
    if (align & Qt::AlignRight)
        left = box.width() - width;
    else if (align & Qt::AlignHCenter)
        left = (box.width() - width) / 2;
    const QRectF bounds(box.x() + left, box.y() + top, width, height);
    if (!QRectF(box).contains(bounds))
        painter.setClipRect(box, Qt::IntersectClip);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    // The line stands by its advance, leading blanks included, as the painter stands it.
    const qreal advance = line->advance;
    left = 0;
    if (align & Qt::AlignRight)
        left = box.width() - advance;
    else if (align & Qt::AlignHCenter)
        left = (box.width() - advance) / 2;
    const QPointF origin(box.x() + left, box.y() + top);
    if (line->layout) {
        line->layout->draw(&painter, origin);
    } else {
        // Glyphs on the whole pixel the painter rounds the text's own baseline to.
        const qreal baseline = qRound(box.y() + exactTop + line->ascent);
        const QPointF onBaseline(origin.x(), baseline - line->ascent);
        for (const QGlyphRun &run : line->runs)
            painter.drawGlyphRun(onBaseline, run);
    }
}
