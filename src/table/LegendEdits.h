#pragma once

#include "data/OriginalValues.h"

#include <QObject>

class DataFolder;
class QWidget;
class TDBEdit;
class TTextTable;

// The values typed into the numeric legend's value box, on the main window's view of the
// element table: posted when the view moves to another element or on Enter, then written to
// the file at once (another window opened next reads them there, and an end the program does
// not choose cannot lose them) and announced by the box. Also the shipped values that the box
// and the whole table can go back to.
class LegendEdits : public QObject
{
    Q_OBJECT

public:
    // `table` and `box` are not owned and outlive this object; `window` is its parent and
    // the parent of its message boxes.
    LegendEdits(TTextTable &table, TDBEdit &box, const DataFolder &folder, QWidget *window);

    const OriginalValues &originals() const { return m_originals; }

    // Posts the box's edit and writes it. False when the table refuses it: the edit is then
    // dropped and the user told why.
    bool post();
    // Says how many values differ from the shipped ones and, when the user agrees, puts them
    // all back and writes them. True when the table changed.
    bool restoreAll();

private:
    // The element and the property of the box, as the user knows them.
    QString place() const;

    TTextTable &m_table;
    TDBEdit &m_box;
    const OriginalValues m_originals;
    QWidget *m_window;
};
