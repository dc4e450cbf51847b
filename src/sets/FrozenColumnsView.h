#pragma once

#include <QItemSelection>
#include <QPersistentModelIndex>
#include <QTableView>

#include <optional>

class MultiRowHeader;

// A table view whose first columns stay in place while it scrolls sideways: a second view
// over the same model and selection, laid over the left of this one, shows only those
// columns and follows this view's rows, column widths and header height. Both views get
// two-row titles and tool tips for clipped cells; a column starts with the width of its
// title's size hint.
//
// The two views act as one grid: sideways it scrolls by whole columns, so that the first
// scrolled column stands right against the frozen ones; mouse and keys select in both
// parts from one anchor, the cell last chosen without Shift, wherever it stands.
class FrozenColumnsView : public QTableView
{
    Q_OBJECT
public:
    explicit FrozenColumnsView(int frozenCount, QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    QTableView *frozenView() const { return m_frozen; }
    // The width the frozen columns take.
    int frozenWidth() const;
    // The selected cells to the clipboard as tab-separated text (also on the copy key).
    void copySelection();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void setUpLook(QTableView *view);
    void columnsAdded(int first, int last);
    void columnResized(int column, int oldWidth, int newWidth);
    void placeFrozenView();

    // Sideways scrolling by whole columns.
    QVector<int> columnStarts() const;
    void snapSliderPosition(int action);
    void snapScrollValue(int value);

    // Selection from the shared anchor.
    QModelIndex cellAt(QPoint viewportPos) const;
    void selectTo(const QModelIndex &cell);
    static std::optional<CursorAction> shiftMove(int key);

    int m_frozenCount;
    QTableView *m_frozen = nullptr; // owned by this view
    int m_scrollValue = 0;          // the last sideways position, for the direction of a move
    QPersistentModelIndex m_anchor; // where a Shift selection starts
    QItemSelection m_keptSelection; // what a Ctrl drag adds to
    bool m_dragging = false;
    bool m_extending = false; // the current cell moves without moving the anchor
};
