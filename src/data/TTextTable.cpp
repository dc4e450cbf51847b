#include "data/TTextTable.h"

#include "data/Errors.h"

#include <algorithm>

namespace {

[[noreturn]] void noRecords()
{
    throw EDatabaseError(QStringLiteral("No Records"));
}

} // namespace

TTextTable::TTextTable(QObject *parent) : QObject(parent)
{
    // The program's files: fields divided by semicolons, quoted by double quotes, Windows text.
    m_grid.setDivChar(u';');
}

TTextTable::~TTextTable()
{
    try {
        Close();
    } catch (...) {
        // A table that goes away must not throw; a failed write has been signalled already.
    }
}

void TTextTable::setFileName(const QString &name)
{
    if (m_active)
        throw ETxtTblError(QStringLiteral("Can't change this property while table is active "));
    if (name == m_fileName)
        return;
    m_fileName = name;
    if (!name.isEmpty())
        m_keepData = false;
}

void TTextTable::setFldNames(const QStringList &names)
{
    m_fields.setNames(names);
}

void TTextTable::setDeclaredFields(const QVector<FieldDecl> &fields)
{
    m_declared = fields;
}

void TTextTable::setDeclaredFields(const QStringList &names)
{
    m_declared.clear();
    for (const QString &name : names)
        m_declared.append({name, 0});
}

void TTextTable::setActive(bool on)
{
    if (on)
        Open();
    else
        Close();
}

void TTextTable::Open()
{
    if (m_active)
        return;
    bool fromFile = false;
    if (!m_keepData) {
        // A file that cannot be read leaves the cells held in memory; the table opens on them.
        fromFile = m_fields.load(m_grid, m_fileName);
    }
    try {
        // A file written before an added field existed gets it, empty; the file itself is
        // written with it only once something is written.
        const QStringList read = FieldNames();
        m_fields.addMissing(m_declared);
        if (const std::optional<QString> missing = m_fields.firstMissing(m_declared))
            fieldNotFound(*missing);
        m_fields.measure(m_grid, m_declared);
        tagRowsInOrder();
        if (fromFile)
            m_writeBack.startFromFile(FieldNames(), m_grid.RowCount(),
                                      m_keyField.isEmpty() ? -1 : FieldIndex(m_keyField), read);
        else
            m_writeBack.startWithoutFile();
        m_active = true;
        if (m_filtered)
            applyFilter(m_filter);
    } catch (...) {
        m_active = false;
        if (!m_keepData) {
            m_grid.Clear();
            setFldNames({});
        }
        throw;
    }
    setState(State::Browse);
    emit activeChanged(true);
    resetCursor();
}

// Tags the rows 1 to n as the file holds them, which a write finds them by.
void TTextTable::tagRowsInOrder()
{
    for (int r = 0; r < m_grid.RowCount(); ++r)
        m_grid.setRowTag(r, r + 1);
    m_tagCounter = m_grid.RowCount();
}

void TTextTable::Close()
{
    if (!m_active)
        return;
    m_buffer.clear();
    m_bufferChanged = false;
    dropFilter();
    if (const std::optional<QString> trouble =
            m_writeBack.writeAtClose(m_fileName, m_grid, FieldNames()))
        emit writeFailed(*trouble);
    if (!m_keepData) {
        m_grid.Clear();
        setFldNames({});
    }
    m_fields.forgetSizes();
    m_active = false;
    m_index = -1;
    m_bof = m_eof = true;
    setState(State::Inactive);
    emit activeChanged(false);
    emit contentsChanged();
}

void TTextTable::SavePosted()
{
    if (!m_active || !m_writeBack.hasWork(m_fileName, FieldNames()))
        return;
    if (const std::optional<QString> trouble =
            m_writeBack.writeNow(m_fileName, m_grid, FieldNames()))
        emit writeFailed(*trouble);
    else
        tagRowsInOrder();
}

void TTextTable::resetCursor()
{
    const int count = RecordCount();
    m_index = count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = count == 0;
    emit contentsChanged();
    emit recordChanged();
}

void TTextTable::setFiltered(bool on)
{
    if (on == m_filtered)
        return;
    if (!m_active) {
        m_filtered = on;
        return;
    }
    checkBrowseMode();
    if (on)
        applyFilter(m_filter);
    else
        dropFilter();
    m_filtered = on;
    resetCursor();
}

void TTextTable::setFilter(const QString &expression)
{
    if (m_active && m_filtered) {
        checkBrowseMode();
        applyFilter(expression);
        m_filter = expression;
        resetCursor();
        return;
    }
    m_filter = expression;
}

void TTextTable::applyFilter(const QString &expression)
{
    auto expr = std::make_unique<FilterExpression>(expression);
    for (const QString &name : expr->FieldNames())
        requireField(name);
    QVector<int> rows;
    for (int r = 0; r < m_grid.RowCount(); ++r) {
        const auto cell = [&](const QString &name) { return m_grid.Cell(FieldIndex(name), r); };
        if (expr->Evaluate(cell))
            rows.append(r);
    }
    m_filterExpr = std::move(expr);
    m_filterRows = std::move(rows);
}

