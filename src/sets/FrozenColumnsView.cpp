#include "sets/FrozenColumnsView.h"

#include "sets/ClippedTextDelegate.h"
#include "sets/ColumnScroll.h"
#include "sets/GridCopy.h"
#include "sets/MultiRowHeader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <utility>

using ColumnScroll::Snap;

FrozenColumnsView::FrozenColumnsView(int frozenCount, QWidget *parent)
    : QTableView(parent), m_frozenCount(frozenCount), m_frozen(new QTableView(this))
{
    setUpLook(this);
    setUpLook(m_frozen);
    // Sideways, this view moves under the frozen columns, stopping only where a column
    // starts against them; the frozen view never scrolls sideways and hands the focus on:
    // keys go to this view.
    setHorizontalScrollMode(ScrollPerPixel);
    m_frozen->setHorizontalScrollMode(ScrollPerPixel);
    m_frozen->setFocusPolicy(Qt::ClickFocus);
    m_frozen->setFocusProxy(this);
    m_frozen->setFrameStyle(QFrame::NoFrame);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Over this view's viewport and header, which was made anew above.
    m_frozen->raise();
    // The mouse on the frozen cells selects through this view, from the same anchor.
    m_frozen->viewport()->installEventFilter(this);

    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &FrozenColumnsView::snapSliderPosition);
    connect(horizontalScrollBar(), &QAbstractSlider::valueChanged, this,
            &FrozenColumnsView::snapScrollValue);
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
    m_anchor = QModelIndex();
    // The anchor is the cell last made current other than by extending a selection.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!m_extending)
                    m_anchor = current;
            });
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
    // The last stop puts the last column against the frozen ones if it must; a page is the
    // room right of them.
    QScrollBar *sideways = horizontalScrollBar();
    sideways->setMaximum(ColumnScroll::snapped(columnStarts(), sideways->maximum(), Snap::Forward));
    sideways->setPageStep(std::max(1, viewport()->width() - frozenWidth()));
    placeFrozenView();
}

QVector<int> FrozenColumnsView::columnStarts() const
{
    QVector<int> widths;
    for (int c = m_frozenCount; model() && c < model()->columnCount(); ++c)
        widths.append(columnWidth(c));
    return ColumnScroll::columnStarts(widths);
}

void FrozenColumnsView::snapSliderPosition(int action)
{
    QScrollBar *sideways = horizontalScrollBar();
    const QVector<int> starts = columnStarts();
    const int value = sideways->value();
    const int target = sideways->sliderPosition();
    int position = 0;
    switch (action) {
    case QAbstractSlider::SliderPageStepAdd:
        // The column cut at the right edge comes first; at least one column goes by.
        position = std::max(ColumnScroll::snapped(starts, target, Snap::Back),
                            ColumnScroll::snapped(starts, value + 1, Snap::Forward));
        break;
    case QAbstractSlider::SliderPageStepSub:
        position = std::min(ColumnScroll::snapped(starts, target, Snap::Forward),
                            ColumnScroll::snapped(starts, value - 1, Snap::Back));
        break;
    default: {
        // The thumb dragged stops at the nearest start; steps and the wheel go on to the next.
        const Snap snap = sideways->isSliderDown() ? Snap::Nearest
                          : target > value         ? Snap::Forward
                                                   : Snap::Back;
        position = ColumnScroll::snapped(starts, target, snap);
    }
    }
    sideways->setSliderPosition(std::min(position, sideways->maximum()));
}

void FrozenColumnsView::snapScrollValue(int value)
{
    // Whatever moved the grid (a cell brought into sight, a narrower window), it stops at a
    // column's start, going on in the direction it moved.
    const int previous = std::exchange(m_scrollValue, value);
    const QVector<int> starts = columnStarts();
    const int maximum = horizontalScrollBar()->maximum();
    int start = ColumnScroll::snapped(starts, value, value > previous ? Snap::Forward : Snap::Back);
    if (start > maximum)
        start = ColumnScroll::snapped(starts, maximum, Snap::Back);
    if (start != value)
        horizontalScrollBar()->setValue(start);
}

void FrozenColumnsView::copySelection()
{
    if (selectionModel())
        QGuiApplication::clipboard()->setText(cellsAsText(selectionModel()->selectedIndexes()));
}

std::optional<QAbstractItemView::CursorAction> FrozenColumnsView::shiftMove(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return MoveUp;
    case Qt::Key_Down:
        return MoveDown;
    case Qt::Key_Left:
        return MoveLeft;
    case Qt::Key_Right:
        return MoveRight;
    case Qt::Key_Home:
        return MoveHome;
    case Qt::Key_End:
        return MoveEnd;
    case Qt::Key_PageUp:
        return MovePageUp;
    case Qt::Key_PageDown:
        return MovePageDown;
    default:
        return std::nullopt;
    }
}

