#include "sets/ClippedTextDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

bool ClippedTextDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (!event || event->type() != QEvent::ToolTip || !view)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget *widget = cell.widget ? cell.widget : view;
    const QRect room = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    // The style pads the text inside its rectangle by the focus frame's margin on each side.
    const int margin =
        widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, widget) + 1;
    const int needed = cell.fontMetrics.horizontalAdvance(cell.text) + 2 * margin;
    if (cell.text.isEmpty() || needed <= room.width()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(event->globalPos(), cell.text, view->viewport(), cell.rect);
    return true;
}
