// The data files as the system hands them over: special files and oversized files refused
// without hanging, the real cause named when the element table is refused at start, and
// writes that fail at any step keeping the old file with the system's reason.
#include "TestFiles.h"
#include "Thrown.h"
#include "data/DataFile.h"
#include "data/ElementTable.h"
#include "data/Errors.h"
#include "data/SectionFile.h"
#include "data/TStrGrid.h"
#include "data/TTextTable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

constexpr bool underAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

// Each reader's answer on one line, "reader: what it made of the file".
void probeReader(const char *reader, const std::function<void()> &read)
{
    QString answer = QStringLiteral("read");
    try {
        read();
    } catch (const MirelonError &e) {
        answer = e.message();
    } catch (const std::exception &e) {
        answer = QStringLiteral("crash: ") + QString::fromUtf8(e.what());
    }
    printf("%s: %s\n", reader, answer.toUtf8().constData());
    fflush(stdout);
}

// Runs in a child process, which the test can stop when a read hangs; its memory is bounded,
// so that a read without end fails rather than take the machine's.
int probe(const QString &path, const QStringList &readers)
{
    // AddressSanitizer reserves far more address space than any such bound for its shadow
    // memory; under it, its own limit on the resident size (set by the parent) does the work.
    if (!underAddressSanitizer()) {
        const rlimit memory = {rlim_t(2) << 30, rlim_t(2) << 30};
        setrlimit(RLIMIT_AS, &memory);
    }
    if (readers.contains(u"data"))
        probeReader("data", [&] { DataFile::readAll(path, SectionFile::MaxFileSize); });
    if (readers.contains(u"section"))
        probeReader("section", [&] { SectionFile::readFile(path, QStringLiteral("1")); });
    if (readers.contains(u"grid"))
        probeReader("grid", [&] {
            TStrGrid grid;
            if (!grid.LoadFromFile(path))
                throw EInOutError(QStringLiteral("refused"));
        });
    if (readers.contains(u"device"))
        probeReader("device", [&] {
            QFile device(path);
            TStrGrid grid;
            if (device.open(QIODevice::ReadOnly))
                grid.LoadFromDevice(device);
        });
    return 0;
}

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT
private slots:
    void specialFilesAreRefused_data();
    void specialFilesAreRefused();
    void startNamesTheRealCause_data();
    void startNamesTheRealCause();
    void utf8IsToldFromWindows1252_data();
    void utf8IsToldFromWindows1252();
    void bytesOfNoTextAreFoundWhereverTheyStand();
    void typedValues_data();
    void typedValues();
    void missingTableSaysWhereItLookedAndHowToStart();
    void replaceKeepsTheOldFileOnAFault_data();
    void replaceKeepsTheOldFileOnAFault();
    void replaceLeavesWhatIsNoFile_data();
    void replaceLeavesWhatIsNoFile();
    void replaceRespectsReadOnly_data();
    void replaceRespectsReadOnly();
    void killedWriterLeavesNoScratch_data();
    void killedWriterLeavesNoScratch();
};

void TestDataFile::specialFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("expected"); // "reader: part of its answer"
    const QString special = QStringLiteral("n'est pas un fichier ordinaire");
    QTest::newRow("FIFO") << "fifo"
                          << QStringList{"data: " + special, "section: " + special,
                                         "grid: refused"};
    // The device, read as a device, ends at the bound instead of running on for ever.
    QTest::newRow("link to /dev/zero")
        << "zero"
        << QStringList{"data: " + special, "section: " + special, "grid: refused", "device: read"};
    QTest::newRow("folder") << "folder"
                            << QStringList{"data: est un dossier", "section: est un dossier",
                                           "grid: refused"};
    QTest::newRow("longer than the bounds")
        << "sparse"
        << QStringList{"data: fait plus de 4194304 octets", "section: fait plus de 4194304 octets",
                       "grid: refused"};
    QTest::newRow("missing") << "missing"
                             << QStringList{"data: est introuvable", "section: est introuvable",
                                            "grid: refused"};
}