void TTextTable::dropFilter()
{
    m_filterExpr.reset();
    m_filterRows.clear();
}

int TTextTable::RecordCount() const
{
    if (!m_active)
        return 0;
    return m_filterExpr ? static_cast<int>(m_filterRows.size()) : m_grid.RowCount();
}

int TTextTable::physicalRow(int index) const
{
    if (!m_filterExpr)
        return index;
    return index >= 0 && index < m_filterRows.size() ? m_filterRows[index] : m_grid.RowCount();
}

void TTextTable::moveTo(int index)
{
    if (index == m_index)
        return;
    m_index = index;
    emit recordChanged();
}

void TTextTable::First()
{
    checkBrowseMode();
    const int count = RecordCount();
    moveTo(count > 0 ? 0 : -1);
    m_bof = true;
    m_eof = count == 0;
}

void TTextTable::Last()
{
    checkBrowseMode();
    const int count = RecordCount();
    moveTo(count - 1);
    m_eof = true;
    m_bof = count == 0;
}

void TTextTable::Next()
{
    MoveBy(1);
}

void TTextTable::Prior()
{
    MoveBy(-1);
}

int TTextTable::MoveBy(int distance)
{
    checkBrowseMode();
    const int count = RecordCount();
    if (count == 0) {
        m_bof = m_eof = true;
        return 0;
    }
    const qint64 wanted = qint64(m_index) + distance;
    const int target = static_cast<int>(qBound<qint64>(0, wanted, qint64(count) - 1));
    const int moved = target - m_index;
    if (distance != 0) {
        m_eof = distance > 0 && wanted > target;
        m_bof = distance < 0 && wanted < target;
    }
    moveTo(target);
    return moved;
}

int TTextTable::RecNo() const
{
    if (m_index == -1 && RecordCount() > 0)
        return 1;
    return m_index + 1;
}

void TTextTable::setRecNo(int recNo)
{
    if (recNo < 1 || recNo > RecordCount())
        return;
    checkBrowseMode();
    moveTo(recNo - 1);
    m_bof = m_eof = false;
}

void TTextTable::fieldNotFound(const QString &name) const
{
    const QString prefix = objectName().isEmpty() ? QString() : objectName() + QStringLiteral(": ");
    throw EDatabaseError(prefix + QStringLiteral("Field '%1' not found").arg(name), name);
}

int TTextTable::requireField(const QString &name) const
{
    const int c = FieldIndex(name);
    if (c >= 0)
        return c;
    // A declared field of a closed table exists and reads as empty.
    if (!m_active) {
        for (const FieldDecl &decl : m_declared) {
            if (decl.name.compare(name, Qt::CaseInsensitive) == 0)
                return -1;
        }
    }
    fieldNotFound(name);
}

QString TTextTable::FieldText(const QString &name) const
{
    const int c = requireField(name);
    if (!m_active || c < 0)
        return {};
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer.value(c).left(FieldSize(c));
    return RecordText(m_index, c);
}

std::optional<QString> TTextTable::FieldValue(const QString &name) const
{
    QString text = FieldText(name);
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

QString TTextTable::RecordText(int record, int field) const
{
    return RecordView(record, field).toString();
}

QStringView TTextTable::RecordView(int record, int field) const
{
    if (!m_active || record < 0 || record >= RecordCount())
        return {};
    return m_grid.CellView(field, physicalRow(record)).left(FieldSize(field));
}

void TTextTable::setState(State s)
{
    if (s == m_state)
        return;
    m_state = s;
    emit stateChanged(s);
}

void TTextTable::checkBrowseMode()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    if (m_bufferChanged)
        Post();
    else
        Cancel();
}

void TTextTable::requireActive() const
{
    if (!m_active)
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TTextTable::Edit()
{
    requireActive();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (RecordCount() == 0) {
        Insert();
        return;
    }
    // The cells as they stand: reading cuts a text to its field's size, but a post must not
    // write the cut texts of the fields the user did not touch.
    m_buffer = m_grid.Row(physicalRow(m_index));
    m_bufferChanged = false;
    setState(State::Edit);
}

void TTextTable::startInsert(bool append)
{
    requireActive();
    checkBrowseMode();
    m_buffer = QStringList();
    for (int c = 0; c < FieldCount(); ++c)
        m_buffer.append(QString());
    m_bufferChanged = false;
    m_appending = append;
    if (append)
        m_index = RecordCount();
    setState(State::Insert);
    emit recordChanged();
}

void TTextTable::Insert()
{
    startInsert(false);
}

void TTextTable::Append()
{
    startInsert(true);
}

void TTextTable::insertRow()
{
    ++m_tagCounter;
    if (m_index == -1)
        m_index = 0;
    const int row = qMin(physicalRow(m_index), m_grid.RowCount());
    m_grid.InsertRow(row, m_tagCounter);
    if (m_filterExpr) {
        // Keep the visible rows pointing at the same records, and show the new one here.
        for (int &r : m_filterRows) {
            if (r >= row)
                ++r;
        }
        m_filterRows.insert(qMin<qsizetype>(m_index, m_filterRows.size()), row);
    }
    if (m_appending)
        m_index = RecordCount() - 1;
}

void TTextTable::Post()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    const QStringList posted = m_postCheck.postedTexts(
        m_buffer, m_grid, m_state == State::Insert ? -1 : physicalRow(m_index), m_fields, RecNo());
    m_modified = true;
    if (m_state == State::Insert) {
        insertRow();
        m_writeBack.noteRows();
    }
    const int row = physicalRow(m_index);
    for (int c = 0; c < FieldCount(); ++c) {
        const QString &text = posted.at(c);
        if (text == m_grid.CellView(c, row))
            continue;
        m_writeBack.noteCell(m_grid.RowTag(row), c, m_grid.Cell(c, row));
        m_grid.setCell(c, row, text);
    }
    m_buffer.clear();
    m_bufferChanged = false;
    m_appending = false;
    m_bof = m_eof = false;
    setState(State::Browse);
    emit contentsChanged();
}

