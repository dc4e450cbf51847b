#pragma once

#include <QAccessibleWidget>

#include <functional>

// What a screen reader learns of a self-drawn control that the mouse clicks: a push button
// whose press action does what the click does. The press comes later, from the event loop:
// a click can open a modal window, and the screen reader's request must be answered before
// that window's loop starts.
class PressableAccessible : public QAccessibleWidget
{
public:
    // `press` runs the click; `pressable` says whether the control takes one now.
    PressableAccessible(
        QWidget *widget, std::function<void()> press,
        std::function<bool()> pressable = [] { return true; });

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    std::function<void()> m_press;
    std::function<bool()> m_pressable;
};
