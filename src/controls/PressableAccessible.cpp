#include "controls/PressableAccessible.h"

#include <QPointer>
#include <QWidget>

PressableAccessible::PressableAccessible(QWidget *widget, std::function<void()> press,
                                         std::function<bool()> pressable)
    : QAccessibleWidget(widget, QAccessible::Button), m_press(std::move(press)),
      m_pressable(std::move(pressable))
{}

QAccessible::State PressableAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (!m_pressable())
        state.disabled = true;
    return state;
}

QStringList PressableAccessible::actionNames() const
{
    if (!m_pressable())
        return QAccessibleWidget::actionNames();
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void PressableAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // A control that takes no click now refuses the press, even if it takes one by the time
    // the press would come.
    if (!m_pressable())
        return;
    const QPointer<QWidget> target = widget();
    QMetaObject::invokeMethod(
        widget(),
        [target, press = m_press, pressable = m_pressable] {
            if (target && pressable())
                press();
        },
        Qt::QueuedConnection);
}
