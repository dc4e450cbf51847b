#pragma once

#include "data/FilterExpression.h"
#include "data/RecordPostCheck.h"
#include "data/TStrGrid.h"
#include "data/TableChanges.h"
#include "data/TableFields.h"
#include "data/TableWriteBack.h"

#include <QObject>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

// A data set over a delimited text file: the file's first line names the fields, each further
// line is a record. The cells live in a TStrGrid; the table adds the cursor, editing, bookmarks,
// locating and filtering, and when it closes after a change it writes the cells it changed
// onto the file as it then stands (TableChanges). Record errors raise EDatabaseError, property
// errors ETxtTblError.
class TTextTable : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum LocateOption { NoLocateOptions = 0, CaseInsensitive = 1, PartialKey = 2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)

    // A field a window binds; size 0 keeps the size computed at opening.
    using FieldDecl = TableFields::Declared;

    explicit TTextTable(QObject *parent = nullptr);
    ~TTextTable() override;

    // File settings, held by the grid.
    QChar DivChar() const { return m_grid.DivChar(); }
    void setDivChar(QChar c) { m_grid.setDivChar(c); }
    QChar SepChar() const { return m_grid.SepChar(); }
    void setSepChar(QChar c) { m_grid.setSepChar(c); }
    bool WinText() const { return m_grid.WinText(); }
    void setWinText(bool on) { m_grid.setWinText(on); }

    QString FileName() const { return m_fileName; }
    // Raises ETxtTblError while the table is open; a new non-empty name turns KeepData off.
    void setFileName(const QString &name);
    // On: opening takes the names and cells held in memory, closing keeps them.
    bool KeepData() const { return m_keepData; }
    void setKeepData(bool on) { m_keepData = on; }

    // The names and cells held in memory, used when KeepData is on or the file cannot be read.
    QStringList FldNames() const { return m_fields.names(); }
    void setFldNames(const QStringList &names);
    TStrGrid &Grid() { return m_grid; }
    const TStrGrid &Grid() const { return m_grid; }

    // The fields the window binds: opening fails with "%s: Field '%s' not found" when one is
    // missing from the file (names compared without regard to case), but for an added field,
    // which opening appends to the file's fields, empty in every record; a closing that writes
    // then writes it too.
    void setDeclaredFields(const QVector<FieldDecl> &fields);
    void setDeclaredFields(const QStringList &names);

    bool Active() const { return m_active; }
    void setActive(bool on);
    void Open();
    // Writes what was posted since the table opened onto the file as it stands, or this
    // table's whole copy when the file no longer holds the table read (TableChanges); an
    // unposted edit is dropped. Both a failed write and a replaced file are reported through
    // writeFailed().
    void Close();
    // Writes what was posted since the table opened (or last wrote) as Close() does, and stays
    // open on the same record, an edit in progress kept unposted. A write that succeeds is not
    // made again by a later closing; one that fails (reported through writeFailed()) is tried
    // again then.
    void SavePosted();
    State state() const { return m_state; }

    bool Filtered() const { return m_filtered; }
    void setFiltered(bool on);
    QString Filter() const { return m_filter; }
    void setFilter(const QString &expression);

    // Cursor. Moves past either end do nothing but set Eof or Bof.
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int distance); // the number of records actually moved, signed
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    int RecordCount() const;
    int RecNo() const;
    void setRecNo(int recNo); // 1..RecordCount, other values ignored

    // Fields of the current record; an unknown name raises EDatabaseError.
    int FieldCount() const { return m_fields.count(); }
    QStringList FieldNames() const { return m_fields.names(); }
    int FieldIndex(const QString &name) const { return m_fields.index(name); } // -1 when unknown
    int FieldSize(int field) const { return m_fields.size(field); }
    int RecordSize() const { return m_fields.recordSize(); }
    QString FieldText(const QString &name) const;
    std::optional<QString> FieldValue(const QString &name) const;
    // Any record without moving the cursor (0-based record index, field index), cut to size.
    QString RecordText(int record, int field) const;
    // The same text without a copy; valid until the table next changes.
    QStringView RecordView(int record, int field) const;

    // Editing. Edit on an empty table starts an insertion; moving to another record posts a
    // changed record; setFieldText starts an edit when the table is browsing.
    void Edit();
    void Insert();
    void Append();
    // Checks every changed field before a cell changes, so that the file is never asked to
    // hold what it cannot: a text that the value check refuses, one the grid could not write
    // back (TStrGrid::CellRefusal) or a record line over the length limit raises ETxtTblError
    // naming the record and the field, and the edit stays as it was. A text the check accepts
    // is stored in the form it gives, cut to the field's size.
    void Post();
    // Posts a pending edit or insertion; the refusal's message instead, the edit then staying
    // as it is. Nothing when there was nothing to post.
    std::optional<QString> TryPost();
    void Cancel();
    void Delete();
    void setFieldText(const QString &name, const QString &text);
    // The edit in progress holds another text for the field than the record does.
    bool FieldEdited(const QString &name) const;
    // Gives the field of the edit in progress the record's text again; the edit is cancelled
    // when no field of it is left changed.
    void RevertField(const QString &name);
    // Set by every posting, insertion or deletion; stays set for the life of the object. What
    // a closing writes is only what was posted since the table opened.
    bool Modified() const { return m_modified; }
    // Called at the points of a closing's write: a window waiting for another copy's lock
    // keeps itself alive there, a test acts there.
    void setWriteObserver(TableChanges::Observer observer)
    {
        m_writeBack.setObserver(std::move(observer));
    }
    // Decides a cell that this table changed and another writer changed too since it read the
    // file; without one, this table's value stays.
    void setConflictResolver(TableChanges::Resolver resolve)
    {
        m_writeBack.setResolver(std::move(resolve));
    }
    // The field whose text names a record (case-insensitive), by which a closing finds this
    // table's records in the file whatever their order; none, or one the file lacks, matches
    // records by their places.
    void setKeyField(const QString &name) { m_keyField = name; }

    // Why the posted text of a field (by index) is refused, for the user; nothing when it is
    // accepted, in which case it may have put the text in the form it is stored in. Called for
    // every changed field with its whole text, before the grid's own checks.
    using ValueCheck = RecordPostCheck::ValueCheck;
    void setValueCheck(ValueCheck check) { m_postCheck.setValueCheck(std::move(check)); }
    // How a refused post names the current record and a field for the user; by default
    // "Enregistrement <n>, champ <name>".
    using PlaceName = RecordPostCheck::PlaceName;
    void setPlaceName(PlaceName name) { m_postCheck.setPlaceName(std::move(name)); }

    std::optional<int> Bookmark() const;
    void GotoBookmark(int bookmark);
    bool Locate(const QString &field, const QString &key, LocateOptions options = {});

