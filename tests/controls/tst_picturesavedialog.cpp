// The picture save dialog shared by the chart windows and the 3-D image copy: the question
// before replacing names the file really written, the dialog reopens where it was left,
// and a failed write leaves every file as it was and says why.
#include "SaveDialogPlayer.h"
#include "TestFiles.h"
#include "controls/PictureSaveDialog.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

class TestPictureSaveDialog : public QObject
{
    Q_OBJECT

private slots:
    void questionNamesTheFileWritten_data();
    void questionNamesTheFileWritten();
    void reopensWhereItWasLeft();
    void refusesTheDataFiles_data();
    void refusesTheDataFiles();
    void failedWritesLeaveFilesAsTheyWere_data();
    void failedWritesLeaveFilesAsTheyWere();
};

namespace {

const QVector<PictureSaveDialog::Type> Types{{"Bitmap (*.bmp)", "*.bmp"},
                                             {"Windows Metafile (*.wmf)", "*.wmf"}};

// The extension rule of the tests: a name without a dot takes its type's extension.
QString completed(const QString &typed, int type)
{
    if (QFileInfo(typed).fileName().contains(QLatin1Char('.')))
        return typed;
    return typed + (type == 0 ? QStringLiteral(".bmp") : QStringLiteral(".wmf"));
}

// The files of the folder with their contents.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readFileBytes(QDir(folder).filePath(name)));
    return files;
}

} // namespace

void TestPictureSaveDialog::questionNamesTheFileWritten_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("asked");   // the file named by the question, empty for none
    QTest::addColumn<QString>("written"); // the name returned, empty for none
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    QTest::newRow("completed name exists")
        << QStringList{"iron.bmp"} << "iron" << 0 << yes << "iron.bmp"
        << "iron.bmp";
    QTest::newRow("typed name exists, completed not")
        << QStringList{"zinc"} << "zinc" << 0 << yes << ""
        << "zinc.bmp";
    QTest::newRow("completed by the type picked")
        << QStringList{"iron.bmp"} << "iron" << 1 << yes << ""
        << "iron.wmf";
    QTest::newRow("typed with its extension")
        << QStringList{"g.wmf"} << "g.wmf" << 0 << yes << "g.wmf"
        << "g.wmf";
    // "No" leaves the dialog open for another name; here it is then cancelled.
    QTest::newRow("replacing declined")
        << QStringList{"iron.bmp"} << "iron" << 0 << no << "iron.bmp"
        << "";
}

void TestPictureSaveDialog::questionNamesTheFileWritten()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, typed);
    QFETCH(int, type);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(QString, written);
    QTemporaryDir dir;
    for (const QString &name : existing)
        QVERIFY(writeFileBytes(dir.filePath(name), "old"));
    QString folder = dir.path();
    int chosenType = 0;
    std::optional<QString> result;
    PictureSaveDialog dialog(nullptr, Types, completed);
    const SaveDialogSeen seen = playSaveDialog([&] { result = dialog.choose(folder, chosenType); },
                                               {typed, type, QMessageBox::StandardButton(answer)});
    QVERIFY(seen.opened);
    if (asked.isEmpty()) {
        QCOMPARE(seen.asked, QStringList());
    } else {
        QCOMPARE(seen.asked.size(), 1);
        QVERIFY2(seen.asked.front().startsWith(QDir::toNativeSeparators(dir.filePath(asked)) +
                                               QStringLiteral(" existe déjà.")),
                 qPrintable(seen.asked.front()));
    }
    QCOMPARE(seen.stayedOpen, written.isEmpty());
    QCOMPARE(result, written.isEmpty() ? std::nullopt : std::optional(dir.filePath(written)));
    for (const QString &name : existing)
        QCOMPARE(readFileBytes(dir.filePath(name)), QByteArray("old"));
}

// A picture never replaces a data file of the program, whatever name reaches it; the
// dialog says so and stays open, and the file keeps its contents.
void TestPictureSaveDialog::refusesTheDataFiles_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("its name") << "prop.yop";
    QTest::newRow("another spelling") << "sub/../struct.yop";
    QTest::newRow("a symbolic link") << "link.yop";
    QTest::newRow("a hard link") << "hard.bmp";
}

