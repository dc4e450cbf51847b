#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// A one-line box that shows a value and takes none, as a screen reader learns of it: its text
// can be read and selected, it is read-only and not editable, and it offers no way to change
// the text. Qt's own interface for a line edit says "editable" even when it is read-only, and
// lets an assistive tool replace the text of a read-only box.
class ReadOnlyBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadOnlyBoxAccessible(QLineEdit *box);

    // Makes `box` read-only, with this interface. To be called before anything asks for the
    // box's interface (setting its accessible name does): an interface is made once per box.
    static void makeReadOnly(QLineEdit *box);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QLineEdit *box() const;
};
