#include "controls/HoverButton.h"

#include "controls/Fonts.h"
#include "controls/HoverButtonAccessible.h"
#include "controls/SharedFace.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QVariant>

HoverButton::HoverButton(QWidget *parent, QSize defaultSize, QColor color, QColor fontColor,
                         const QFont *font)
    : QWidget(parent), m_color(color), m_fontColor(fontColor)
{
    HoverButtonAccessible::install();
    resize(defaultSize);
    setFocusPolicy(Qt::TabFocus); // a click gives no focus: the mouse user's pixels stay
    setMouseTracking(true);       // mouse moves are reported even without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
    // One font for every button not made in its own.
    if (font) {
        setFont(*font);
    } else {
        static const QFont Default = pixelFont(QStringLiteral("Arial"), 11);
        setFont(Default);
    }
    // Until a caption is given, the button shows its name.
    connect(this, &QObject::objectNameChanged, this, [this](const QString &name) {
        if (!m_captionSet) {
            setCaptionText(name);
            update();
        }
    });
}

void HoverButton::setCaptionText(const QString &caption)
{
    m_caption = caption;
    m_captionLayout.reset();
}

QString HoverButton::spokenName() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    return m_accessibleNameSource ? m_accessibleNameSource() : m_caption.simplified();
}

void HoverButton::setCaption(const QString &caption)
{
    setCaptionText(caption);
    m_captionSet = true;
    showLook(Look::Normal);
}

void HoverButton::setColor(const QColor &color)
{
    m_color = color;
    showLook(restingLook());
}

void HoverButton::setMark(Mark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    update();
}

HoverButton::Look HoverButton::restingLook() const
{
    return showsFocus() && m_enabled && hasHoverLook() ? Look::Hover : Look::Normal;
}

void HoverButton::setFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

void HoverButton::recolour(const std::optional<QColor> &fill, const QColor &fontColor)
{
    m_fontColor = fontColor;
    if (fill) {
        m_color = *fill;
        m_look = Look::Normal;
    }
}

void HoverButton::showLook(Look look)
{
    m_look = look;
    // Lit or pressed, the button stands over its neighbours: where they share a line of
    // pixels, their frames would otherwise hide its edge.
    if (look != Look::Normal)
        raise();
    update();
}

const HoverButton::CaptionLayout &HoverButton::captionLayout() const
{
    if (!m_captionLayout) {
        CaptionLayout layout;
        if (const std::optional<SharedLine> shared = sharedLine(m_caption, font())) {
            // Measured as the font's metrics measure it, from the face that drew it.
            layout.ascent = qRound(shared->face.ascent());
            layout.size = {qRound(shared->advance),
                           qRound(shared->face.ascent()) + qRound(shared->face.descent())};
            layout.glyphTop = shared->ascent;
            layout.runs = shared->runs;
        } else {
            // The glyphs and places that drawing the text on its baseline would shape anew;
            // the line's advance is the text's, as the font's metrics would shape it once more.
            const QFontMetrics metrics(font());
            layout.ascent = metrics.ascent();
            QTextLayout text(m_caption, font());
            text.beginLayout();
            const QTextLine line = text.createLine();
            text.endLayout();
            layout.size = {line.isValid() ? qRound(line.horizontalAdvance()) : 0, metrics.height()};
            if (line.isValid()) {
                layout.glyphTop = line.ascent();
                layout.runs = text.glyphRuns();
            }
        }
        QRectF ink;
        for (const QGlyphRun &run : layout.runs)
            ink |= run.boundingRect();
        ink.translate(0, layout.ascent - layout.glyphTop);
        layout.ink = ink.toAlignedRect().adjusted(-1, -1, 1, 1);
        m_captionLayout = std::move(layout);
    }
    return *m_captionLayout;
}

QSize HoverButton::captionSize() const
{
    return captionLayout().size;
}

QRect HoverButton::captionInk() const
{
    return captionLayout().ink;
}

