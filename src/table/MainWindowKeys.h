#pragma once

#include "table/ElementSearch.h"

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class HoverButton;
class QWidget;
class TableKeys;
class TableSearch;
class ElementRecords;

// The main window without a mouse: the Tab chain (tool bar, then the table as one stop, then
// the molar-mass panel), the table's keys, and the search, opened by Ctrl+F or by a letter or
// digit typed where no text is being edited.
class MainWindowKeys : public QObject
{
    Q_OBJECT

public:
    // What the keyboard needs of the main window; the widgets outlive this object.
    struct Window
    {
        QWidget *window = nullptr; // the main window: typed letters reach it when unused
        QWidget *client = nullptr; // the client area, where the search field goes
        // The tool bar's stops, in the order Tab visits them before the table.
        QList<QWidget *> toolbarStops;
        std::function<HoverButton *(int z)> button;
        std::function<std::vector<ElementSearch::Entry>()> entries;
        // Shows element z in the hover panel, as the mouse over it does.
        std::function<void(int z)> hover;
        // Acts on element z as a click does (its sheet, or one atom in the molar-mass mode).
        std::function<void(int z)> click;
        // Whether the molar-mass mode is on: a match chosen there also counts one atom.
        std::function<bool()> molarMode;
    };

    explicit MainWindowKeys(const Window &window, QObject *parent = nullptr);

    // What the search compares, as the element table's records hold it.
    static std::vector<ElementSearch::Entry> entriesOf(const ElementRecords &records);

    TableKeys *table() const { return m_table; }
    TableSearch *search() const { return m_search; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Window m_window;
    TableKeys *m_table = nullptr;    // owned by this object
    TableSearch *m_search = nullptr; // owned by this object
};
