#pragma once

#include <QStyledItemDelegate>

// Draws grid cells as the plain delegate does; a cell whose text its column is too narrow to
// show gets the whole text as its tool tip, so that a long result in a narrow column can be
// read whole without the column growing.
class WholeTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Whether the text of the cell fits the cell as it is drawn.
    bool fits(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
