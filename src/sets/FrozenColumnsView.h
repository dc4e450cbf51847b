#pragma once

#include <QTableView>

class MultiRowHeader;

// A table view whose first columns stay in place while it scrolls sideways: a second view
// over the same model and selection, laid over the left of this one, shows only those
// columns and follows this view's rows, column widths and header height. Both views get
// two-row titles and tool tips for clipped cells; a column starts with the width of its
// title's size hint.
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
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void setUpLook(QTableView *view);
    void columnsAdded(int first, int last);
    void columnResized(int column, int oldWidth, int newWidth);
    void placeFrozenView();

    int m_frozenCount;
    QTableView *m_frozen = nullptr; // owned by this view
};
