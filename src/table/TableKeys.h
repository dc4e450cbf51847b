#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class HoverButton;

// The keyboard on the table of element buttons: the table is one stop of the Tab chain, which
// lands on the element last focused (hydrogen at first); the arrow keys, Home and End move the
// focus from button to button as TableMoves says; Return or Space acts on the focused element.
class TableKeys : public QObject
{
    Q_OBJECT

public:
    // `button(z)` is element z's button, for z in 1..ElementLayout::ElementCount; the buttons
    // outlive this object.
    TableKeys(std::function<HoverButton *(int z)> button, QObject *parent = nullptr);

    // The element that the table's Tab stop lands on.
    int current() const { return m_current; }
    // Gives element z the focus, as an arrow key would.
    void focusElement(int z);

signals:
    // Element z took the focus.
    void focused(int z);
    // Return or Space on element z.
    void activated(int z);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int elementOf(QObject *watched) const;
    void makeCurrent(int z);

    std::function<HoverButton *(int z)> m_button;
    QHash<const QObject *, int> m_numbers; // each button's element
    int m_current = 1;
};