// Nothing that is not a regular data file is read: a FIFO would block the program for ever,
// /dev/zero would run or fill the memory for ever. Each refusal names the file and the cause.
void TestDataFile::specialFilesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("iso.yop"));
    if (kind == u"fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"zero")
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("iso.yop")));
    else if (kind == u"sparse")
        QVERIFY(writeFileBytes(path, "#1") && QFile::resize(path, TStrGrid::MaxFileSize + 1));
    QStringList readers;
    for (const QString &line : expected)
        readers << line.section(u':', 0, 0);
    QProcess child;
    if (underAddressSanitizer()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           QStringLiteral("hard_rss_limit_mb=2048:allocator_may_return_null=1"));
        child.setProcessEnvironment(environment);
    }
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--probe"), path} + readers);
    const bool finished = child.waitForFinished(20000);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    const QStringList answers =
        QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(finished, qPrintable(QStringLiteral("hung after: ") + answers.join(u" | ")));
    QCOMPARE(answers.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QString part = expected[i].section(QStringLiteral(": "), 1);
        // Every message names the file.
        const bool named = !answers[i].contains(u"Le fichier") || answers[i].contains(path);
        QVERIFY2(answers[i].startsWith(readers[i]) && answers[i].contains(part) && named,
                 qPrintable(answers[i]));
    }
}

void TestDataFile::startNamesTheRealCause_data()
{
    QTest::addColumn<bool>("folder");      // a folder stands in the file's place
    QTest::addColumn<QByteArray>("bytes"); // the file's, when it is one
    QTest::addColumn<QString>("cause");    // empty: the table opens
    const QByteArray shipped = readFileBytes(QStringLiteral(MIRELON_SHARE_DIR "/prop.yop"));
    QVERIFY(shipped.contains("\xE9"));
    QTest::newRow("shipped") << false << shipped << QString();
    QTest::newRow("byte-order mark")
        << false << "\xEF\xBB\xBF" + shipped << "commence par la marque d'ordre des octets d'UTF-8";
    QTest::newRow("LF line ends") << false << QByteArray(shipped).replace("\r\n", "\n")
                                  << "a des fins de ligne sans retour chariot";
    QTest::newRow("saved in UTF-8")
        << false << QString::fromLatin1(shipped).toUtf8() << "est enregistré en UTF-8";
    QTest::newRow("folder") << true << QByteArray() << "est un dossier";
    QTest::newRow("empty") << false << QByteArray() << "est vide";
    QTest::newRow("blank lines only") << false << QByteArray("\r\n\r\n") << "est vide";
    // The head of a PNG picture, whose Ctrl-Z would end the reading after one line.
    static const char png[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10";
    QTest::newRow("picture") << false << QByteArray(png, sizeof png - 1)
                             << "n'est pas une table de texte : son octet n° 7 (de code 26)";
    QTest::newRow("bytes of no text among the records")
        << false << QByteArray(shipped).insert(4000, '\0') << "octet n° 4001 (de code 0)";
}

// The program refuses to start on such a file, naming what is wrong with it rather than a
// column that the table then fails to find; the file is left as it is.
void TestDataFile::startNamesTheRealCause()
{
    QFETCH(bool, folder);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cause);
    const ScratchData data;
    const QString path = data.path(&DataFolder::propFile);
    QVERIFY(folder ? QDir().mkdir(path) : writeFileBytes(path, bytes));
    TTextTable table;
    ElementTable::configure(table, data.folder());
    const QString message = thrownMessage<MirelonError>([&] { ElementTable::openWhole(table); });
    if (cause.isEmpty()) {
        QCOMPARE(message, QString());
        QCOMPARE(table.RecordCount(), ElementTable::ElementCount);
        return;
    }
    for (const QString &part : {path, cause, QStringLiteral("ne peut pas démarrer")})
        QVERIFY2(message.contains(part), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("colonne")), qPrintable(message));
    QCOMPARE(readFileBytes(path), bytes);
}

