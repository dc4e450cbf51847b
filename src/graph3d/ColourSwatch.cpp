#include "graph3d/ColourSwatch.h"

#include "controls/PressableAccessible.h"

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
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
