#include "controls/PictureSaveDialog.h"

#include "controls/ErrorBox.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QImage>
#include <QMessageBox>
#include <QSaveFile>
#include <QSortFilterProxyModel>

#include <algorithm>

#include <sys/stat.h>

namespace {

// Folders and the files that can be written; read-only files are hidden.
class WritableFilesOnly : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const auto *files = qobject_cast<QFileSystemModel *>(sourceModel());
        if (!files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isWritable();
    }
};

// The path of `name` with its folder's links and dots resolved; the file itself need not exist.
QString realPath(const QString &name)
{
    const QFileInfo info(name);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir(folder.isEmpty() ? info.absolutePath() : folder).filePath(info.fileName());
}

// Whether both names reach the same file: when both exist, the same file on the same disk,
// whatever links (hard or symbolic) lead to it; otherwise the same place in the same folder.
bool sameFile(const QString &first, const QString &second)
{
    struct stat a = {};
    struct stat b = {};
    if (::stat(QFile::encodeName(first).constData(), &a) == 0 &&
        ::stat(QFile::encodeName(second).constData(), &b) == 0)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    return realPath(first) == realPath(second);
}

} // namespace

PictureSaveDialog::PictureSaveDialog(QWidget *parent, const QVector<Type> &types,
                                     Completion complete)
    : QFileDialog(parent), m_complete(std::move(complete))
{
    // Each entry shows its whole text; the patterns in the last brackets, hidden, are what
    // it lists.
    for (const Type &type : types)
        m_types << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(type.text),
                                                 QString::fromUtf8(type.pattern));
    setObjectName(QStringLiteral("SavePictureDialog1"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // The same dialog everywhere, and the question about replacing is asked here, about
    // the completed name rather than the name typed.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setOption(QFileDialog::HideNameFilterDetails);
    setNameFilters(m_types);
}

void PictureSaveDialog::hideReadOnlyFiles()
{
    setProxyModel(new WritableFilesOnly(this));
}

void PictureSaveDialog::protectFiles(const QStringList &files)
{
    m_protected = files;
}

bool PictureSaveDialog::isProtected(const QString &name) const
{
    return std::any_of(m_protected.begin(), m_protected.end(),
                       [&name](const QString &file) { return sameFile(name, file); });
}

int PictureSaveDialog::typeEntry() const
{
    // With the patterns hidden, some Qt versions name the entry by its whole filter,
    // others by the text shown alone.
    const QString selected = selectedNameFilter();
    for (int entry = 0; entry < m_types.size(); ++entry) {
        const QString &type = m_types[entry];
        const QString shown = type.left(type.lastIndexOf(QLatin1String(" (")));
        if (selected == type || selected == shown)
            return entry;
    }
    return 0;
}

void PictureSaveDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty() || QFileInfo(files.front()).isDir()) {
        QFileDialog::accept(); // opens the folder typed
        return;
    }
    const QString name = m_complete(files.front(), typeEntry());
    if (isProtected(name)) {
        // A picture written there would replace the table the program reads.
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("« %1 » est un fichier de données du programme : "
                                            "une image ne peut pas le remplacer.\n"
                                            "Choisissez un autre nom.")
                                 .arg(QDir::toNativeSeparators(name)));
        return; // the dialog stays open for another name
    }
    if (QFileInfo::exists(name) &&
        QMessageBox::question(this, windowTitle(),
                              QStringLiteral("%1 existe déjà.\nVoulez-vous le remplacer ?")
                                  .arg(QDir::toNativeSeparators(name))) != QMessageBox::Yes)
        return; // the dialog stays open for another name
    QFileDialog::accept();
}

std::optional<QString> PictureSaveDialog::choose(QString &folder, int &type)
{
    if (!folder.isEmpty())
        setDirectory(folder);
    if (type >= 0 && type < m_types.size())
        selectNameFilter(m_types[type]);
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return std::nullopt;
    type = typeEntry();
    const QString name = m_complete(selectedFiles().front(), type);
    folder = QFileInfo(name).absolutePath();
    return name;
}

QString PictureSaveDialog::withExtension(const QString &name, const char *extension)
{
    if (QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return name;
    return name + QLatin1String(extension);
}

std::optional<QByteArray> PictureSaveDialog::bitmapFile(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
        return std::nullopt;
    return bytes;
}

bool PictureSaveDialog::write(QWidget *parent, const QString &fileName,
                              const std::optional<QByteArray> &bytes)
{
    // Unbuffered, each write's outcome is seen: a buffered save file that the system
    // writes only in part (file size limit, full disk) can still report success.
    QSaveFile file(fileName);
    QString reason;
    if (!bytes)
        reason = QStringLiteral("l'image n'a pas pu être faite");
    else if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        reason = file.errorString();
    for (qint64 done = 0; reason.isEmpty() && done < bytes->size();) {
        const qint64 written = file.write(bytes->constData() + done, bytes->size() - done);
        if (written <= 0)
            reason = file.errorString();
        done += written;
    }
    // Until the commit renames it, the temporary file is all there is; it goes with a failure.
    if (reason.isEmpty() && !file.commit())
        reason = file.errorString();
    if (reason.isEmpty())
        return true;
    showErrorBox(QStringLiteral("Impossible d'écrire le fichier « %1 » : %2.")
                     .arg(QDir::toNativeSeparators(fileName), reason),
                 parent);
    return false;
}
