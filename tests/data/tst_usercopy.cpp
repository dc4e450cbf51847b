// The user's copy of the data files brought up to the shipped ones at start: each file's rule,
// what set aside, what the user is told, and that it is told once.
#include "TestFiles.h"
#include "data/DataFolder.h"
#include "data/ElementStore.h"
#include "data/UserCopy.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Absent = QStringLiteral("<absent>");
const QByteArray Table = "_NO_AT;M;T\r\n1;1,01;20\r\n";
const QByteArray Section = "#1\r\n1\r\nhexagonal\r\n";

// Writes `bytes` to `path`, or leaves no file there for Absent.
bool place(const QString &path, const QString &bytes)
{
    return bytes == Absent ? !QFileInfo::exists(path) : writeFileBytes(path, bytes.toLatin1());
}

QString contents(const QString &path)
{
    return QFileInfo::exists(path) ? QString::fromLatin1(readFileBytes(path)) : Absent;
}

} // namespace

class TestUserCopy : public QObject
{
    Q_OBJECT

private slots:
    void refresh_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("aside"); // the file set aside as unreadable
        QTest::addColumn<QString>("said");  // a part of the message; empty: nothing said

        const QString t1 = QString::fromLatin1(Table);
        const QString edited = QStringLiteral("_NO_AT;M;T\r\n1;1,01;21\r\n");
        const QString corrected = QStringLiteral("_NO_AT;M;T\r\n1;1,008;20\r\n");
        const QString s1 = QString::fromLatin1(Section);
        const QString s2 = QStringLiteral("#1\r\n1\r\nhexagonal compact\r\n");
        const QString own = QStringLiteral("#1\r\n1\r\ncubique\r\n");

        QTest::newRow("first start: the table copied, nothing said")
            << "prop.yop" << Absent << Absent << corrected << corrected << Absent << QString();
        QTest::newRow("shipped table unchanged: the edited copy left, nothing said")
            << "prop.yop" << t1 << edited << t1 << edited << Absent << QString();
        QTest::newRow("shipped table corrected: correction taken, edit kept")
            << "prop.yop" << t1 << "_NO_AT;M;T\r\n1;1,01;21\r\n"
            << corrected << "_NO_AT;M;T\r\n1;1,008;21\r\n"
            << Absent << "1 valeur que vous aviez modifiée a été gardée.";
        QTest::newRow("table that no longer reads set aside, the shipped one in its place")
            << "prop.yop" << t1 << "M;T\r\n1,01;20\r\n"
            << corrected << corrected << "M;T\r\n1,01;20\r\n"
            << "gardé sous le nom « prop.yop.illisible-20270102-030405 »";
        QTest::newRow("table that no longer reads, shipped one unchanged: set aside too")
            << "prop.yop" << t1 << "M;T\r\n1,01;20\r\n"
            << t1 << t1 << "M;T\r\n1,01;20\r\n"
            << "gardé sous le nom « prop.yop.illisible-20270102-030405 »";
        QTest::newRow("section file the user left takes the shipped one")
            << "struct.yop" << s1 << s1 << s2 << s2 << Absent << QString();
        QTest::newRow("section file the user changed stays the user's")
            << "struct.yop" << s1 << own << s2 << own << Absent
            << "« struct.yop », que vous avez modifié, est gardé tel quel";
        QTest::newRow("section file unlike the shipped one, no kept copy: the user's")
            << "iso.yop" << Absent << own << s2 << own << Absent
            << "« iso.yop », que vous avez modifié, est gardé tel quel";
    }
    void refresh()
    {
        QFETCH(QString, file);
        QFETCH(QString, kept);
        QFETCH(QString, mine);
        QFETCH(QString, shipped);
        QTemporaryDir dir;
        const QString user = dir.filePath(QStringLiteral("user"));
        const QString origin = dir.filePath(QStringLiteral("shipped"));
        const DataFolder folder(user, origin);
        QVERIFY(QDir().mkpath(UserCopy::keptFolder(folder)) && QDir().mkpath(origin));
        // The other files are as shipped and kept.
        for (const QString other : {"prop.yop", "struct.yop", "iso.yop"}) {
            const QString bytes = QString::fromLatin1(other == u"prop.yop" ? Table : Section);
            const bool is = other == file;
            QVERIFY(place(QDir(origin).filePath(other), is ? shipped : bytes));
            QVERIFY(place(QDir(user).filePath(other), is ? mine : bytes));
            QVERIFY(place(QDir(UserCopy::keptFolder(folder)).filePath(other), is ? kept : bytes));
        }
        const QDateTime now(QDate(2027, 1, 2), QTime(3, 4, 5));

        const std::optional<QString> told = UserCopy::refresh(folder, now);
        QTEST(contents(QDir(user).filePath(file)), "after");
        QCOMPARE(contents(QDir(UserCopy::keptFolder(folder)).filePath(file)), shipped);
        const QStringList aside =
            QDir(user).entryList({file + QStringLiteral(".illisible-*")}, QDir::Files);
        QTEST(aside.isEmpty() ? Absent : contents(QDir(user).filePath(aside.first())), "aside");
        QFETCH(QString, said);
        QCOMPARE(told.has_value(), !said.isEmpty());
        if (told) {
            QVERIFY2(told->contains(said), qPrintable(*told));
            QVERIFY2(told->contains(QFileInfo(user).absoluteFilePath()), qPrintable(*told));
        }
        // Told once: the next start finds the shipped files as they were kept.
        QCOMPARE(UserCopy::refresh(folder, now), std::nullopt);
        QTEST(contents(QDir(user).filePath(file)), "after");
    }

    // A copy of the first edition's 72 columns, edited, brought up to today's shipped table:
    // the edit kept, the later column's shipped values taken.
    void firstEditionCopy()
    {
        QTemporaryDir dir;
        const QString user = dir.filePath(QStringLiteral("user"));
        const QString origin = dir.filePath(QStringLiteral("shipped"));
        const DataFolder folder(user, origin);
        QVERIFY(QDir().mkpath(UserCopy::keptFolder(folder)) && QDir().mkpath(origin));
        const QByteArray shipped = readFileBytes(shippedData().propFile());
        const QByteArray old = withFirstEditionColumns(shipped);
        QByteArray mine = old;
        // Iron's record: its melting point, 1810 K, typed in as 1811.
        const qsizetype iron = mine.indexOf("\n26;Fe;");
        const qsizetype melting = mine.indexOf(";1810;", iron);
        QVERIFY(iron > 0 && melting > iron && mine.indexOf('\n', iron + 1) > melting);
        mine.replace(melting, 6, ";1811;");
        QVERIFY(writeFileBytes(folder.propFile(), mine) &&
                writeFileBytes(QDir(UserCopy::keptFolder(folder)).filePath("prop.yop"), old) &&
                writeFileBytes(folder.originFile(folder.propFile()), shipped));

        const std::optional<QString> told =
            UserCopy::refresh(folder, QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)));
        QVERIFY(told && told->contains("1 valeur que vous aviez modifiée a été gardée."));
        ElementStore store(folder);
        store.open();
        const ElementRecords &records = store.records();
        QCOMPARE(records.text(26, Column::Tf), QStringLiteral("1811"));
        QCOMPARE(records.text(26, Column::EnPauling), QStringLiteral("1,83"));
        QCOMPARE(records.text(9, Column::EnPauling), QStringLiteral("3,98"));
        QCOMPARE(records.text(2, Column::EnPauling), QString());
    }
};

QTEST_GUILESS_MAIN(TestUserCopy)
#include "tst_usercopy.moc"
