#pragma once

#include <QObject>

class QWidget;
class ShownElement;
class TDBEdit;

// The values typed into the numeric legend's value box for the element last under the mouse:
// posted when the pointer moves to another element or on Enter, then written to the file at
// once (an end the program does not choose cannot lose them) and announced by the box. Also
// the putting back of the whole table's shipped values.
class LegendEdits : public QObject
{
    Q_OBJECT

public:
    // `shown` and `box` are not owned and outlive this object; `window` is its parent and
    // the parent of its message boxes.
    LegendEdits(ShownElement &shown, TDBEdit &box, QWidget *window);

    // Posts the box's edit and writes it. False when the table refuses it: the edit is then
    // dropped and the user told why.
    bool post();
    // Says how many values differ from the shipped ones and, when the user agrees, puts them
    // all back and writes them. True when the table changed.
    bool restoreAll();

private:
    // The element and the property of the box, as the user knows them.
    QString place() const;

    ShownElement &m_shown;
    TDBEdit &m_box;
    QWidget *m_window;
};