void TestDataFile::utf8IsToldFromWindows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ASCII alone") << QByteArray("Fer;Fe\r\n") << false;
    QTest::newRow("ASCII after a mark") << QByteArray("\xEF\xBB\xBF"
                                                      "Fer\r\n")
                                        << true;
    QTest::newRow("accent in UTF-8") << QByteArray("Hydrog\xC3\xA8ne\r\n") << true;
    QTest::newRow("four-byte character") << QByteArray("\xF0\x9F\x9C\x81 Or") << true;
    QTest::newRow("accent in Windows-1252") << QByteArray("Hydrog\xE8ne\r\n") << false;
    // A text editor's file without its last line end: no sequence is left open to be ended.
    QTest::newRow("Windows-1252 ending on an accent") << QByteArray("Fer;centr\xE9") << false;
    QTest::newRow("lead byte at the end") << QByteArray("Fer \xC3") << false;
    QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF"
                                                  "b")
                                    << false;
    QTest::newRow("encoded surrogate") << QByteArray("a\xED\xA0\x80"
                                                     "b")
                                       << false;
    QTest::newRow("past U+10FFFF") << QByteArray("a\xF4\x90\x80\x80") << false;
    QTest::newRow("continuation alone") << QByteArray("a\x80") << false;
}

// A file is read as UTF-8 only when it is UTF-8 throughout.
void TestDataFile::utf8IsToldFromWindows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(DataFile::isUtf8(bytes), utf8);
}

// Every byte below a space but a tab, a line end or a final Ctrl-Z is no text, at every place
// in a word of eight and in the bytes after the last whole word, among accented letters.
void TestDataFile::bytesOfNoTextAreFoundWhereverTheyStand()
{
    const QByteArray text = QByteArray("Fe;\xE9\xFF\x7F \t\r\nH\xC0").repeated(2); // 24 bytes
    QCOMPARE(DataFile::binaryByte(text), std::nullopt);
    QCOMPARE(DataFile::binaryByte(text + '\x1A'), std::nullopt);
    for (int length : {7, 16, 21}) {
        for (int at = 0; at < length; ++at) {
            for (char byte : {'\0', '\x01', '\x1A', '\x1F'}) {
                QByteArray bytes = text.left(length);
                bytes[at] = byte;
                const bool finalCtrlZ = byte == '\x1A' && at == length - 1;
                QCOMPARE(DataFile::binaryByte(bytes),
                         finalCtrlZ ? std::nullopt : std::optional<qsizetype>(at));
            }
        }
    }
}

void TestDataFile::typedValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // the cell the post leaves
    QTest::addColumn<QString>("refusal"); // part of the message; empty: the post goes through
    const QString tf = QStringLiteral("_TF");
    QTest::newRow("decimal comma") << tf << "1810,5"
                                   << "1810,5"
                                   << "";
    QTest::newRow("blanks around") << tf << "  1811 "
                                   << "1811"
                                   << "";
    QTest::newRow("tab and no-break space") << tf << "\t1811\u00A0"
                                            << "1811"
                                            << "";
    QTest::newRow("blanks alone: no value") << tf << "   "
                                            << ""
                                            << "";
    QTest::newRow("as long as the column") << tf << "1810,0000001"
                                           << "1810,0000001"
                                           << "";
    QTest::newRow("a unit") << tf << "1810 K"
                            << "1810"
                            << "« 1810 K » n'est pas un nombre";
    QTest::newRow("decimal point") << tf << "1810.5"
                                   << "1810"
                                   << "« 1810.5 » n'est pas un nombre";
    QTest::newRow("longer than the column") << tf << QString(40, u'1') << "1810"
                                            << "a 40 caractères, et la colonne n'en tient que";
    QTest::newRow("a text is cut") << "DECPAR" << QString(300, u'x') << QString() << "";
}

