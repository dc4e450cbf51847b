#include "data/TableChanges.h"

#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/TStrGrid.h"
#include "data/TableLock.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <utility>

namespace {

void copySettings(const TStrGrid &from, TStrGrid &to)
{
    to.setDivChar(from.DivChar());
    to.setSepChar(from.SepChar());
    to.setWinText(from.WinText());
}

// The row of each tag of the grid.
QHash<int, int> rowsByTag(const TStrGrid &grid)
{
    QHash<int, int> rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.insert(grid.RowTag(r), r);
    return rows;
}

} // namespace

void TableChanges::start(const QStringList &names, int records, int keyField,
                         const QStringList &fileNames)
{
    *this = TableChanges();
    m_fromFile = true;
    m_names = names;
    if (fileNames != names)
        m_fileNames = fileNames;
    m_records = records;
    m_keyField = keyField;
}

void TableChanges::startWithoutFile()
{
    *this = TableChanges();
}

void TableChanges::noteCell(int tag, int field, const QString &before)
{
    if (!m_cells.contains({tag, field}))
        m_cells.insert({tag, field}, before);
}

std::optional<QString> TableChanges::matchRecords(const TStrGrid &disk, const TStrGrid &own,
                                                  QHash<int, int> &diskRows) const
{
    if (m_keyField < 0) {
        // Record t stands in row t of the disk's table, under the names.
        for (int tag = 1; tag <= m_records; ++tag)
            diskRows.insert(tag, tag);
        return std::nullopt;
    }
    const QString key = m_names.value(m_keyField);
    QHash<QString, int> byKey;
    for (int r = 1; r < disk.RowCount(); ++r) {
        const QString value = disk.Cell(m_keyField, r);
        if (value.isEmpty())
            return QStringLiteral("son enregistrement %1 n'a pas de « %2 »").arg(r).arg(key);
        if (byKey.contains(value))
            return QStringLiteral("deux de ses enregistrements ont « %1 » égal à « %2 »")
                .arg(key, value);
        byKey.insert(value, r);
    }
    QSet<int> taken;
    for (int r = 0; r < own.RowCount(); ++r) {
        const int tag = own.RowTag(r);
        if (tag < 1 || tag > m_records)
            continue; // inserted here
        // The key as read, even when this table changed it since.
        const QString value = m_cells.value({tag, m_keyField}, own.Cell(m_keyField, r));
        const auto found = byKey.constFind(value);
        if (found == byKey.cend())
            return QStringLiteral("aucun de ses enregistrements n'a plus « %1 » égal à « %2 »")
                .arg(key, value);
        if (taken.contains(*found))
            return QStringLiteral("la fenêtre avait lu deux enregistrements ayant « %1 » égal "
                                  "à « %2 »")
                .arg(key, value);
        taken.insert(*found);
        diskRows.insert(tag, *found);
    }
    return std::nullopt;
}

QList<TableChanges::Cell> TableChanges::keptCells(const TStrGrid &disk, const TStrGrid &own,
                                                  const QHash<int, int> &diskRows,
                                                  const Resolver &resolve) const
{
    // In the records' order, so that the user is asked about them as the table lists them.
    QList<Cell> cells = m_cells.keys();
    std::sort(cells.begin(), cells.end());
    const QHash<int, int> ownRows = rowsByTag(own);
    QList<Cell> kept;
    for (const Cell &cell : cells) {
        const auto diskRow = diskRows.constFind(cell.first);
        const auto ownRow = ownRows.constFind(cell.first);
        if (diskRow == diskRows.cend() || ownRow == ownRows.cend())
            continue; // inserted, or deleted here
        const QString theirs = disk.Cell(cell.second, *diskRow);
        const QString ours = own.Cell(cell.second, *ownRow);
        const bool untouched = theirs == m_cells.value(cell) || theirs == ours;
        if (untouched || !resolve ||
            resolve({m_names, own.Row(*ownRow), cell.second, theirs, ours}))
            kept.append(cell);
    }
    return kept;
}

