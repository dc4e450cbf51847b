#pragma once

#include "sets/SetsColumn.h"

#include <QWidget>

class ElementStore;
class QMenu;
class FrozenColumnsView;
class SetsGridModel;
class TBevelPanel;
class TForm4;

// The sets window: every element in a row, with the column set the user builds from the
// atomic number, symbol and name by adding columns through the chooser. Created once at
// start-up and shown without blocking the main window. Its rows are the element store's
// records, a posted value showing at once; the grid itself is built at the first show.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 419;
    static constexpr int ClientHeight = 482;
    static constexpr int TopPanelHeight = 41;
    static constexpr int FrozenColumns = 2;

    // The rows are the records of `store`, which outlives the window.
    explicit TForm3(const ElementStore &store, QWidget *parent = nullptr);

    // The chooser created at start-up; owned by its Qt parent. Its clicks set the pending
    // column.
    void setChooser(TForm4 *chooser);

    // The column "OK" appends: the chooser's last click, with no field, title or width
    // before the first.
    const SetsColumn &pendingColumn() const { return m_pending; }
    void setPendingColumn(const SetsColumn &column) { m_pending = column; }

    SetsGridModel *gridModel() const { return m_model; }
    // The grid; null until the window is first shown.
    FrozenColumnsView *grid() const { return m_grid; }

    // "Ajouter une Colonne": the chooser, then the pending column appended if it was accepted.
    void Button1Click();
    // Appends the pending column at the right end and brings it into sight.
    void appendPendingColumn();

    void setVisible(bool visible) override;

    // The grid's context menu for a click on `column` (-1 off the cells): « Copier »,
    // « Exporter… », « Retirer la colonne » (not for the frozen columns). Owned by the caller.
    QMenu *gridMenu(int column);
    // The grid, titles and rows in their shown order, written to `path`: OpenDocument when it
    // ends in ".ods", CSV otherwise. False with nothing written when the file cannot be.
    bool exportTo(const QString &path) const;
    // « Exporter… »: asks for the file, then writes it.
    void exportWithDialog();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildPanels();
    void buildGrid();
    void showGridMenu(QWidget *viewport, QPoint at);

    SetsColumn m_pending;
    SetsGridModel *m_model = nullptr;    // owned by the window
    TBevelPanel *m_gridPanel = nullptr;  // owned by the window
    FrozenColumnsView *m_grid = nullptr; // owned by m_gridPanel
    TForm4 *m_chooser = nullptr;         // owned by its parent
    bool m_placed = false;
};