// What a post stores of a typed value: a number without its blanks, whole or not at all; a
// text cut to its column, as reading would cut it anyway. A refused post keeps the old value.
void TestDataFile::typedValues()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, refusal);
    const ScratchData data;
    QVERIFY(data.copyShipped(&DataFolder::propFile));
    TTextTable table;
    ElementTable::configure(table, data.folder());
    ElementTable::openWhole(table);
    table.setRecNo(26);
    const int size = table.FieldSize(table.FieldIndex(field));
    if (stored.isNull())
        stored = typed.left(size);
    table.setFieldText(field, typed);
    const std::optional<QString> refused = table.TryPost();
    QCOMPARE(refused.has_value(), !refusal.isEmpty());
    if (refused) {
        QVERIFY2(refused->contains(refusal) && refused->contains(QStringLiteral("Fer")),
                 qPrintable(*refused));
        table.Cancel();
    }
    QCOMPARE(table.FieldText(field), stored);
    QVERIFY(stored.size() <= size);
}

// Started from a folder without the table: the folder looked in, by its absolute path, and
// the ways the program is meant to be started; nothing about a file left unchanged.
void TestDataFile::missingTableSaysWhereItLookedAndHowToStart()
{
    const ScratchData data;
    TTextTable table;
    ElementTable::configure(table, data.folder());
    const QString message = thrownMessage<MirelonError>([&] { ElementTable::openWhole(table); });
    const QString folder = QFileInfo(data.path(&DataFolder::propFile)).absolutePath();
    for (const QString &part :
         {QStringLiteral("« ") + folder + QStringLiteral(" »"), QStringLiteral("est introuvable"),
          QStringLiteral("« Mirelon »"), QStringLiteral("./run.sh")})
        QVERIFY2(message.contains(part), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("modifié")), qPrintable(message));
    QVERIFY(!QFileInfo::exists(data.path(&DataFolder::propFile)));
}

void TestDataFile::replaceKeepsTheOldFileOnAFault_data()
{
    QTest::addColumn<DataFile::Step>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason"); // empty: no fault
    QTest::newRow("no fault") << DataFile::Step::Write << 0 << QString();
    QTest::newRow("quota at creation")
        << DataFile::Step::Create << EDQUOT << "le quota d'espace disque est dépassé";
    QTest::newRow("full disk") << DataFile::Step::Write << ENOSPC << "le disque est plein";
    QTest::newRow("failing sync") << DataFile::Step::Sync << EIO
                                  << "erreur d'entrée-sortie du disque";
    QTest::newRow("read-only at rename")
        << DataFile::Step::Rename << EROFS << "le disque n'accepte que la lecture";
}

// A step that fails raises the system's reason for the file, and nothing changes on disk; a
// write that succeeds keeps the file's permissions.
void TestDataFile::replaceKeepsTheOldFileOnAFault()
{
    QFETCH(DataFile::Step, step);
    QFETCH(int, error);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prop.yop"));
    QVERIFY(writeFileBytes(path, "old"));
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, mode));
    const QString message = thrownMessage<EInOutError>([&] {
        DataFile::replace(path, QByteArray("new contents"),
                          [&](DataFile::Step at) { return at == step ? error : 0; });
    });
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"prop.yop"});
    if (reason.isEmpty()) {
        QCOMPARE(message, QString());
        QCOMPARE(readFileBytes(path), QByteArray("new contents"));
        const QFile::Permissions user = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(QFile::permissions(path) & ~user, mode);
        return;
    }
    QVERIFY2(message.contains(path) && message.contains(reason), qPrintable(message));
    QCOMPARE(readFileBytes(path), QByteArray("old"));
}

void TestDataFile::replaceLeavesWhatIsNoFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder") << "folder"
                            << "est un dossier";
    QTest::newRow("FIFO") << "fifo"
                          << "n'est pas un fichier ordinaire";
    QTest::newRow("link to a FIFO") << "link"
                                    << "n'est pas un fichier ordinaire";
}

// A folder or a special file standing where the data file was is not replaced (a link to
// /dev/zero would otherwise have the super-user replace the device), and the refusal says why.
void TestDataFile::replaceLeavesWhatIsNoFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prop.yop"));
    const QString fifo = kind == u"link" ? dir.filePath(QStringLiteral("fifo")) : path;
    if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("prop.yop")));
    else
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    if (kind == u"link")
        QVERIFY(QFile::link(fifo, path));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    const QString message =
        thrownMessage<EInOutError>([&] { DataFile::replace(path, QByteArray("new")); });
    QVERIFY2(message.contains(path) && message.contains(cause), qPrintable(message));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    QVERIFY(!QFileInfo(fifo).isFile());
    QCOMPARE(QFileInfo(path).isSymLink(), kind == u"link");
}

