#include "data/DataFile.h"

#include "data/Errors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace DataFile {

namespace {

const QByteArrayView Utf8Mark("\xEF\xBB\xBF");

[[noreturn]] void refuse(const QString &path, const QString &cause)
{
    throw EInOutError(
        QStringLiteral("Le fichier « %1 » %2.").arg(QFileInfo(path).absoluteFilePath(), cause),
        path);
}

// A descriptor on a regular file of at most maxBytes, opened without waiting: O_NONBLOCK lets
// the open of a FIFO return at once, and the type is then checked on what was opened, so that
// nothing can change between the check and the read.
int openRegular(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            refuse(path, QStringLiteral("est introuvable"));
        refuse(path, QStringLiteral("n'a pas pu être ouvert : %1").arg(reason(error)));
    }
    struct stat info = {};
    QString cause;
    if (::fstat(fd, &info) != 0)
        cause = QStringLiteral("n'a pas pu être ouvert : %1").arg(reason(errno));
    else if (S_ISDIR(info.st_mode))
        cause = QStringLiteral("est un dossier, et non un fichier");
    else if (!S_ISREG(info.st_mode))
        cause = QStringLiteral("n'est pas un fichier ordinaire (c'est un tube nommé, un "
                               "périphérique ou un autre fichier spécial) : il n'est pas lu");
    else if (info.st_size > maxBytes)
        cause = QStringLiteral("fait plus de %1 octets : ce n'est pas un fichier de données du "
                               "programme")
                    .arg(maxBytes);
    if (!cause.isEmpty()) {
        ::close(fd);
        refuse(path, cause);
    }
    // Reads from here on wait for the disk as they should.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// The temporary files this process is writing now, which a clean-up of leftovers run by
// another of its threads must not take for a dead writer's.
QMutex &scratchesLock()
{
    static QMutex lock;
    return lock;
}

QSet<QByteArray> &scratchesInUse()
{
    static QSet<QByteArray> names;
    return names;
}

// Closes a descriptor, and removes a temporary file that has not become the data file.
struct Scratch
{
    int fd = -1;
    QByteArray name;
    bool listed = false;
    void list()
    {
        const QMutexLocker locked(&scratchesLock());
        scratchesInUse().insert(name);
        listed = true;
    }
    ~Scratch()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(name.constData());
        if (listed) {
            const QMutexLocker locked(&scratchesLock());
            scratchesInUse().remove(name);
        }
    }
};

// The temporary files of the real file `info` start so; the writer's process id follows.
QString scratchPrefix(const QFileInfo &info)
{
    return QStringLiteral(".") + info.fileName() + QStringLiteral(".");
}

// The writer of a temporary file named "<prefix><pid>.XXXXXX", or 0 when the name is not ours.
pid_t scratchWriter(const QString &name, const QString &prefix)
{
    const QStringView rest = QStringView(name).mid(prefix.size());
    const qsizetype dot = rest.indexOf(u'.');
    if (!name.startsWith(prefix) || dot <= 0 || rest.size() - dot - 1 != 6)
        return 0;
    bool number = false;
    const qlonglong pid = rest.left(dot).toLongLong(&number);
    return number && pid > 0 ? static_cast<pid_t>(pid) : 0;
}

bool processGone(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// The real file a link stands for, or the path itself.
QFileInfo realFile(const QString &path)
{
    const QFileInfo given(path);
    return QFileInfo(given.isSymLink() && given.exists() ? given.canonicalFilePath()
                                                         : given.absoluteFilePath());
}

// Whether `info` (a file or a folder) is refused to us by its permissions. The owner's bit is
// read as it stands, since the super-user's access() would allow what the user marked
// read-only.
bool markedReadOnly(const QByteArray &name)
{
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0)
        return false;
    if (info.st_uid == ::geteuid())
        return (info.st_mode & S_IWUSR) == 0;
    return ::access(name.constData(), W_OK) != 0;
}

// What a replacement of a path replaces: the file itself, or the one a link names, so that the
// link stays a link; the permissions it keeps, or rw-r--r-- for a new file; and the template
// of the temporary file beside it.
struct Target
{
    QByteArray name;
    mode_t mode = S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;
    QByteArray scratchName;
};

Target replacedTarget(const QString &path)
{
    const QFileInfo info = realFile(path);
    Target target;
    target.name = QFile::encodeName(info.absoluteFilePath());
    target.scratchName =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/") + scratchPrefix(info) +
                          QString::number(::getpid()) + QStringLiteral(".XXXXXX"));
    struct stat old = {};
    if (::stat(target.name.constData(), &old) != 0)
        return target;
    // Renaming over a folder, a FIFO or a device (a link to /dev/zero) must not even be tried.
    if (S_ISDIR(old.st_mode))
        refuse(path, QStringLiteral("est un dossier, et non un fichier : il n'est pas remplacé"));
    if (!S_ISREG(old.st_mode))
        refuse(path, QStringLiteral("n'est pas un fichier ordinaire : il n'est pas remplacé"));
    target.mode = old.st_mode & 07777;
    return target;
}

