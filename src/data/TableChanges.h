#pragma once

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TStrGrid;

// What a table changed since it read its file, and how closing writes it: only those cells,
// onto the file as it stands on disk at that moment, since other tables of this program and
// other copies of it write the same file. The read of the file, the merge and the write stand
// under the file's lock (TableLock), so that two copies cannot interleave them.
//
// Records are known by their key field when the table has one (each record's key as this
// table read it), else by their places; the table tags the rows it reads 1 to n, and a row
// that it inserts takes a tag above n. Inserted and deleted rows are handled conservatively:
// the merge is made only on a file that still holds the names, the number of records and the
// keys that this table read. The merged table is then this table's rows in this table's
// order, each row read from the file taking the file's cells under this table's changed
// cells, each inserted row taken whole, a deleted row left out. A file that cannot be matched
// so (gone, refused, other columns, another number of records, keys missing or twice) gets
// this table's whole copy, so that the user's edits are kept, and the user is told.
//
// A cell that this table changed and another writer changed too, since this table read it, is
// a conflict: the resolver decides which value stays; without one, this table's value does.
class TableChanges
{
public:
    // The points of a write that a window or a test may act at: the lock is held by another
    // writer (once), the wait goes on (about every tenth of a second), the lock was taken after
    // a wait, the file has been read again under the lock.
    enum class Step { LockBusy, LockWaiting, LockTaken, FileRead };
    using Observer = std::function<void(Step)>;

    // A cell changed both here and on disk: the record as this table holds it, the field's
    // index, the disk's text and this table's.
    struct Conflict
    {
        QStringList names;
        QStringList record;
        int field = -1;
        QString theirs;
        QString ours;
    };
    // True keeps this table's value, false takes the disk's.
    using Resolver = std::function<bool(const Conflict &)>;

    // Starts afresh on a table just read from its file: its names, number of records and the
    // index of its key field (-1 when records are known by their places). `fileNames` are the
    // names the file had when the table added fields after them (TableFields::Declared); a
    // file that still has only those is merged as if it had the added fields, empty.
    void start(const QStringList &names, int records, int keyField = -1,
               const QStringList &fileNames = {});
    // Starts afresh on a table whose records did not come from its file: closing writes the
    // whole copy.
    void startWithoutFile();
    // The cell's text before its first change is the text as this table read it.
    void noteCell(int tag, int field, const QString &before);
    // A row was inserted or deleted.
    void noteRows() { m_rowsChanged = true; }
    bool isEmpty() const { return m_cells.isEmpty() && !m_rowsChanged; }

    // The disk's table, names in row 0 as it was loaded, with this table's changes laid over
    // it; `own` holds this table's rows without the names. When `disk` is not the table that
    // was read, it is left as it is and the answer is why, for the user.
    std::optional<QString> merge(TStrGrid &disk, const TStrGrid &own,
                                 const Resolver &resolve = {}) const;

    // Writes the changes of `own` (its rows; `names` its fields) to `fileName` as above. The
    // answer is a message for the user when the write failed (the old file is then kept: see
    // TStrGrid::SaveToFile) or when the file could not be matched and was replaced by this
    // table's whole copy; nothing when the changes were merged.
    std::optional<QString> write(const QString &fileName, TStrGrid &own, const QStringList &names,
                                 const Observer &observe = {}, const Resolver &resolve = {}) const;

private:
    using Cell = QPair<int, int>; // (row tag, field)

    // Writes under the lock; raises as TStrGrid::SaveToFile.
    std::optional<QString> writeLocked(const QString &fileName, TStrGrid &own,
                                       const QStringList &names, const Observer &observe,
                                       const Resolver &resolve) const;
    // The file's table under the lock, merged; nothing, with `why`, when it cannot be.
    std::optional<TStrGrid> mergedWithFile(const QString &fileName, const TStrGrid &own,
                                           const Resolver &resolve, QString &why) const;
    // The disk row of each record read that `own` still holds, by tag; or why there is none.
    std::optional<QString> matchRecords(const TStrGrid &disk, const TStrGrid &own,
                                        QHash<int, int> &diskRows) const;
    // The changed cells of records read whose value stays this table's.
    QList<Cell> keptCells(const TStrGrid &disk, const TStrGrid &own,
                          const QHash<int, int> &diskRows, const Resolver &resolve) const;

    bool m_fromFile = false;
    QStringList m_names;
    QStringList m_fileNames; // the file's names without the added fields; empty when the same
    int m_records = 0;
    int m_keyField = -1;
    QHash<Cell, QString> m_cells; // changed cell -> its text as read
    bool m_rowsChanged = false;
};
