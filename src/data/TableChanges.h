#pragma once

#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class TStrGrid;

// What a table changed since it read its file, and how closing writes it: only those cells,
// onto the file as it stands on disk at that moment, since other tables of this program and
// other copies of it write the same file. The read of the file, the merge and the write stand
// under a lock file beside it ("<file>.lock"), so that two copies cannot interleave them. A
// cell that another writer changed too takes this table's value: the user's later action.
//
// Records are known by their row tags: the table tags the rows it reads 1 to n, and a row that
// it inserts takes a tag above n. Inserted and deleted rows are handled conservatively: the
// merge is made only on a file that still holds the names and the number of records that
// this table read, so that its records still stand where this table read them. The merged
// table is then this table's rows in this table's order, each row read from the file taking
// the file's cells under this table's changed cells, each inserted row taken whole, a deleted
// row left out. A file that cannot be matched so (gone, refused, other columns, another
// number of records) gets this table's whole copy, so that the user's edits are kept, and the
// user is told.
class TableChanges
{
public:
    // The points of a write that a test may act at: the lock is held by another writer (this
    // one then waits for it); the file has been read again under the lock.
    enum class Step { LockBusy, FileRead };
    using Observer = std::function<void(Step)>;

    // Starts afresh on a table just read from its file: its names and number of records.
    void start(const QStringList &names, int records);
    // Starts afresh on a table whose records did not come from its file: closing writes the
    // whole copy.
    void startWithoutFile();
    void noteCell(int tag, int field);
    // A row was inserted or deleted.
    void noteRows() { m_rowsChanged = true; }
    bool isEmpty() const { return m_cells.isEmpty() && !m_rowsChanged; }

    // The disk's table, names in row 0 as it was loaded, with this table's changes laid over
    // it; `own` holds this table's rows without the names. When `disk` is not the table that
    // was read, it is left as it is and the answer is why, for the user.
    std::optional<QString> merge(TStrGrid &disk, const TStrGrid &own) const;

    // Writes the changes of `own` (its rows; `names` its fields) to `fileName` as above. The
    // answer is a message for the user when the write failed (the old file is then kept: see
    // TStrGrid::SaveToFile) or when the file could not be matched and was replaced by this
    // table's whole copy; nothing when the changes were merged.
    std::optional<QString> write(const QString &fileName, TStrGrid &own, const QStringList &names,
                                 const Observer &observe = {}) const;

private:
    // Writes under the lock; raises as TStrGrid::SaveToFile.
    std::optional<QString> writeLocked(const QString &fileName, TStrGrid &own,
                                       const QStringList &names, const Observer &observe) const;
    // The file's table under the lock, merged; nothing, with `why`, when it cannot be.
    std::optional<TStrGrid> mergedWithFile(const QString &fileName, const TStrGrid &own,
                                           QString &why) const;

    bool m_fromFile = false;
    QStringList m_names;
    int m_records = 0;
    QSet<QPair<int, int>> m_cells; // (row tag, field)
    bool m_rowsChanged = false;
};