void writeAll(int fd, QByteArrayView bytes, const FaultInjector &inject, const QString &path)
{
    const auto fail = [&path](int error) {
        refuse(path, QStringLiteral("n'a pas pu être écrit : %1").arg(reason(error)));
    };
    if (const int error = inject ? inject(Step::Write) : 0)
        fail(error);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : EIO);
        done += n;
    }
}

} // namespace

void openForReading(QFile &file, const QString &path, qint64 maxBytes)
{
    const int fd = openRegular(path, maxBytes);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        refuse(path, QStringLiteral("n'a pas pu être ouvert : %1").arg(file.errorString()));
    }
}

QByteArray readAll(const QString &path, qint64 maxBytes)
{
    Scratch reading{openRegular(path, maxBytes), {}};
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(reading.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            refuse(path, QStringLiteral("n'a pas pu être lu : %1").arg(reason(errno)));
        if (n == 0)
            return bytes;
        // The size was checked at the open; this one grows while it is read.
        if (bytes.size() + n > maxBytes)
            refuse(path, QStringLiteral("dépasse %1 octets pendant sa lecture : ce n'est pas un "
                                        "fichier de données du programme")
                             .arg(maxBytes));
        bytes.append(chunk, n);
    }
}

bool isUtf8(QByteArrayView bytes)
{
    // A mark before bytes that are not UTF-8 says nothing of them: a tool put it before text
    // saved in another character set.
    const bool marked = bytes.startsWith(Utf8Mark);
    if (marked)
        bytes = bytes.sliced(Utf8Mark.size());
    // Checked in place, the text never decoded: every start reads the element table so. A
    // sequence that the end of the file cuts off is no UTF-8 (the last letter of a
    // Windows-1252 file without its last line end, « centré »).
    bool ascii = true;
    const auto *at = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = at + bytes.size();
    while (at < end) {
        const unsigned lead = *at++;
        if (lead < 0x80)
            continue;
        ascii = false;
        int following = 0;
        char32_t code = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            following = 1;
            code = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            following = 2;
            code = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            following = 3;
            code = lead & 0x07;
            least = 0x10000;
        } else {
            return false;
        }
        if (end - at < following)
            return false;
        for (int i = 0; i < following; ++i, ++at) {
            if ((*at & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (*at & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and code points past Unicode's are refused.
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
    }
    return !ascii || marked;
}

std::optional<qsizetype> binaryByte(QByteArrayView bytes)
{
    // Eight bytes at a time while none is below 0x20, the only bytes that need a look: a word
    // holds one exactly when (w - 0x20 in each byte) & ~w has a byte's top bit set.
    constexpr quint64 Spaces = 0x2020202020202020ULL;
    constexpr quint64 TopBits = 0x8080808080808080ULL;
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        if (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if (((word - Spaces) & ~word & TopBits) == 0) {
                i += 8;
                continue;
            }
        }
        for (const qsizetype stop = std::min<qsizetype>(i + 8, size); i < stop; ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            // Tabs and line ends are text; so is the Ctrl-Z that ends an old DOS file, but not
            // one followed by more bytes (the fourth line of a PNG picture's head).
            if (b >= 0x20 || b == '\t' || b == '\r' || b == '\n')
                continue;
            if (b == 0x1A && i + 1 == size)
                continue;
            return i;
        }
    }
    return std::nullopt;
}

std::optional<QString> textRefusal(QByteArrayView bytes)
{
    const QString wanted = QStringLiteral("le programme lit et écrit ce fichier en Windows-1252 "
                                          "(ANSI) : enregistrez-le dans ce jeu de caractères");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return QStringLiteral("est enregistré en UTF-16 ; ") + wanted;
    if (const std::optional<qsizetype> at = binaryByte(bytes))
        return QStringLiteral("n'est pas une table de texte : son octet n° %1 (de code %2) n'est "
                              "pas du texte ; c'est peut-être une image ou un autre fichier "
                              "enregistré à sa place")
            .arg(*at + 1)
            .arg(static_cast<unsigned char>(bytes[*at]));
    if (bytes.startsWith(Utf8Mark))
        return QStringLiteral("commence par la marque d'ordre des octets d'UTF-8%1 ; ")
                   .arg(isUtf8(bytes) ? QStringLiteral(" : il est enregistré en UTF-8")
                                      : QStringLiteral(", que son texte ne suit pas")) +
               wanted;
    if (isUtf8(bytes))
        return QStringLiteral("est enregistré en UTF-8 (ses lettres accentuées y sont écrites "
                              "sur deux octets) ; ") +
               wanted;
    const qsizetype lineFeed = bytes.indexOf('\n');
    if (lineFeed >= 0 && (lineFeed == 0 || bytes[lineFeed - 1] != '\r'))
        return QStringLiteral("a des fins de ligne sans retour chariot (LF seul, à la manière "
                              "d'Unix) : ses lignes doivent finir par CR LF");
    return std::nullopt;
}

void removeLeftovers(const QString &path)
{
    const QFileInfo info = realFile(path);
    const QString prefix = scratchPrefix(info);
    const QDir folder = info.absoluteDir();
    // Told by their prefix as it stands: read as a wildcard, a name holding '[' or '*' would
    // miss its own leftovers, and the pattern would be compiled at each start.
    QStringList names;
    for (QDirIterator it(folder.path(), QDir::Files | QDir::Hidden | QDir::System); it.hasNext();) {
        const QString name = it.nextFileInfo().fileName();
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            names.append(name);
    }
    const QMutexLocker locked(&scratchesLock());
    for (const QString &name : names) {
        const pid_t writer = scratchWriter(name, prefix);
        const QByteArray file = QFile::encodeName(folder.filePath(name));
        const bool mine = writer == ::getpid() && !scratchesInUse().contains(file);
        if (writer != 0 && (mine || (writer != ::getpid() && processGone(writer))))
            ::unlink(file.constData());
    }
}

void checkWritable(const QString &path)
{
    const QFileInfo info = realFile(path);
    if (markedReadOnly(QFile::encodeName(info.absoluteFilePath())))
        refuse(path, QStringLiteral("est en lecture seule : ses droits n'en permettent pas "
                                    "l'écriture ; ôtez-lui la lecture seule pour y enregistrer "
                                    "des modifications"));
    if (markedReadOnly(QFile::encodeName(info.absolutePath())))
        throw EInOutError(
            QStringLiteral("Le dossier « %1 » est en lecture seule : le fichier « %2 » "
                           "ne peut pas y être remplacé ; ôtez au dossier la "
                           "lecture seule pour y enregistrer des modifications.")
                .arg(info.absolutePath(), info.absoluteFilePath()),
            path);
}

void replace(const QString &path, QByteArrayView bytes, const FaultInjector &inject)
{
    const Target target = replacedTarget(path);
    checkWritable(path);
    removeLeftovers(path);
    const auto fail = [&path](const QString &what, int error) {
        refuse(path, QStringLiteral("n'a pas pu être %1 : %2").arg(what, reason(error)));
    };
    Scratch scratch;
    scratch.name = target.scratchName;
    int error = inject ? inject(Step::Create) : 0;
    if (!error) {
        scratch.fd = ::mkstemp(scratch.name.data());
        error = scratch.fd < 0 ? errno : 0;
    }
    if (error) {
        scratch.name.clear(); // nothing was made
        fail(QStringLiteral("écrit"), error);
    }
    scratch.list();
    ::fchmod(scratch.fd, target.mode);
    writeAll(scratch.fd, bytes, inject, path);
    // Written is not yet on the disk: a failing disk reports it here, and only here.
    error = inject ? inject(Step::Sync) : 0;
    if (!error && ::fdatasync(scratch.fd) != 0)
        error = errno;
    if (!error && ::close(std::exchange(scratch.fd, -1)) != 0)
        error = errno;
    if (error)
        fail(QStringLiteral("écrit sur le disque"), error);
    error = inject ? inject(Step::Rename) : 0;
    if (!error && ::rename(scratch.name.constData(), target.name.constData()) != 0)
        error = errno;
    if (error)
        fail(QStringLiteral("remplacé"), error);
    scratch.name.clear(); // it is the file now
}

QString reason(int error)
{
    static const struct
    {
        int error;
        const char *text;
    } faults[] = {
        {ENOSPC, "le disque est plein"},
        {EDQUOT, "le quota d'espace disque est dépassé"},
        {EROFS, "le disque n'accepte que la lecture"},
        {EACCES, "l'accès est refusé"},
        {EPERM, "l'accès est refusé"},
        {EIO, "erreur d'entrée-sortie du disque"},
        {ENOENT, "le dossier est introuvable"},
        {ENOTDIR, "un élément du chemin n'est pas un dossier"},
        {EISDIR, "c'est un dossier"},
    };
    for (const auto &fault : faults) {
        if (fault.error == error)
            return QString::fromUtf8(fault.text);
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace DataFile