signals:
    void activeChanged(bool active);
    // Once per actual move of the cursor (and when a record appears or goes at the cursor).
    void recordChanged();
    void stateChanged(TTextTable::State state);
    void fieldChanged(const QString &fieldName);
    // The records changed as a whole: opened, closed, filtered, a record posted or deleted.
    void contentsChanged();
    // Closing could not write the changes as they should be: either the write failed and the
    // old file is kept, or the file no longer held the table read and this table's whole copy
    // replaced it. The message, for the user, says which.
    void writeFailed(const QString &message);

private:
    void tagRowsInOrder();
    int requireField(const QString &name) const;
    int physicalRow(int index) const;
    void dropFilter();
    void checkBrowseMode();
    void requireActive() const;
    void resetCursor();
    void startInsert(bool append);
    void insertRow();
    void applyFilter(const QString &expression);
    void setState(State s);
    void moveTo(int index);
    [[noreturn]] void fieldNotFound(const QString &name) const;

    TStrGrid m_grid;
    QString m_fileName;
    bool m_keepData = false;
    bool m_active = false;
    bool m_filtered = false;
    QString m_filter;
    TableFields m_fields;
    QVector<FieldDecl> m_declared;
    State m_state = State::Inactive;
    int m_index = -1;
    bool m_bof = true;
    bool m_eof = true;
    int m_tagCounter = 0;
    bool m_modified = false;
    TableWriteBack m_writeBack;
    QString m_keyField;
    QStringList m_buffer; // the record being edited or inserted
    bool m_bufferChanged = false;
    bool m_appending = false;
    RecordPostCheck m_postCheck;
    std::unique_ptr<FilterExpression> m_filterExpr;
    QVector<int> m_filterRows; // rows passing the filter while one is applied
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TTextTable::LocateOptions)
