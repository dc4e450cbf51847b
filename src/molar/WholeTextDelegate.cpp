#include "molar/WholeTextDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

bool WholeTextDelegate::fits(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return sizeHint(option, index).width() <= option.rect.width();
}

bool WholeTextDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                  const QStyleOptionViewItem &option, const QModelIndex &index)
{
    // A tool tip of the cell's own, if any, wins.
    if (!event || !view || event->type() != QEvent::ToolTip ||
        !index.data(Qt::ToolTipRole).toString().isEmpty())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    if (fits(option, index)) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view->viewport(),
                       option.rect);
    return true;
}
