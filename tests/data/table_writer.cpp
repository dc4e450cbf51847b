// A second copy of the program for the tests of writes between copies: it holds the lock of a
// table file, writes a cell of it, or is killed in the middle of replacing it.
//   table_writer hold <file> <ms>       takes the lock, prints "locked", holds it <ms> (0: until
//                                       killed)
//   table_writer write <file> <key> <field> <text> <ms>
//                                       posts <text> into <field> of the record whose _NO_AT is
//                                       <key>; under the lock, once the file is read again,
//                                       prints "read" and waits <ms> before writing
//   table_writer replace <file> <text>  replaces the file; between the temporary file and the
//                                       rename, prints "paused" and waits to be killed
// A lock held a minute already is what a copy asking its user a question holds: each lock
// taken here is made to look that old, which no age rule may take for a stale one.
#include "data/DataFile.h"
#include "data/TTextTable.h"
#include "data/TableLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {

void say(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

void ageLock(const QString &file)
{
    QFile lock(TableLock::lockPath(file));
    if (lock.open(QIODevice::ReadWrite))
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                         QFileDevice::FileModificationTime);
}

void pause(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
    else
        for (;;)
            QThread::sleep(60);
}

int hold(const QString &file, int ms)
{
    const TableLock lock(file);
    ageLock(file);
    say("locked");
    pause(ms);
    return 0;
}

int write(const QStringList &args)
{
    const QString file = args[0];
    const int ms = args[4].toInt();
    TTextTable table;
    table.setDivChar(u';');
    table.setFileName(file);
    table.setKeyField(QStringLiteral("_NO_AT"));
    QObject::connect(&table, &TTextTable::writeFailed,
                     [](const QString &message) { say(message.toUtf8().constData()); });
    table.setWriteObserver([&](TableChanges::Step step) {
        if (step != TableChanges::Step::FileRead)
            return;
        ageLock(file);
        say("read");
        if (ms > 0)
            pause(ms);
    });
    table.Open();
    if (!table.Locate(QStringLiteral("_NO_AT"), args[1]))
        return 2;
    table.setFieldText(args[2], args[3]);
    table.Post();
    table.Close();
    return 0;
}

int replace(const QString &file, const QString &text)
{
    DataFile::replace(file, text.toUtf8(), [](DataFile::Step step) {
        if (step == DataFile::Step::Rename) {
            say("paused");
            pause(0);
        }
        return 0;
    });
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    args.removeFirst();
    if (mode == u"hold" && args.size() == 2)
        return hold(args[0], args[1].toInt());
    if (mode == u"write" && args.size() == 5)
        return write(args);
    if (mode == u"replace" && args.size() == 2)
        return replace(args[0], args[1]);
    std::fprintf(stderr, "usage: table_writer hold|write|replace ...\n");
    return 1;
}