void TestPictureSaveDialog::refusesTheDataFiles()
{
    QFETCH(QString, typed);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QStringList data{dir.filePath("prop.yop"), dir.filePath("struct.yop"),
                           dir.filePath("iso.yop")};
    for (const QString &file : data)
        QVERIFY(writeFileBytes(file, "table"));
    QVERIFY(QFile::link(data[0], dir.filePath("link.yop")));
    QVERIFY(::link(QFile::encodeName(data[2]).constData(),
                   QFile::encodeName(dir.filePath("hard.bmp")).constData()) == 0);
    QString folder = dir.path();
    int type = 0;
    std::optional<QString> result;
    PictureSaveDialog dialog(nullptr, Types, completed);
    dialog.protectFiles(data);
    const SaveDialogSeen seen =
        playSaveDialog([&] { result = dialog.choose(folder, type); }, {typed, 0});
    QCOMPARE(seen.asked.size(), 1);
    QVERIFY2(seen.asked.front().contains(QStringLiteral("est un fichier de données du programme")),
             qPrintable(seen.asked.front()));
    QVERIFY(seen.stayedOpen);
    QCOMPARE(result, std::nullopt);
    for (const QString &file : data)
        QCOMPARE(readFileBytes(file), QByteArray("table"));
}

// The folder and type of the last save are where the next dialog opens; a cancelled
// dialog keeps them as they were.
void TestPictureSaveDialog::reopensWhereItWasLeft()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QString folder = dir.path();
    int type = 0;
    std::optional<QString> result;
    auto open = [&] {
        PictureSaveDialog dialog(nullptr, Types, completed);
        result = dialog.choose(folder, type);
    };
    SaveDialogSeen seen = playSaveDialog(open, {QStringLiteral("sub/g"), 1});
    QCOMPARE(seen.folder, dir.path());
    QCOMPARE(seen.type, 0);
    QCOMPARE(result, std::optional(dir.filePath(QStringLiteral("sub/g.wmf"))));
    QCOMPARE(folder, dir.filePath(QStringLiteral("sub")));
    QCOMPARE(type, 1);
    for (int again = 0; again < 2; ++again) {
        seen = playSaveDialog(open, {});
        QCOMPARE(seen.folder, dir.filePath(QStringLiteral("sub")));
        QCOMPARE(seen.type, 1);
        QCOMPARE(result, std::nullopt);
    }
}

// A folder that does not exist, a file in place of a folder, a file larger than the
// process may write: the message names the file and gives the system's reason; the file
// of that name keeps its old contents (or stays absent) and no other file is left.
void TestPictureSaveDialog::failedWritesLeaveFilesAsTheyWere_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::newRow("missing folder") << "nowhere/g.bmp" << ENOENT;
    QTest::newRow("file as folder") << "old.bmp/g.bmp" << ENOTDIR;
    QTest::newRow("file too large") << "old.bmp" << EFBIG;
}

void TestPictureSaveDialog::failedWritesLeaveFilesAsTheyWere()
{
    QFETCH(QString, name);
    QFETCH(int, error);
    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("old.bmp")), "old"));
    const auto before = contents(dir.path());
    // The size limit applies to root too; going past it fails the write instead of
    // raising the signal.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    if (error == EFBIG) {
        limit.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    QString shown;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    answerer.start(10);
    const bool written =
        PictureSaveDialog::write(nullptr, dir.filePath(name), QByteArray(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, signalBefore);
    QVERIFY(!written);
    const QString file = QDir::toNativeSeparators(dir.filePath(name));
    QVERIFY2(shown.startsWith(QStringLiteral("Impossible d'écrire le fichier « %1 » : ").arg(file)),
             qPrintable(shown));
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    QVERIFY2(shown.contains(reason, Qt::CaseInsensitive), qPrintable(shown + " / " + reason));
    QCOMPARE(contents(dir.path()), before);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
}

QTEST_MAIN(TestPictureSaveDialog)
#include "tst_picturesavedialog.moc"