void FrozenColumnsView::keyPressEvent(QKeyEvent *event)
{
    // The whole selection, where the item view would copy the current cell alone.
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    const std::optional<CursorAction> move = shiftMove(event->key());
    if (move && (event->modifiers() & Qt::ShiftModifier) && selectionModel()) {
        // From the anchor, even one chosen in the frozen part.
        const QModelIndex to = moveCursor(*move, event->modifiers());
        if (to.isValid()) {
            m_keptSelection = QItemSelection();
            selectTo(to);
        }
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex FrozenColumnsView::cellAt(QPoint viewportPos) const
{
    // Over the frozen part, its cells, whatever scrolls beneath them.
    if (viewportPos.x() < frozenWidth()) {
        const int column = m_frozen->columnAt(viewportPos.x());
        const int row = rowAt(viewportPos.y());
        return column >= 0 && row >= 0 ? model()->index(row, column) : QModelIndex();
    }
    return indexAt(viewportPos);
}

void FrozenColumnsView::selectTo(const QModelIndex &cell)
{
    const QModelIndex from = m_anchor.isValid() ? QModelIndex(m_anchor) : cell;
    QItemSelection selection = m_keptSelection;
    selection.merge(QItemSelection(model()->index(std::min(from.row(), cell.row()),
                                                  std::min(from.column(), cell.column())),
                                   model()->index(std::max(from.row(), cell.row()),
                                                  std::max(from.column(), cell.column()))),
                    QItemSelectionModel::Select);
    m_extending = true;
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_extending = false;
}

bool FrozenColumnsView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
    if (watched != m_frozen->viewport() || !mouse)
        return QTableView::eventFilter(watched, event);
    auto *press = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseMove && !(press->buttons() & Qt::LeftButton))
        return false;
    // The frozen cells are this grid's own: the event goes to this view, in its viewport's
    // coordinates.
    const QPointF at =
        viewport()->mapFrom(this, m_frozen->viewport()->mapTo(this, press->position()));
    QMouseEvent moved(type, at, press->scenePosition(), press->globalPosition(), press->button(),
                      press->buttons(), press->modifiers(), press->pointingDevice());
    if (type == QEvent::MouseButtonPress)
        mousePressEvent(&moved);
    else if (type == QEvent::MouseButtonDblClick)
        mouseDoubleClickEvent(&moved);
    else if (type == QEvent::MouseMove)
        mouseMoveEvent(&moved);
    else
        mouseReleaseEvent(&moved);
    return true;
}

void FrozenColumnsView::mousePressEvent(QMouseEvent *event)
{
    // Only the left button selects.
    if (event->button() != Qt::LeftButton || !selectionModel())
        return;
    setFocus(Qt::MouseFocusReason);
    const QModelIndex cell = cellAt(event->position().toPoint());
    const Qt::KeyboardModifiers keys = event->modifiers();
    m_keptSelection = keys & Qt::ControlModifier ? selectionModel()->selection() : QItemSelection();
    m_dragging = cell.isValid();
    if (!cell.isValid()) {
        if (!(keys & (Qt::ShiftModifier | Qt::ControlModifier)))
            clearSelection();
    } else if (keys & Qt::ShiftModifier) {
        selectTo(cell);
    } else if (keys & Qt::ControlModifier) {
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::Toggle);
        m_keptSelection = selectionModel()->selection();
    } else {
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    }
}

void FrozenColumnsView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    if (!m_dragging)
        return;
    // Past an edge, the cell at that edge: the grid scrolls on as the drag goes on.
    const QRect area = viewport()->rect();
    const QPoint pos = event->position().toPoint();
    const QModelIndex cell =
        cellAt({std::clamp(pos.x(), 0, area.right()), std::clamp(pos.y(), 0, area.bottom())});
    if (cell.isValid() && cell != currentIndex())
        selectTo(cell);
}

void FrozenColumnsView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void FrozenColumnsView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Cells are not edited: a double click chooses as a click does.
    mousePressEvent(event);
}

void FrozenColumnsView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFrozenView();
}

QModelIndex FrozenColumnsView::moveCursor(CursorAction cursorAction,
                                          Qt::KeyboardModifiers modifiers)
{
    // Home goes back to the start of the row, and the grid with it.
    if (cursorAction == MoveHome)
        horizontalScrollBar()->setValue(0);
    return QTableView::moveCursor(cursorAction, modifiers);
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
