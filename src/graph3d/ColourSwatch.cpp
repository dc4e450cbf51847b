#include "graph3d/ColourSwatch.h"

#include "controls/PressableAccessible.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A screen reader presses a swatch as the mouse clicks it.
QAccessibleInterface *swatchFactory(const QString &, QObject *object)
{
    if (auto *swatch = qobject_cast<ColourSwatch *>(object))
        return new PressableAccessible(swatch, [swatch] { emit swatch->clicked(); });
    return nullptr;
}

} // namespace

ColourSwatch::ColourSwatch(const QString &caption, QWidget *parent)
    : TBevelPanel(parent), m_caption(caption)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus); // a click gives no focus: the mouse user's pixels stay
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(swatchFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAccessibleName(caption);
    setAccessibleDescription(QStringLiteral("Choisir une couleur"));
}

void ColourSwatch::paintEvent(QPaintEvent *event)
{
    TBevelPanel::paintEvent(event);
    QPainter painter(this);
    // The caption stays readable on dark colours, saturated blues and reds included.
    painter.setPen(qGray(Color().rgb()) < 110 ? Qt::white : Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
    if (hasFocus() && m_keyboardFocus) {
        painter.setPen(QPen(painter.pen().color(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void ColourSwatch::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        m_keyboardFocus = true;
        emit clicked();
        return;
    }
    TBevelPanel::keyPressEvent(event);
}

void ColourSwatch::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        m_keyboardFocus = reason != Qt::MouseFocusReason;
    TBevelPanel::focusInEvent(event);
    update();
}

void ColourSwatch::focusOutEvent(QFocusEvent *event)
{
    TBevelPanel::focusOutEvent(event);
    update();
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
