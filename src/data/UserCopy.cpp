#include "data/UserCopy.h"

#include "data/DataFile.h"
#include "data/DataFolder.h"
#include "data/Errors.h"
#include "data/TStrGrid.h"
#include "data/TableRefresh.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

namespace {

// A writer of the element table holds its lock for the few milliseconds of a write.
constexpr int LockWait = 10000;

QString dataFolderPath(const DataFolder &folder)
{
    return QFileInfo(folder.propFile()).absolutePath();
}

QString name(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// `one` for a count of 1, else `many` with the count for its %1.
QString counted(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

// A name for a file set aside beside `path` that no file has yet.
QString freeName(const QString &stem)
{
    QString free = stem;
    for (int n = 2; exists(free); ++n)
        free = stem + QStringLiteral("-%1").arg(n);
    return free;
}

// The bytes of a file of the program's delimited kind, read as a table; raises EInOutError
// naming the file and why it is not one.
TStrGrid readTable(const QString &path, const QByteArray &bytes)
{
    std::optional<QString> why = DataFile::textRefusal(bytes);
    TStrGrid table;
    table.setDivChar(QChar(u';'));
    if (!why) {
        table.LoadFromBytes(bytes);
        why = TableRefresh::refusal(table);
    }
    if (why)
        throw EInOutError(QStringLiteral("Le fichier « %1 » ne se lit pas comme une table des "
                                         "éléments : %2.")
                              .arg(QFileInfo(path).absoluteFilePath(), *why),
                          path);
    return table;
}

// One refresh of one data folder: what it did, for the user.
class Refresh
{
public:
    Refresh(const DataFolder &folder, const QDateTime &now) : m_folder(folder), m_now(now) {}

    void table();
    void sections(const QString &mine);
    const QStringList &notes() const { return m_notes; }

private:
    QString kept(const QString &mine) const
    {
        return QDir(UserCopy::keptFolder(m_folder)).filePath(name(mine));
    }
    std::optional<QByteArray> keptBytes(const QString &mine) const;
    // The user's file renamed aside; the new name.
    QString setAside(const QString &mine) const;
    QString unreadable(const QString &mine, const QString &why) const;
    // The user's table and the shipped one, as read, merged over the kept copy `base`.
    void merge(const QString &mine, const QByteArray &mineBytes, const TStrGrid &mineTable,
               const QByteArray &shipped, const TStrGrid &shippedTable,
               const std::optional<QByteArray> &base);

    const DataFolder &m_folder;
    const QDateTime &m_now;
    QStringList m_notes;
};

std::optional<QByteArray> Refresh::keptBytes(const QString &mine) const
{
    try {
        if (exists(kept(mine)))
            return DataFile::readAll(kept(mine), TStrGrid::MaxFileSize);
    } catch (const EInOutError &) {
        // A kept copy that does not read is as good as none: the shipped one stands for it.
    }
    return std::nullopt;
}

QString Refresh::setAside(const QString &mine) const
{
    const QString aside = freeName(mine + QStringLiteral(".illisible-") +
                                   m_now.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    if (!QDir().rename(mine, aside))
        throw EInOutError(QStringLiteral("Le fichier « %1 » ne se lit plus et n'a pas pu être "
                                         "renommé en « %2 » pour être gardé.")
                              .arg(QFileInfo(mine).absoluteFilePath(), name(aside)),
                          mine);
    return aside;
}

QString Refresh::unreadable(const QString &mine, const QString &why) const
{
    const QString aside = setAside(mine);
    return QStringLiteral("Votre fichier « %1 » ne se lisait plus (%2). Il est gardé sous le nom "
                          "« %3 », et celui livré avec le programme le remplace.")
        .arg(name(mine), why, name(aside));
}

void Refresh::table()
{
    const QString mine = m_folder.propFile();
    const QString origin = m_folder.originFile(mine);
    const QByteArray shipped = DataFile::readAll(origin, TStrGrid::MaxFileSize);
    // The kept copy is written only once the shipped table has read as a table: the same
    // bytes shipped again need no second reading, nor does a user's copy still holding them
    // (the common start, where nothing changed, then reads no table here).
    const std::optional<QByteArray> base = keptBytes(mine);
    const bool shippedAsKept = base == shipped;
    std::optional<TStrGrid> shippedTable;
    if (!shippedAsKept)
        shippedTable = readTable(origin, shipped);
    if (exists(mine)) {
        QByteArray mineBytes;
        std::optional<TStrGrid> mineTable;
        QString why;
        try {
            mineBytes = DataFile::readAll(mine, TStrGrid::MaxFileSize);
            if (!shippedAsKept || mineBytes != shipped)
                mineTable = readTable(mine, mineBytes);
        } catch (const EInOutError &refused) {
            why = refused.message();
        }
        if (!why.isEmpty())
            m_notes.append(unreadable(mine, why));
        else if (!shippedAsKept)
            return merge(mine, mineBytes, *mineTable, shipped, *shippedTable, base);
        else
            return;
    }
    DataFile::replace(mine, shipped);
    DataFile::replace(kept(mine), shipped);
}

void Refresh::merge(const QString &mine, const QByteArray &mineBytes, const TStrGrid &mineTable,
                    const QByteArray &shipped, const TStrGrid &shippedTable,
                    const std::optional<QByteArray> &base)
{
    std::optional<TStrGrid> baseTable;
    try {
        if (base)
            baseTable = readTable(kept(mine), *base);
    } catch (const EInOutError &) {
        // Taken as none, as above.
    }
    const TableRefresh::Result merged =
        TableRefresh::merge(baseTable ? &*baseTable : nullptr, mineTable, shippedTable);
    const QByteArray bytes = merged.table.SaveToBytes();
    if (merged.droppedValues > 0) {
        const QString aside = freeName(mine + QStringLiteral(".avant-") +
                                       m_now.toString(QStringLiteral("yyyyMMdd-HHmmss")));
        DataFile::replace(aside, mineBytes);
        m_notes.append(
            counted(merged.droppedValues,
                    QStringLiteral("1 valeur que vous aviez modifiée portait"),
                    QStringLiteral("%1 valeurs que vous aviez modifiées portaient")) +
            QStringLiteral(" sur des éléments ou des colonnes que la table livrée n'a plus ; "
                           "votre table d'avant est gardée sous le nom « %1 ».")
                .arg(name(aside)));
    }
    if (bytes != mineBytes || merged.keptValues > 0) {
        DataFile::replace(mine, bytes);
        m_notes.append(
            QStringLiteral("La table des éléments « %1 » prend les valeurs livrées avec le "
                           "programme ; ")
                .arg(name(mine)) +
            (merged.keptValues == 0
                 ? QStringLiteral("aucune valeur à vous n'était à garder.")
                 : counted(merged.keptValues,
                           QStringLiteral("1 valeur que vous aviez modifiée a été gardée."),
                           QStringLiteral("%1 valeurs que vous aviez modifiées ont été "
                                          "gardées."))));
    }
    DataFile::replace(kept(mine), shipped);
}

void Refresh::sections(const QString &mine)
{
    const QByteArray shipped = DataFile::readAll(m_folder.originFile(mine), TStrGrid::MaxFileSize);
    std::optional<QByteArray> mineBytes;
    if (exists(mine)) {
        try {
            mineBytes = DataFile::readAll(mine, TStrGrid::MaxFileSize);
        } catch (const EInOutError &refused) {
            m_notes.append(unreadable(mine, refused.message()));
        }
    }
    if (mineBytes) {
        const std::optional<QByteArray> base = keptBytes(mine);
        if (base == shipped)
            return;
        if (*mineBytes != shipped && mineBytes != base)
            m_notes.append(QStringLiteral("Votre fichier « %1 », que vous avez modifié, est gardé "
                                          "tel quel ; celui livré avec le programme n'a pas été "
                                          "repris.")
                               .arg(name(mine)));
        else if (*mineBytes != shipped)
            DataFile::replace(mine, shipped);
    } else {
        DataFile::replace(mine, shipped);
    }
    DataFile::replace(kept(mine), shipped);
}

} // namespace

QString UserCopy::keptFolder(const DataFolder &folder)
{
    return QDir(dataFolderPath(folder)).filePath(QStringLiteral(".origine"));
}

std::optional<QString> UserCopy::refresh(const DataFolder &folder, const QDateTime &now)
{
    const QString here = dataFolderPath(folder);
    if (!folder.hasOrigin() ||
        QFileInfo(folder.originFolder()).canonicalFilePath() == QFileInfo(here).canonicalFilePath())
        return std::nullopt;
    QDir().mkpath(keptFolder(folder));
    QLockFile lock(folder.propFile() + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWait))
        return QStringLiteral("Vos tables, dans le dossier « %1 », n'ont pas été mises à jour "
                              "d'après celles livrées avec le programme : une autre copie du "
                              "programme tient le verrou « %2 ».")
            .arg(here, name(folder.propFile()) + QStringLiteral(".lock"));
    Refresh refresh(folder, now);
    QStringList failures;
    const auto attempt = [&failures](const std::function<void()> &step) {
        try {
            step();
        } catch (const MirelonError &error) {
            failures.append(error.message());
        }
    };
    attempt([&] { refresh.table(); });
    attempt([&] { refresh.sections(folder.structFile()); });
    attempt([&] { refresh.sections(folder.isoFile()); });
    const QStringList said = refresh.notes() + failures;
    if (said.isEmpty())
        return std::nullopt;
    return QStringLiteral("Vos tables, dans le dossier « %1 », ont été mises à jour d'après "
                          "celles livrées avec le programme (« %2 »).\n\n%3")
        .arg(here, folder.originFolder(), said.join(QStringLiteral("\n\n")));
}
