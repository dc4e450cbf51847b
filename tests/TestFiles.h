#pragma once

#include "data/DataFolder.h"
#include "data/ElementColumns.h"
#include "data/ElementStore.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Whole-file reads and writes, and the data folders, of the tests' own fixtures.

// The file's bytes, or nothing when it cannot be read.
inline QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Creates or overwrites the file; false when it could not be written whole.
inline bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An element table as the first edition wrote it: every line without the columns added since,
// which stand last and hold numbers (never quoted), so each goes with its line's last ";".
inline QByteArray withFirstEditionColumns(const QByteArray &table)
{
    QList<QByteArray> lines = table.split('\n');
    for (QByteArray &line : lines) {
        const bool cr = line.endsWith('\r');
        for (int added = ElementColumns::FirstEditionCount; added < ElementColumns::Count; ++added)
            line.truncate(line.lastIndexOf(';') < 0 ? line.size() : line.lastIndexOf(';'));
        if (cr && !line.endsWith('\r') && !line.isEmpty())
            line.append('\r');
    }
    return lines.join('\n');
}

// The data files that come with the program; the windows only read them.
inline DataFolder shippedData()
{
    return DataFolder(QStringLiteral(MIRELON_SHARE_DIR));
}

// A data folder of the test's own, handed to the windows under test: empty at first, then
// holding writable copies of the shipped files or crafted bytes.
class ScratchData
{
public:
    using File = QString (DataFolder::*)() const; // &DataFolder::propFile, ...

    DataFolder folder() const { return DataFolder(m_dir.path()); }
    // The same folder, its files copied from the shipped ones, which it can go back to.
    DataFolder folderWithOrigin() const
    {
        return DataFolder(m_dir.path(), QStringLiteral(MIRELON_SHARE_DIR));
    }
    QString path(File file) const { return (folder().*file)(); }
    // Any other file of the folder: what a test saves, prints or exports.
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A writable copy of the shipped file; false when it could not be made whole.
    bool copyShipped(File file) const
    {
        const QByteArray bytes = readFileBytes((shippedData().*file)());
        return !bytes.isEmpty() && writeFileBytes(path(file), bytes);
    }
    bool copyAllShipped() const
    {
        return copyShipped(&DataFolder::propFile) && copyShipped(&DataFolder::structFile) &&
               copyShipped(&DataFolder::isoFile);
    }

    // The element store of the folder (with its origin when `withOrigin`), made and opened
    // at the first call, as the program's start opens it: what the windows under test show.
    ElementStore &store(bool withOrigin = false) const
    {
        if (!m_store) {
            m_store = std::make_unique<ElementStore>(withOrigin ? folderWithOrigin() : folder());
            m_store->open();
        }
        return *m_store;
    }

private:
    QTemporaryDir m_dir;
    mutable std::unique_ptr<ElementStore> m_store;
};