void HoverButton::drawCaption(QPainter &painter, QPoint topLeft, const QColor &color) const
{
    const CaptionLayout &layout = captionLayout();
    painter.setPen(color);
    const QPointF origin(topLeft.x(), topLeft.y() + layout.ascent - layout.glyphTop);
    for (const QGlyphRun &run : layout.runs)
        painter.drawGlyphRun(origin, run);
}

bool HoverButton::hintsShown() const
{
    if (m_parentShowHint && parentWidget()) {
        const QVariant inherited = parentWidget()->property("ShowHint");
        if (inherited.isValid())
            return inherited.toBool();
    }
    return m_showHint;
}

bool HoverButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        if (!hintsShown()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::ParentChange:
        // Placed on a parent, the button shows its name until a caption is given.
        if (parentWidget()) {
            setCaptionText(objectName());
            m_captionSet = false;
        }
        break;
    case QEvent::FontChange:
        m_captionLayout.reset();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void HoverButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintLook(painter, m_look);
    drawMarks(painter);
}

void HoverButton::drawMarks(QPainter &painter) const
{
    const QRect inner = rect().adjusted(1, 1, -2, -2);
    if (m_mark == Mark::Dimmed)
        painter.fillRect(rect(), QColor(0x00, 0x00, 0x80, 150));
    else if (m_mark == Mark::Framed) {
        // Light and dark, so that it shows on every fill of every colouring.
        painter.setPen(Qt::white);
        painter.drawRect(inner);
        painter.setPen(Qt::black);
        painter.drawRect(inner.adjusted(1, 1, -1, -1));
    }
    if (showsFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner.adjusted(2, 2, -2, -2));
    }
}

void HoverButton::enterEvent(QEnterEvent *)
{
    if (m_enabled && hasHoverLook())
        showLook(Look::Hover);
}

void HoverButton::leaveEvent(QEvent *)
{
    showLook(restingLook());
}

void HoverButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = true;
    if (!m_enabled)
        return;
    emit mouseDown(event->position().toPoint());
    showLook(Look::Pressed);
}

void HoverButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_leftPressed)
        return;
    m_leftPressed = false;
    const QPoint pos = event->position().toPoint();
    if (rect().contains(pos)) {
        // The click comes first, drawn in the normal look: a handler that opens a
        // modal window returns only when that window closes.
        m_look = Look::Normal;
        repaint();
        if (m_enabled)
            emit clicked();
    }
    if (!m_enabled)
        return;
    emit mouseUp(pos);
    // Lit again only if the cursor is still on the button (a modal window opened by
    // the click has sent the button a leave in the meantime).
    const bool stillOver = rect().contains(pos) && underMouse();
    showLook(stillOver && hasHoverLook() ? Look::Hover : restingLook());
}

void HoverButton::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (!plain || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)) {
        event->ignore(); // for the window: a letter opens its search, a shortcut runs
        return;
    }
    m_keyboardFocus = true;
    if (m_enabled)
        emit clicked();
    showLook(restingLook());
}

void HoverButton::focusInEvent(QFocusEvent *event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        m_keyboardFocus = true;
        break;
    case Qt::MouseFocusReason:
        m_keyboardFocus = false;
        break;
    default: // the window or a menu gives the focus back as it was
        break;
    }
    QWidget::focusInEvent(event);
    if (m_look != Look::Pressed && !underMouse())
        showLook(restingLook());
}

void HoverButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_look != Look::Pressed && !underMouse())
        showLook(restingLook());
}

void HoverButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
}

void fillInnerArea(QPainter &painter, QSize size, const QColor &color)
{
    painter.fillRect(1, 1, size.width() - 2, size.height() - 2, color);
}

void drawFrame(QPainter &painter, QSize size, const QColor &color, int inset)
{
    const int w = size.width() - 2 * inset;
    const int h = size.height() - 2 * inset;
    if (w <= 0 || h <= 0)
        return;
    painter.fillRect(inset, inset, w, 1, color);
    painter.fillRect(inset, inset + h - 1, w, 1, color);
    painter.fillRect(inset, inset, 1, h, color);
    painter.fillRect(inset + w - 1, inset, 1, h, color);
}
