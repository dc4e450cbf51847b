#pragma once

#include <QLockFile>
#include <QString>
#include <functional>

// The lock that keeps two writers of one data file apart, for the whole read, merge and write:
// a lock file "<file>.lock" beside the real file (the one a link names, so that two folders
// linking one file exclude each other). A lock stays its holder's for as long as the holder
// lives, however long it holds it (it may be asking its user a question); a lock left by a
// process that is gone is taken over at once. Nobody writes without it.
class TableLock
{
public:
    // Called while another writer holds the lock: with 0 as the wait begins, then about every
    // tenth of a second with the milliseconds waited so far. A window processes its events and
    // tells the user here; the wait goes on until the holder lets go or is gone.
    using Waiting = std::function<void(int waitedMs)>;

    // Takes the lock on `file`, waiting as above. Raises EInOutError, naming the folder, when
    // the lock file cannot be made there (a folder that cannot be written).
    explicit TableLock(const QString &file, const Waiting &waiting = {});
    ~TableLock() = default;
    TableLock(const TableLock &) = delete;
    TableLock &operator=(const TableLock &) = delete;

    // The lock file of `file`: beside its canonical path when it exists.
    static QString lockPath(const QString &file);
    // The real file `file` stands for: the link's target, or its absolute path when missing.
    static QString realPath(const QString &file);
    // True when a wait was needed before the lock was taken.
    bool waited() const { return m_waited; }

private:
    QLockFile m_lock;
    bool m_waited = false;
};
