#include "controls/ReadOnlyBoxAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace {

QAccessibleInterface *readOnlyBoxFactory(const QString &, QObject *object)
{
    auto *box = qobject_cast<QLineEdit *>(object);
    if (box && box->isReadOnly())
        return new ReadOnlyBoxAccessible(box);
    return nullptr;
}

} // namespace

// The interface lives no longer than the box: Qt deletes it with the widget.
ReadOnlyBoxAccessible::ReadOnlyBoxAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{}

void ReadOnlyBoxAccessible::makeReadOnly(QLineEdit *box)
{
    static const bool installed = [] {
        QAccessible::installFactory(readOnlyBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
    box->setReadOnly(true);
}

QLineEdit *ReadOnlyBoxAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QAccessible::State ReadOnlyBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = false;
    state.selectableText = true;
    return state;
}

QString ReadOnlyBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(t);
}

void *ReadOnlyBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void ReadOnlyBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int ReadOnlyBoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void ReadOnlyBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void ReadOnlyBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int ReadOnlyBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void ReadOnlyBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString ReadOnlyBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset < 0 || endOffset < startOffset)
        return QString();
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyBoxAccessible::characterCount() const
{
    return int(box()->text().size());
}

// The place of a character on the screen, as the box lays its text out from the left.
QRect ReadOnlyBoxAccessible::characterRect(int offset) const
{
    const QString shown = box()->text();
    if (offset < 0 || offset >= shown.size())
        return QRect();
    const QFontMetrics metrics(box()->font());
    const QRect room = box()->contentsRect().marginsRemoved(box()->textMargins());
    const int left = room.left() + metrics.horizontalAdvance(shown.left(offset));
    const QRect character(left, room.top(), metrics.horizontalAdvance(shown.at(offset)),
                          metrics.height());
    return QRect(box()->mapToGlobal(character.topLeft()), character.size());
}

int ReadOnlyBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void ReadOnlyBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString ReadOnlyBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
