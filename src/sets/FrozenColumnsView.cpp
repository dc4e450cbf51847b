#include "sets/FrozenColumnsView.h"

#include "sets/ClippedTextDelegate.h"
#include "sets/GridCopy.h"
#include "sets/MultiRowHeader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScrollBar>

FrozenColumnsView::FrozenColumnsView(int frozenCount, QWidget *parent)
    : QTableView(parent), m_frozenCount(frozenCount), m_frozen(new QTableView(this))
{
    setUpLook(this);
    setUpLook(m_frozen);
    // Sideways, this view moves by pixels under the frozen columns; the frozen view never
    // scrolls sideways and hands the focus on: keys go to this view.
    setHorizontalScrollMode(ScrollPerPixel);
    m_frozen->setHorizontalScrollMode(ScrollPerPixel);
    m_frozen->setFocusPolicy(Qt::ClickFocus);
    m_frozen->setFocusProxy(this);
    m_frozen->setFrameStyle(QFrame::NoFrame);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Over this view's viewport and header, which was made anew above.
    m_frozen->raise();

    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            &FrozenColumnsView::columnResized);
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column < m_frozenCount)
                    setColumnWidth(column, width);
            });
}

void FrozenColumnsView::setUpLook(QTableView *view)
{
    auto *header = new MultiRowHeader(view);
    view->setHorizontalHeader(header);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(0);
    view->verticalHeader()->hide();
    const int rowHeight = view->fontMetrics().height() + 4;
    view->verticalHeader()->setMinimumSectionSize(rowHeight);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->setItemDelegate(new ClippedTextDelegate(view));
    view->setEditTriggers(NoEditTriggers);
    view->setShowGrid(true);
    view->setWordWrap(false);
}

void FrozenColumnsView::setModel(QAbstractItemModel *model)
{
    if (QAbstractItemModel *old = this->model())
        disconnect(old, nullptr, this, nullptr);
    QTableView::setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    if (!model)
        return;
    connect(model, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex &, int first, int last) { columnsAdded(first, last); });
    columnsAdded(0, model->columnCount() - 1);
}

void FrozenColumnsView::columnsAdded(int first, int last)
{
    for (int c = first; c <= last; ++c) {
        m_frozen->setColumnHidden(c, c >= m_frozenCount);
        // A column starts as wide as the model's size hint for its title says.
        const QVariant hint = model()->headerData(c, Qt::Horizontal, Qt::SizeHintRole);
        if (hint.isValid())
            setColumnWidth(c, hint.toSize().width());
        if (c < m_frozenCount)
            m_frozen->setColumnWidth(c, columnWidth(c));
    }
    placeFrozenView();
}

void FrozenColumnsView::columnResized(int column, int, int width)
{
    if (column >= m_frozenCount)
        return;
    m_frozen->setColumnWidth(column, width);
    placeFrozenView();
}

int FrozenColumnsView::frozenWidth() const
{
    int width = 0;
    for (int c = 0; c < m_frozenCount && model() && c < model()->columnCount(); ++c)
        width += columnWidth(c);
    return width;
}

void FrozenColumnsView::placeFrozenView()
{
    const int header = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->height();
    m_frozen->setGeometry(frameWidth(), frameWidth(), frozenWidth(), viewport()->height() + header);
}

void FrozenColumnsView::updateGeometries()
{
    QTableView::updateGeometries();
    placeFrozenView();
}

void FrozenColumnsView::copySelection()
{
    if (selectionModel())
        QGuiApplication::clipboard()->setText(cellsAsText(selectionModel()->selectedIndexes()));
}

void FrozenColumnsView::keyPressEvent(QKeyEvent *event)
{
    // The whole selection, where the item view would copy the current cell alone.
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FrozenColumnsView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFrozenView();
}

QModelIndex FrozenColumnsView::moveCursor(CursorAction cursorAction,
                                          Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // A cell reached by moving left must not stay hidden under the frozen columns.
    if (cursorAction == MoveLeft && current.column() >= m_frozenCount) {
        const int hidden = frozenWidth() - visualRect(current).left();
        if (hidden > 0)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
    }
    return current;
}

void FrozenColumnsView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // The frozen columns are always in sight: only the rows scroll to show them.
    const int sideways = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() < m_frozenCount) {
        horizontalScrollBar()->setValue(sideways);
        return;
    }
    const int hidden = frozenWidth() - visualRect(index).left();
    if (hidden > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}
