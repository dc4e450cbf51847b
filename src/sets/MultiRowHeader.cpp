#include "sets/MultiRowHeader.h"

#include "controls/Fonts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QToolTip>

namespace {

constexpr int TextMargin = 2;

// Centred when the row fits the section; a wider one starts at the left edge, so that its
// beginning stays readable.
void drawRow(QPainter &painter, const QRect &box, const QString &text, const QFont &font)
{
    painter.setFont(font);
    const bool fits = painter.fontMetrics().horizontalAdvance(text) <= box.width();
    painter.drawText(
        box, (fits ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
        text);
}

} // namespace

MultiRowHeader::MultiRowHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

QStringList MultiRowHeader::titleRows(const QString &title)
{
    const int bar = title.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {title};
    return {title.left(bar), title.mid(bar + 1)};
}

QFont MultiRowHeader::rowFont(const QString &row, int sectionWidth) const
{
    return fittingFont(font(), row, rowsRect(QRect(0, 0, sectionWidth, height())).width());
}

QRect MultiRowHeader::rowsRect(const QRect &section)
{
    return section.adjusted(1, TextMargin, -1, -TextMargin);
}

int MultiRowHeader::rowHeight() const
{
    return fontMetrics().height() + TextMargin;
}

QSize MultiRowHeader::sizeHint() const
{
    int rows = 1;
    if (QAbstractItemModel *titles = model()) {
        for (int c = 0; c < titles->columnCount() && rows < 2; ++c) {
            if (titles->headerData(c, Qt::Horizontal).toString().contains(QLatin1Char('|')))
                rows = 2;
        }
    }
    QSize hint = QHeaderView::sizeHint();
    hint.setHeight(rows * rowHeight() + 2 * TextMargin);
    return hint;
}

void MultiRowHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    // The section's frame and face as the style draws them, without text.
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);

    const QStringList rows =
        titleRows(model()->headerData(logicalIndex, Qt::Horizontal).toString());
    // Inside the section's one-pixel lines.
    const QRect inner = rowsRect(rect);
    painter->save();
    painter->setClipRect(rect.adjusted(1, 1, -1, -1));
    painter->setPen(palette().color(QPalette::ButtonText));
    if (rows.size() == 1) {
        drawRow(*painter, inner, rows[0], rowFont(rows[0], rect.width()));
    } else {
        const int half = inner.height() / 2;
        drawRow(*painter, QRect(inner.left(), inner.top(), inner.width(), half), rows[0],
                rowFont(rows[0], rect.width()));
        drawRow(*painter,
                QRect(inner.left(), inner.top() + half, inner.width(), inner.height() - half),
                rows[1], rowFont(rows[1], rect.width()));
    }
    painter->restore();
}

bool MultiRowHeader::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !model())
        return QHeaderView::viewportEvent(event);
    // A title wider than its column shows whole in a tool tip, in its rows.
    auto *help = static_cast<QHelpEvent *>(event);
    const int section = logicalIndexAt(help->pos());
    const QStringList rows = titleRows(model()->headerData(section, Qt::Horizontal).toString());
    int widest = 0;
    for (const QString &row : rows)
        widest =
            qMax(widest, QFontMetrics(rowFont(row, sectionSize(section))).horizontalAdvance(row));
    if (section < 0 || widest <= sectionSize(section) - 2)
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), rows.join(QLatin1Char('\n')), viewport());
    return true;
}