std::optional<QString> TTextTable::TryPost()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return std::nullopt;
    try {
        Post();
    } catch (const ETxtTblError &refused) {
        return refused.message();
    }
    return std::nullopt;
}

void TTextTable::Cancel()
{
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    const bool wasInsert = m_state == State::Insert;
    m_buffer.clear();
    m_bufferChanged = false;
    if (wasInsert && m_appending)
        m_index = RecordCount() - 1;
    m_appending = false;
    setState(State::Browse);
    if (wasInsert)
        emit recordChanged();
}

void TTextTable::Delete()
{
    requireActive();
    if (m_state == State::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (m_index < 0 || m_index >= RecordCount())
        noRecords();
    m_modified = true;
    m_writeBack.noteRows();
    const int row = physicalRow(m_index);
    m_grid.DeleteRow(row);
    if (m_filterExpr) {
        m_filterRows.remove(m_index);
        for (int &r : m_filterRows) {
            if (r > row)
                --r;
        }
    }
    const int count = RecordCount();
    if (m_index >= count)
        --m_index;
    m_bof = m_eof = count == 0;
    emit contentsChanged();
    emit recordChanged();
}

void TTextTable::setFieldText(const QString &name, const QString &text)
{
    const int c = requireField(name);
    requireActive();
    if (m_state == State::Browse)
        Edit();
    // Kept whole until the post, which cuts it to the field's size or refuses it.
    m_buffer[c] = text;
    m_bufferChanged = true;
    emit fieldChanged(m_fields.names()[c]);
}

bool TTextTable::FieldEdited(const QString &name) const
{
    if (m_state != State::Edit && m_state != State::Insert)
        return false;
    const int c = FieldIndex(name);
    if (c < 0)
        return false;
    if (m_state == State::Insert)
        return !m_buffer.value(c).isEmpty();
    return m_buffer.value(c) != m_grid.CellView(c, physicalRow(m_index));
}

void TTextTable::RevertField(const QString &name)
{
    const int c = requireField(name);
    if (!FieldEdited(name))
        return;
    const bool inserting = m_state == State::Insert;
    const int row = physicalRow(m_index);
    m_buffer[c] = inserting ? QString() : m_grid.Cell(c, row);
    const bool unchanged = inserting
                               ? std::all_of(m_buffer.cbegin(), m_buffer.cend(),
                                             [](const QString &text) { return text.isEmpty(); })
                               : m_buffer == m_grid.Row(row);
    if (unchanged)
        Cancel();
    else
        emit fieldChanged(m_fields.names()[c]);
}

std::optional<int> TTextTable::Bookmark() const
{
    if (!m_active || m_index < 0 || m_index >= RecordCount())
        return std::nullopt;
    return m_grid.RowTag(physicalRow(m_index));
}

void TTextTable::GotoBookmark(int bookmark)
{
    requireActive();
    checkBrowseMode();
    const int row = m_grid.FindTag(bookmark);
    const int index = row < 0 || !m_filterExpr ? row : static_cast<int>(m_filterRows.indexOf(row));
    if (index < 0)
        throw EDatabaseError(QStringLiteral("Bookmark not found"));
    moveTo(index);
    m_bof = m_eof = false;
}

bool TTextTable::Locate(const QString &field, const QString &key, LocateOptions options)
{
    const int c = requireField(field);
    if (!m_active || c < 0)
        return false;
    checkBrowseMode();
    const bool caseless = options.testFlag(CaseInsensitive);
    const QString wanted = caseless ? key.toLower() : key;
    // Under a filter only the records it lets through can become current.
    for (int i = 0; i < RecordCount(); ++i) {
        QString cell = m_grid.Cell(c, physicalRow(i));
        if (caseless)
            cell = cell.toLower();
        if (options.testFlag(PartialKey) ? cell.contains(wanted) : cell == wanted) {
            moveTo(i);
            m_bof = m_eof = false;
            return true;
        }
    }
    return false;
}
