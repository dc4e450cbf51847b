#include "data/TableChanges.h"

#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/TStrGrid.h"

#include <QFileInfo>
#include <QLockFile>

namespace {

// A copy of the program holds the lock for the few milliseconds of its write. One that holds
// it longer has hung; the write then goes on without it rather than lose the edits.
constexpr int LockWait = 10000;

void copySettings(const TStrGrid &from, TStrGrid &to)
{
    to.setDivChar(from.DivChar());
    to.setSepChar(from.SepChar());
    to.setWinText(from.WinText());
}

} // namespace

void TableChanges::start(const QStringList &names, int records)
{
    *this = TableChanges();
    m_fromFile = true;
    m_names = names;
    m_records = records;
}

void TableChanges::startWithoutFile()
{
    *this = TableChanges();
}

void TableChanges::noteCell(int tag, int field)
{
    m_cells.insert({tag, field});
}

std::optional<QString> TableChanges::merge(TStrGrid &disk, const TStrGrid &own) const
{
    if (disk.RowCount() == 0 || disk.Row(0) != m_names)
        return QStringLiteral("ses colonnes ne sont plus celles que la fenêtre avait lues");
    const int records = disk.RowCount() - 1;
    if (records != m_records)
        return QStringLiteral("il contient %1 enregistrements au lieu des %2 que la fenêtre "
                              "avait lus")
            .arg(records)
            .arg(m_records);
    if (!m_rowsChanged) {
        // Record t stands in row t of the disk's table, under the names, and in row t - 1 of
        // this table's.
        for (const QPair<int, int> &cell : m_cells)
            disk.setCell(cell.second, cell.first, own.Cell(cell.second, cell.first - 1));
        return std::nullopt;
    }
    TStrGrid merged;
    copySettings(disk, merged);
    merged.setColCount(disk.ColCount());
    merged.setRowCount(own.RowCount() + 1);
    for (int c = 0; c < disk.ColCount(); ++c)
        merged.setCell(c, 0, disk.Cell(c, 0));
    for (int r = 0; r < own.RowCount(); ++r) {
        const int tag = own.RowTag(r);
        const bool read = tag >= 1 && tag <= m_records;
        for (int c = 0; c < disk.ColCount(); ++c) {
            const bool mine = !read || m_cells.contains({tag, c});
            merged.setCell(c, r + 1, mine ? own.Cell(c, r) : disk.Cell(c, tag));
        }
    }
    disk = std::move(merged);
    return std::nullopt;
}

std::optional<TStrGrid> TableChanges::mergedWithFile(const QString &fileName, const TStrGrid &own,
                                                     QString &why) const
{
    const QString file = QFileInfo(fileName).absoluteFilePath();
    TStrGrid disk;
    copySettings(own, disk);
    try {
        const QByteArray bytes = DataFile::readAll(fileName, TStrGrid::MaxFileSize);
        if (const std::optional<QString> refusal = DataFile::textRefusal(bytes)) {
            why = QStringLiteral("Le fichier « %1 » %2.").arg(file, *refusal);
            return std::nullopt;
        }
        disk.LoadFromBytes(bytes);
    } catch (const EInOutError &refused) {
        why = refused.message();
        return std::nullopt;
    }
    if (const std::optional<QString> mismatch = merge(disk, own)) {
        why = QStringLiteral("Le fichier « %1 » ne contient plus la table que la fenêtre avait "
                             "lue : %2.")
                  .arg(file, *mismatch);
        return std::nullopt;
    }
    return disk;
}

std::optional<QString> TableChanges::write(const QString &fileName, TStrGrid &own,
                                           const QStringList &names, const Observer &observe) const
{
    const QString lost = QStringLiteral(" Les modifications n'ont pas été enregistrées.");
    try {
        return writeLocked(fileName, own, names, observe);
    } catch (const EInOutError &e) {
        return e.message() + lost; // it names the file
    } catch (const MirelonError &e) {
        return QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2")
                   .arg(QFileInfo(fileName).absoluteFilePath(), e.message()) +
               lost;
    }
}

std::optional<QString> TableChanges::writeLocked(const QString &fileName, TStrGrid &own,
                                                 const QStringList &names,
                                                 const Observer &observe) const
{
    QLockFile lock(fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        if (observe)
            observe(Step::LockBusy);
        lock.tryLock(LockWait);
    }
    QString why;
    if (m_fromFile) {
        std::optional<TStrGrid> merged = mergedWithFile(fileName, own, why);
        if (observe)
            observe(Step::FileRead);
        if (merged) {
            merged->SaveToFile(fileName);
            return std::nullopt;
        }
    }
    // The whole copy, its names as the first line.
    own.InsertRow(0, 0);
    for (int c = 0; c < names.size(); ++c)
        own.setCell(c, 0, names[c]);
    try {
        own.SaveToFile(fileName);
    } catch (...) {
        own.DeleteRow(0);
        throw;
    }
    own.DeleteRow(0);
    if (why.isEmpty())
        return std::nullopt;
    return why + QStringLiteral(" Les modifications de la fenêtre ont été enregistrées en "
                                "écrivant à sa place toute la table qu'elle tient ; ce que le "
                                "fichier contenait d'autre a été remplacé.");
}