void TestDataFile::replaceRespectsReadOnly_data()
{
    QTest::addColumn<bool>("folder"); // the folder is read-only, else the file
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only file") << false << "Le fichier « %1 » est en lecture seule";
    QTest::newRow("read-only folder") << true << "Le dossier « %1 » est en lecture seule";
}

// What the user marked read-only is not replaced, even by the super-user, and the refusal
// says so.
void TestDataFile::replaceRespectsReadOnly()
{
    QFETCH(bool, folder);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prop.yop"));
    QVERIFY(writeFileBytes(path, "old"));
    const QString marked = folder ? dir.path() : path;
    const QFile::Permissions before = QFile::permissions(marked);
    QVERIFY(QFile::setPermissions(marked, before & ~(QFile::WriteOwner | QFile::WriteUser |
                                                     QFile::WriteGroup | QFile::WriteOther)));
    const QString message =
        thrownMessage<EInOutError>([&] { DataFile::replace(path, QByteArray("new")); });
    QVERIFY(QFile::setPermissions(marked, before));
    QVERIFY2(message.contains(cause.arg(marked)), qPrintable(message));
    QCOMPARE(readFileBytes(path), QByteArray("old"));
}

void TestDataFile::killedWriterLeavesNoScratch_data()
{
    QTest::addColumn<bool>("atStart"); // cleared by the program's start, else by a write
    QTest::addColumn<QString>("name");
    QTest::newRow("next write") << false << QStringLiteral("prop.yop");
    QTest::newRow("next start") << true << QStringLiteral("prop.yop");
    QTest::newRow("name of wildcards") << false << QStringLiteral("a[b]*?.yop");
}

// A copy killed between its temporary file and the rename leaves that file behind; the next
// write or start removes it, and only it: not another file that looks alike, nor one whose
// writer still runs.
void TestDataFile::killedWriterLeavesNoScratch()
{
    QFETCH(bool, atStart);
    QFETCH(QString, name);
    ScratchData data;
    QVERIFY(data.copyShipped(&DataFolder::propFile));
    QString path = data.path(&DataFolder::propFile);
    if (name != QLatin1String("prop.yop")) {
        QVERIFY(QFile::rename(path, data.path(name)));
        path = data.path(name);
    }
    const QStringList others{
        QStringLiteral(".%1.notes").arg(name), QStringLiteral(".%1.1.abcdef").arg(name),
        QStringLiteral(".%1x.%2.abcdef").arg(name).arg(QCoreApplication::applicationPid())};
    for (const QString &name : others)
        QVERIFY(writeFileBytes(data.path(name), "keep"));
    QProcess writer;
    writer.start(QStringLiteral(TABLE_WRITER), {"replace", path, "new"});
    while (!writer.readAllStandardOutput().contains("paused"))
        QVERIFY(writer.waitForReadyRead(10000));
    const qint64 pid = writer.processId();
    writer.kill();
    QVERIFY(writer.waitForFinished());
    const QDir folder(QFileInfo(path).absolutePath());
    const QString left = QStringLiteral(".%1.%2.").arg(name).arg(pid);
    const QStringList written = folder.entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(std::count_if(written.begin(), written.end(),
                           [&left](const QString &each) { return each.startsWith(left); }),
             1);
    if (atStart) {
        TTextTable table;
        ElementTable::configure(table, data.folder());
        ElementTable::openWhole(table);
    } else {
        DataFile::replace(path, readFileBytes(path));
    }
    QStringList expected = others + QStringList{name};
    expected.sort();
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), expected);
}

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--probe") == 0) {
        QStringList readers;
        for (int i = 3; i < argc; ++i)
            readers << QString::fromLocal8Bit(argv[i]);
        return probe(QFile::decodeName(argv[2]), readers);
    }
    QCoreApplication app(argc, argv);
    TestDataFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_datafile.moc"
