#include "data/TableLock.h"

#include "data/DataFile.h"
#include "data/Errors.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <cerrno>

namespace {

// Between two calls of the waiting hook: short enough for a window to stay responsive.
constexpr int WaitStep = 100;

} // namespace

QString TableLock::realPath(const QString &file)
{
    const QFileInfo info(file);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

QString TableLock::lockPath(const QString &file)
{
    return realPath(file) + QStringLiteral(".lock");
}

TableLock::TableLock(const QString &file, const Waiting &waiting) : m_lock(lockPath(file))
{
    // No age makes a lock stale: only a holder that is gone (QLockFile checks the process id,
    // its name and the host written in the lock file).
    m_lock.setStaleLockTime(0);
    QElapsedTimer clock;
    while (!m_lock.tryLock(m_waited ? WaitStep : 0)) {
        if (m_lock.error() != QLockFile::LockFailedError) {
            const QString folder = QFileInfo(lockPath(file)).absolutePath();
            const int error = m_lock.error() == QLockFile::PermissionError ? EACCES : EIO;
            throw EInOutError(QStringLiteral("Le dossier « %1 » n'accepte pas d'écriture (%2) : "
                                             "le fichier « %3 » ne peut pas y être verrouillé "
                                             "pour être écrit.")
                                  .arg(folder, DataFile::reason(error), realPath(file)),
                              file);
        }
        if (!m_waited) {
            m_waited = true;
            clock.start();
        }
        if (waiting)
            waiting(static_cast<int>(clock.elapsed()));
    }
}
