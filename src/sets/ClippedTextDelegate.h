#pragma once

#include <QStyledItemDelegate>

// Draws cells as usual; a cell whose text does not fit its column shows the whole text as a
// tool tip, and a cell that fits shows none.
class ClippedTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