std::optional<QString> TableChanges::merge(TStrGrid &disk, const TStrGrid &own,
                                           const Resolver &resolve) const
{
    if (disk.RowCount() > 0 && !m_fileNames.isEmpty() && disk.Row(0) == m_fileNames) {
        // Still without the fields this table added: they are written now, empty where this
        // table put nothing.
        disk.setColCount(int(m_names.size()));
        for (int c = int(m_fileNames.size()); c < m_names.size(); ++c)
            disk.setCell(c, 0, m_names[c]);
    }
    if (disk.RowCount() == 0 || disk.Row(0) != m_names)
        return QStringLiteral("ses colonnes ne sont plus celles que la fenêtre avait lues");
    const int records = disk.RowCount() - 1;
    if (records != m_records)
        return QStringLiteral("il contient %1 enregistrements au lieu des %2 que la fenêtre "
                              "avait lus")
            .arg(records)
            .arg(m_records);
    QHash<int, int> diskRows;
    if (std::optional<QString> unmatched = matchRecords(disk, own, diskRows))
        return unmatched;
    const QList<Cell> kept = keptCells(disk, own, diskRows, resolve);
    if (!m_rowsChanged) {
        // This table's rows are its records in the order read: record t in row t - 1.
        for (const Cell &cell : kept)
            disk.setCell(cell.second, diskRows.value(cell.first),
                         own.Cell(cell.second, cell.first - 1));
        return std::nullopt;
    }
    const QSet<Cell> mine(kept.cbegin(), kept.cend());
    TStrGrid merged;
    copySettings(disk, merged);
    merged.setColCount(disk.ColCount());
    merged.setRowCount(own.RowCount() + 1);
    for (int c = 0; c < disk.ColCount(); ++c)
        merged.setCell(c, 0, disk.Cell(c, 0));
    for (int r = 0; r < own.RowCount(); ++r) {
        const int tag = own.RowTag(r);
        const auto diskRow = diskRows.constFind(tag);
        const bool read = diskRow != diskRows.cend();
        for (int c = 0; c < disk.ColCount(); ++c) {
            const bool ours = !read || mine.contains({tag, c});
            merged.setCell(c, r + 1, ours ? own.Cell(c, r) : disk.Cell(c, *diskRow));
        }
    }
    disk = std::move(merged);
    return std::nullopt;
}

std::optional<TStrGrid> TableChanges::mergedWithFile(const QString &fileName, const TStrGrid &own,
                                                     const Resolver &resolve, QString &why) const
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
    if (const std::optional<QString> mismatch = merge(disk, own, resolve)) {
        why = QStringLiteral("Le fichier « %1 » ne contient plus la table que la fenêtre avait "
                             "lue : %2.")
                  .arg(file, *mismatch);
        return std::nullopt;
    }
    return disk;
}

std::optional<QString> TableChanges::write(const QString &fileName, TStrGrid &own,
                                           const QStringList &names, const Observer &observe,
                                           const Resolver &resolve) const
{
    const QString lost = QStringLiteral(" Les modifications n'ont pas été enregistrées.");
    try {
        return writeLocked(fileName, own, names, observe, resolve);
    } catch (const EInOutError &e) {
        return e.message() + lost; // it names the file
    } catch (const MirelonError &e) {
        return QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2")
                   .arg(QFileInfo(fileName).absoluteFilePath(), e.message()) +
               lost;
    }
}

std::optional<QString> TableChanges::writeLocked(const QString &fileName, TStrGrid &own,
                                                 const QStringList &names, const Observer &observe,
                                                 const Resolver &resolve) const
{
    // A file the user marked read-only is refused before anyone is asked anything.
    DataFile::checkWritable(fileName);
    bool busy = false;
    const TableLock lock(fileName, [&](int) {
        if (observe)
            observe(std::exchange(busy, true) ? Step::LockWaiting : Step::LockBusy);
    });
    if (lock.waited() && observe)
        observe(Step::LockTaken);
    QString why;
    if (m_fromFile) {
        std::optional<TStrGrid> merged = mergedWithFile(fileName, own, resolve, why);
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
