// The graphics module found, or said to be missing or broken, and the main window going on
// without it.
#include "MessageBoxes.h"
#include "TestFiles.h"
#include "modules/GraphicsModule.h"
#include "table/MainWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString FileName = QString::fromLatin1(GraphicsModule::FileName);

} // namespace

class TestGraphicsModule : public QObject
{
    Q_OBJECT

private slots:
    void unusableModuleNamed_data();
    void unusableModuleNamed();
    void builtModuleLoads();
    void missingModuleToldOnce();
};

void TestGraphicsModule::unusableModuleNamed_data()
{
    QTest::addColumn<QByteArray>("bytes"); // of the module's file; none for no file
    QTest::addColumn<QString>("said");     // %1: the file, %2: the other folder's, *: any text
    QTest::newRow("missing") << QByteArray()
                             << "Le module des graphiques est introuvable (%1, %2). "
                                "Réinstallez Mirelon.";
    QTest::newRow("not a library") << QByteArray("\x7f"
                                                 "ELF tronqué")
                                   << "Le module des graphiques (%1) ne peut être chargé : *. "
                                      "Réinstallez Mirelon.";
}

// The message names every file looked for, or the file that would not load and why.
void TestGraphicsModule::unusableModuleNamed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QTemporaryDir beside;
    QTemporaryDir installed;
    const QString file = QDir(beside.path()).filePath(FileName);
    if (!bytes.isEmpty())
        QVERIFY(writeFileBytes(file, bytes));
    const GraphicsModule::Loaded loaded = GraphicsModule::load({beside.path(), installed.path()});
    QVERIFY(!loaded.factory);
    const QString expected =
        said.replace(QStringLiteral("%1"), QDir::toNativeSeparators(file))
            .replace(QStringLiteral("%2"),
                     QDir::toNativeSeparators(QDir(installed.path()).filePath(FileName)));
    // What stands for the cause, given in Qt's words, may be anything.
    const QStringList around = expected.split(QLatin1Char('*'));
    QVERIFY2(loaded.error.startsWith(around.first()) && loaded.error.endsWith(around.last()) &&
                 loaded.error.size() >= expected.size() - 1,
             qPrintable(loaded.error));
}

// The build puts a module beside the program that loads and offers the commands; a later
// folder is not looked in once one holds the file.
void TestGraphicsModule::builtModuleLoads()
{
    QTemporaryDir later;
    QVERIFY(writeFileBytes(QDir(later.path()).filePath(FileName), "broken"));
    const GraphicsModule::Loaded loaded =
        GraphicsModule::load({QStringLiteral(MIRELON_BINARY_DIR "/src/table"), later.path()});
    QVERIFY2(loaded.factory, qPrintable(loaded.error));
    QVERIFY(loaded.error.isEmpty());
}

// Without the module (none is beside this test), the first graphics command says so, naming
// the file; the later ones do nothing, and the window goes on.
void TestGraphicsModule::missingModuleToldOnce()
{
    MainWindowFixture f;
    const auto trigger = [&f](const char *name) {
        return messageBoxesDuring([&] { f.child<QAction>(QString::fromLatin1(name))->trigger(); });
    };
    const QStringList first = trigger("GraphXY1");
    QCOMPARE(first.size(), 1);
    QVERIFY2(first[0].contains(QDir::toNativeSeparators(
                 QDir(QCoreApplication::applicationDirPath()).filePath(FileName))),
             qPrintable(first[0]));
    for (const char *later : {"GraphLC1", "Graph3D1", "PrintTable", "SaveTable", "CopyTable"})
        QCOMPARE(trigger(later), QStringList());
    QVERIFY(f.form->isVisible());
}

QTEST_MAIN(TestGraphicsModule)
#include "tst_graphicsmodule.moc"
