#include "controls/HoverButtonAccessible.h"

#include "controls/HoverButton.h"

namespace {

QAccessibleInterface *hoverButtonFactory(const QString &, QObject *object)
{
    if (auto *button = qobject_cast<HoverButton *>(object))
        return new HoverButtonAccessible(button);
    return nullptr;
}

} // namespace

// The interface lives no longer than the button: Qt deletes it with the widget.
HoverButtonAccessible::HoverButtonAccessible(HoverButton *button)
    : PressableAccessible(
          button, [button] { emit button->clicked(); }, [button] { return button->Enabled(); })
{}

HoverButton *HoverButtonAccessible::button() const
{
    return static_cast<HoverButton *>(widget());
}

QString HoverButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return button()->spokenName();
    return PressableAccessible::text(t);
}

QAccessible::State HoverButtonAccessible::state() const
{
    QAccessible::State state = PressableAccessible::state();
    state.pressed = button()->currentLook() == HoverButton::Look::Pressed;
    return state;
}

void HoverButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(hoverButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
