#include "table/TableKeys.h"

#include "controls/HoverButton.h"
#include "table/ElementLayout.h"
#include "table/TableMoves.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <optional>

namespace {

std::optional<TableMoves::Key> moveOf(const QKeyEvent &event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left:
        return TableMoves::Key::Left;
    case Qt::Key_Right:
        return TableMoves::Key::Right;
    case Qt::Key_Up:
        return TableMoves::Key::Up;
    case Qt::Key_Down:
        return TableMoves::Key::Down;
    case Qt::Key_Home:
        return TableMoves::Key::RowStart;
    case Qt::Key_End:
        return TableMoves::Key::RowEnd;
    default:
        return std::nullopt;
    }
}

bool isActivation(const QKeyEvent &event)
{
    const int key = event.key();
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

} // namespace

TableKeys::TableKeys(std::function<HoverButton *(int z)> button, QObject *parent)
    : QObject(parent), m_button(std::move(button))
{
    m_numbers.reserve(ElementLayout::ElementCount);
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        HoverButton *element = m_button(z);
        m_numbers.insert(element, z);
        element->setFocusPolicy(z == m_current ? Qt::TabFocus : Qt::NoFocus);
        element->installEventFilter(this);
    }
}

void TableKeys::focusElement(int z)
{
    if (HoverButton *element = z >= 1 && z <= ElementLayout::ElementCount ? m_button(z) : nullptr)
        element->setFocus(Qt::OtherFocusReason);
}

int TableKeys::elementOf(QObject *watched) const
{
    return m_numbers.value(watched, 0);
}

// Only the current element is a Tab stop, so that Tab crosses the table in one step.
void TableKeys::makeCurrent(int z)
{
    if (z == m_current)
        return;
    m_button(m_current)->setFocusPolicy(Qt::NoFocus);
    m_button(z)->setFocusPolicy(Qt::TabFocus);
    m_current = z;
}

bool TableKeys::eventFilter(QObject *watched, QEvent *event)
{
    // Every event to every element button passes here: its type is checked before the
    // property lookup, which matters only to focus and key presses.
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::KeyPress)
        return false;
    const int z = elementOf(watched);
    if (z == 0)
        return false;
    if (type == QEvent::FocusIn) {
        makeCurrent(z);
        // The window taking the focus back shows nothing new: the panel shows what it showed.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit focused(z);
        return false;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    if (const std::optional<TableMoves::Key> move = moveOf(*key)) {
        focusElement(TableMoves::next(z, *move));
        return true;
    }
    if (isActivation(*key)) {
        emit activated(z);
        return true;
    }
    return false;
}
