#pragma once

#include "table/ElementLayout.h"
#include "table/ElementSearch.h"

#include <QList>
#include <QObject>

#include <array>
#include <functional>
#include <vector>

class QWidget;
class TableKeys;
class TableSearch;
class TEncartaButton;
class ElementRecords;
struct ProgramState;

// The main window without a mouse: the Tab chain (tool bar, then the table as one stop, then
// the molar-mass panel), the table's keys, and the search, opened by Ctrl+F or by a letter or
// digit typed where no text is being edited. What the keys do to an element is the window's:
// it connects elementHovered and elementActivated.
class MainWindowKeys : public QObject
{
    Q_OBJECT

public:
    // The main window's widgets that the keyboard moves through; they outlive this object.
    struct Window
    {
        QWidget *window = nullptr; // the main window: typed letters reach it when unused
        QWidget *client = nullptr; // the client area, where the search field goes
        // The tool bar's stops, in the order Tab visits them before the table.
        QList<QWidget *> toolbarStops;
        // Element z's button at z - 1.
        std::array<TEncartaButton *, ElementLayout::ElementCount> buttons{};
        // Puts the search field, made at its first opening, in the Tab chain; may be empty.
        std::function<void(QWidget *field)> placeSearchField{};
    };

    // The search compares the names and symbols of `records` as they are when it runs; a
    // match chosen while `state` is in the molar-mass mode also counts one atom. Both outlive
    // this object.
    MainWindowKeys(const ElementRecords &records, const ProgramState &state, const Window &window,
                   QObject *parent = nullptr);

    // What the search compares, as the element table's records hold it.
    static std::vector<ElementSearch::Entry> entriesOf(const ElementRecords &records);

    TableKeys *table() const { return m_table; }
    TableSearch *search() const { return m_search; }

signals:
    // Element z is to show in the hover panel, as the mouse over it does.
    void elementHovered(int z);
    // Element z is to be acted on as a click does (its sheet, or one atom in the molar-mass
    // mode).
    void elementActivated(int z);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const ProgramState &m_state;
    Window m_window;
    TableKeys *m_table = nullptr;    // owned by this object
    TableSearch *m_search = nullptr; // owned by this object
};
