#include "molar/CompoundGrid.h"

#include "molar/Compound.h"
#include "molar/WholeTextDelegate.h"

#include <QHeaderView>
#include <QProxyStyle>
#include <QSignalBlocker>

namespace {

constexpr int ColumnWidths[] = {30, 2, 23, 62};
constexpr const char *Headers[] = {"el", "M", "mol", "% massique"};
constexpr int RowHeight = 16;

// The header keeps one pixel beside its texts, so that "% massique"
// fits its 62-pixel column.
class HeaderStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_HeaderMargin)
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

CompoundGrid::CompoundGrid(QWidget *parent) : QTableWidget(1, CompoundRow::ColumnCount, parent)
{
    setObjectName(QStringLiteral("StringGrid1"));
    QHeaderView *top = horizontalHeader();
    top->setMinimumSectionSize(1);
    top->setDefaultSectionSize(30);
    top->setSectionsMovable(true);
    top->setSectionResizeMode(QHeaderView::Interactive);
    top->setHighlightSections(false);
    top->setFixedHeight(RowHeight);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *headerStyle = new HeaderStyle;
    headerStyle->setParent(top);
    top->setStyle(headerStyle);
    for (int column = 0; column < CompoundRow::ColumnCount; ++column) {
        setColumnWidth(column, ColumnWidths[column]);
        setHorizontalHeaderItem(column, new QTableWidgetItem);
    }
    // No fixed column: rows are numbered nowhere, as in a grid whose only fixed row is its
    // header.
    QHeaderView *side = verticalHeader();
    side->setMinimumSectionSize(1);
    side->setDefaultSectionSize(RowHeight);
    side->setSectionsMovable(true);
    side->setSectionResizeMode(QHeaderView::Interactive);
    side->hide();
    setWordWrap(false);
    // A long amount in the narrow "mol" column shows its first digits, not an ellipsis, and
    // the whole of it in a tool tip.
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new WholeTextDelegate(this));
    connect(this, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem *item) {
        emit cellEdited(item->row() + 1, item->column(), item->text());
    });
}

void CompoundGrid::showCompound(const Compound &compound)
{
    const QSignalBlocker quiet(this);
    const int spare = int(compound.rows.size()) + 1;
    setRows(spare + 1);
    for (int row = 1; row <= spare; ++row) {
        const CompoundRow &shown = *compound.row(row);
        for (int column = 0; column < CompoundRow::ColumnCount; ++column) {
            if (cell(row, column) != shown.cell(column))
                setCell(row, column, shown.cell(column));
        }
    }
}

void CompoundGrid::setRows(int rows)
{
    setRowCount(std::max(0, rows - 1));
}

QString CompoundGrid::cell(int row, int column) const
{
    const QTableWidgetItem *found = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return found ? found->text() : QString();
}

void CompoundGrid::setCell(int row, int column, const QString &text)
{
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
        return;
    }
    if (QTableWidgetItem *found = item(row - 1, column))
        found->setText(text);
    else
        setItem(row - 1, column, new QTableWidgetItem(text));
}

void CompoundGrid::writeHeaders()
{
    for (int column = 0; column < CompoundRow::ColumnCount; ++column)
        setCell(0, column, QString::fromLatin1(Headers[column]));
}

void CompoundGrid::commitEdit()
{
    if (state() != EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
