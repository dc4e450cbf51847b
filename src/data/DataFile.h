#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

class QFile;

// The program's data files on disk. Reading opens nothing but a regular file and never waits
// for one: a FIFO would block the open, a device such as /dev/zero never ends and a folder has
// no bytes; and no more than a bound is read. Replacing writes a temporary file beside the old
// one, forces it to the disk and renames it over the old one, so that a failure at any step
// keeps the old file whole and is reported with the system's reason. Failures raise
// EInOutError with a French message naming the file (its absolute path) and the cause.
namespace DataFile {

// Opens `path` into `file` for reading. Refused: a missing or unreadable file, a folder, a
// file that is not a regular file, and one longer than maxBytes.
void openForReading(QFile &file, const QString &path, qint64 maxBytes);

// The whole file, opened as above; a file that grows past maxBytes while it is read is refused
// too.
QByteArray readAll(const QString &path, qint64 maxBytes);

// Why the bytes are not text in Windows-1252 with CR LF line ends, the form of the program's
// delimited files, for the user: UTF-16, bytes that are no text (a picture saved in the file's
// place), a byte-order mark, UTF-8, line ends without CR. Nothing when they may be.
std::optional<QString> textRefusal(QByteArrayView bytes);

// The bytes are UTF-8 rather than Windows-1252: after UTF-8's byte-order mark, if they begin
// with one, they are valid UTF-8, and they hold at least one byte over 127 when there is no
// mark. Accented Windows-1252 text is almost never valid UTF-8, since each accented letter
// stands alone between plain ASCII letters; a mark before such text does not make it UTF-8.
bool isUtf8(QByteArrayView bytes);

// The index of the first byte that no text file holds (a control other than a tab, a line end
// or a closing Ctrl-Z), or nothing.
std::optional<qsizetype> binaryByte(QByteArrayView bytes);

// The steps of a replacement, for a test that makes one of them fail.
enum class Step { Create, Write, Sync, Rename };
// Given a step, the system error number that it is to fail with instead of being done, or 0.
using FaultInjector = std::function<int(Step)>;

// Replaces the file `path` (the file a link names, when it is a link) by `bytes`. The new
// file takes the old one's permissions. Refused as checkWritable; the temporary file is named
// ".<name>.<process id>.XXXXXX", and those left by writers that are gone are removed first.
void replace(const QString &path, QByteArrayView bytes, const FaultInjector &inject = {});

// Raises EInOutError, saying which, when the file `path` stands for (a link's target) or its
// folder is marked read-only: the user meant it not to be written.
void checkWritable(const QString &path);

// Removes the temporary files of replace() on `path` that a writer left behind when it was
// killed: only names of that form, and only when their writer is gone, or is this process and
// is not writing them now.
void removeLeftovers(const QString &path);

// The system's reason for an error number, in French for the faults a user meets (full disk,
// quota, read-only disk, refused access, a disk's input/output error), else the system's own.
QString reason(int error);

} // namespace DataFile
