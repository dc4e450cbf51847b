// The program's one element store: every edit goes through one call that takes a record's
// texts whole or refuses them naming the element, a taken edit is in the records at once and
// on the file only once written, and putting shipped values back is all or nothing.
#include "TestFiles.h"
#include "data/ElementStore.h"
#include "data/ElementTable.h"
#include "data/Errors.h"

#include <QSignalSpy>
#include <QtTest>

class TestElementStore : public QObject
{
    Q_OBJECT
private slots:
    void postTakesOrRefusesTheRecordWhole_data();
    void postTakesOrRefusesTheRecordWhole();
    void restoreIsAllOrNothing();
    void firstEditionTableOpensAndGainsTheColumn();
};

namespace {

QString cell(const ElementStore &store, int z, const QString &field)
{
    return store.records().text(z, store.records().fieldIndex(field));
}

} // namespace

void TestElementStore::postTakesOrRefusesTheRecordWhole_data()
{
    QTest::addColumn<QString>("melting");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::newRow("a number, blanks dropped") << " 1811 "
                                              << "1811";
    QTest::newRow("an empty value") << ""
                                    << "";
    QTest::newRow("not a number") << "1811 K" << QString();
    QTest::newRow("a number longer than its column") << "1811,000000000000000001" << QString();
}

void TestElementStore::postTakesOrRefusesTheRecordWhole()
{
    QFETCH(QString, melting);
    QFETCH(QString, stored);
    const ScratchData data;
    QVERIFY(data.copyShipped(&DataFolder::propFile));
    const QByteArray onDisk = readFileBytes(data.path(&DataFolder::propFile));
    ElementStore &store = data.store();
    const QString oldMelting = cell(store, 26, "_TF");
    const QString oldName = cell(store, 26, "DECPAR");
    QSignalSpy changed(&store, &ElementStore::changed);

    const bool taken = !stored.isEmpty() || melting.isEmpty();
    const std::optional<QString> refusal =
        store.post(26, {{"_tf", melting}, {"DECPAR", QStringLiteral("Âge du fer")}});
    if (!taken) {
        // Named for the user, and neither field of the record changed.
        QVERIFY(refusal);
        QVERIFY2(refusal->contains(QStringLiteral("Fer")) && refusal->contains("_TF"),
                 qPrintable(*refusal));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(cell(store, 26, "_TF"), oldMelting);
        QCOMPARE(cell(store, 26, "DECPAR"), oldName);
        return;
    }
    QVERIFY2(!refusal, qPrintable(refusal.value_or(QString())));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(cell(store, 26, "_TF"), stored);
    QCOMPARE(cell(store, 26, "DECPAR"), QStringLiteral("Âge du fer"));
    QCOMPARE(readFileBytes(data.path(&DataFolder::propFile)), onDisk);
    store.save();
    const QByteArray written = readFileBytes(data.path(&DataFolder::propFile));
    QVERIFY(written != onDisk);
    QVERIFY(written.contains("\xC2ge du fer")); // Windows-1252
}

void TestElementStore::restoreIsAllOrNothing()
{
    const ScratchData data;
    QVERIFY(data.copyShipped(&DataFolder::propFile));
    ElementStore &store = data.store(true);
    QVERIFY(store.post(1, {{"DECPAR", QStringLiteral("quelqu'un")}}) == std::nullopt);
    // The second shipped text cannot be held: the first does not go back either.
    const QVector<OriginalValues::Change> changes = {
        {1, QStringLiteral("DECPAR"), QStringLiteral("Henry Cavendish")},
        {2, QStringLiteral("DECPAR"), QString(store.fieldSize("DECPAR") + 1, QLatin1Char('x'))}};
    QVERIFY_THROWS_EXCEPTION(ETxtTblError, store.restore(changes));
    QCOMPARE(cell(store, 1, "DECPAR"), QStringLiteral("quelqu'un"));
    store.restore(changes.mid(0, 1));
    QCOMPARE(cell(store, 1, "DECPAR"), QStringLiteral("Henry Cavendish"));
    QVERIFY(store.differences().isEmpty());
}

// A table of the first edition's 72 columns (a user's copy from before) opens, the later
// column empty and the file untouched; the first write gives the file that column, holding
// what was posted in it, and is a merge onto the file rather than a replacement.
void TestElementStore::firstEditionTableOpensAndGainsTheColumn()
{
    const ScratchData data;
    const QString path = data.path(&DataFolder::propFile);
    const QByteArray old = withFirstEditionColumns(readFileBytes(shippedData().propFile()));
    QVERIFY(old.startsWith("_NO_AT;") && !old.contains("ENPAULING") && writeFileBytes(path, old));
    ElementStore &store = data.store();
    QSignalSpy troubles(&store, &ElementStore::writeFailed);
    const ElementRecords records = store.records();
    QCOMPARE(records.count(), ElementTable::ElementCount);
    QVERIFY(records.fieldIndex(Column::EnPauling) >= 0);
    for (int z = 1; z <= records.count(); ++z)
        QVERIFY2(records.view(z, Column::EnPauling).isEmpty(), qPrintable(QString::number(z)));
    QCOMPARE(records.text(26, Column::En), QStringLiteral("1,6"));
    QCOMPARE(readFileBytes(path), old);

    QVERIFY(!store.post(26, {{"_TF", "1811"}, {"ENPAULING", "1,83"}}));
    store.save();
    QCOMPARE(troubles.count(), 0);
    const QList<QByteArray> lines = readFileBytes(path).split('\n');
    const QList<QByteArray> before = old.split('\n');
    QCOMPARE(lines.size(), before.size());
    QVERIFY(lines[0].startsWith(before[0].chopped(1) + ";ENPAULING"));
    QVERIFY(lines[26].contains(";1811;") && lines[26].endsWith(";1,83\r"));
    QCOMPARE(lines[6], before[6].chopped(1) + ";\r"); // carbon: its values, the new one empty
}

QTEST_GUILESS_MAIN(TestElementStore)
#include "tst_elementstore.moc"
