// What a window's table asks its user when it writes: the notice while another writer holds
// the lock, and the Oui/Non question for a cell that both changed.
#include "TestFiles.h"
#include "controls/TableWriteQuestions.h"
#include "data/TTextTable.h"
#include "data/TableLock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

const QByteArray kIron("_NO_AT;_NOM;_TF\r\n26;Fer;1811\r\n27;Cobalt;1768\r\n");

// A table on `path`, its questions over `window`, with iron's melting point posted as `text`.
void postIron(TTextTable &table, const QString &path, QWidget *window, const QString &text)
{
    table.setDivChar(u';');
    table.setFileName(path);
    table.setKeyField(QStringLiteral("_NO_AT"));
    if (window)
        TableWriteQuestions::attach(table, window);
    table.Open();
    table.setFieldText(QStringLiteral("_TF"), text);
    table.Post();
}

} // namespace

class TestTableWriteQuestions : public QObject
{
    Q_OBJECT
private slots:
    void conflictIsAsked_data();
    void conflictIsAsked();
    void waitForAnotherWriterIsShown();
};

void TestTableWriteQuestions::conflictIsAsked_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("Oui keeps ours") << "Oui" << QByteArray("1811,5");
    QTest::newRow("Non takes the other's") << "Non" << QByteArray("1808");
}

void TestTableWriteQuestions::conflictIsAsked()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(path, kIron));
    QWidget window;
    TTextTable table;
    postIron(table, path, &window, "1811,5");
    {
        TTextTable other;
        postIron(other, path, nullptr, "1808");
        other.Close();
    }
    QString asked;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->objectName() != u"writeConflict")
            return;
        asked = box->text();
        for (QAbstractButton *button : box->buttons())
            if (button->text() == answer)
                button->click();
    });
    answerer.start(20);
    table.Close();
    QVERIFY2(asked.startsWith(QStringLiteral("Fer, champ")), qPrintable(asked));
    QVERIFY2(
        asked.endsWith(QStringLiteral("(_TF) a été changé par une autre copie du "
                                      "programme : « 1808 ». Garder votre valeur « 1811,5 » ?")),
        qPrintable(asked));
    QCOMPARE(readFileBytes(path),
             "_NO_AT;_NOM;_TF\r\n26;Fer;" + written + "\r\n27;Cobalt;1768\r\n");
}

// While another writer holds the lock, the window's timers run, and after a moment a notice
// names the file it waits for; it goes once the lock is taken.
void TestTableWriteQuestions::waitForAnotherWriterIsShown()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("prop.yop");
    QVERIFY(writeFileBytes(path, kIron));
    QWidget window;
    TTextTable table;
    postIron(table, path, &window, "1812");
    std::atomic<bool> held{false};
    std::atomic<bool> release{false};
    std::thread holder([&] {
        const TableLock lock(path);
        held = true;
        // Let go in the end even when the notice never shows, so that the test fails rather
        // than hang.
        QElapsedTimer clock;
        clock.start();
        while (!release && clock.elapsed() < 10000)
            std::this_thread::yield();
    });
    QVERIFY(QTest::qWaitFor([&] { return held.load(); }));
    QString notice;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        if (auto *shown = window.findChild<QProgressDialog *>("lockWait");
            shown && shown->isVisible()) {
            notice = shown->labelText();
            release = true;
        }
    });
    watcher.start(50);
    table.Close();
    holder.join();
    QVERIFY2(notice.contains(QStringLiteral("autre copie du programme")) &&
                 notice.contains(QStringLiteral("« prop.yop »")),
             qPrintable(notice));
    QTRY_VERIFY(!window.findChild<QProgressDialog *>("lockWait"));
    QVERIFY(readFileBytes(path).contains("26;Fer;1812\r\n"));
}

QTEST_MAIN(TestTableWriteQuestions)
#include "tst_tablewritequestions.moc"
