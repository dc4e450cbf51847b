// The sources file as the tool tips read it: a missing or damaged file gives no source at
// all and says why, and the electronegativity names its scale and the Pauling value.
#include "SourceTable.h"
#include "TestFiles.h"
#include "data/ElementSources.h"
#include "table/RecordsInMemory.h"

#include <QtTest>

Q_DECLARE_METATYPE(ElementRecords)

namespace {

const QByteArray Shipped = readFileBytes(QStringLiteral(MIRELON_SHARE_DIR "/sources.yop"));
const int ShippedLines = int(Shipped.count('\n'));

QString caption(const QString &field)
{
    return field == u"_3EN" ? QStringLiteral("Electronégativité")
                            : QStringLiteral("Energie de 2ème ionisation");
}

} // namespace

class TestElementSources : public QObject
{
    Q_OBJECT

private slots:
    void damagedFileGivesNoSource_data();
    void damagedFileGivesNoSource();
    void electronegativityNamesItsScales_data();
    void electronegativityNamesItsScales();

private:
    const SourceTable m_table;
};

void TestElementSources::damagedFileGivesNoSource_data()
{
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line"); // of the damage; 0 for a missing file
    QTest::addColumn<QString>("field");

    const int next = ShippedLines + 1;
    QTest::newRow("missing") << false << QByteArray() << 0 << "_9E_2EME_I";
    QTest::newRow("missing, electronegativity") << false << QByteArray() << 0 << "_3EN";
    QTest::newRow("empty") << true << QByteArray() << 1 << "_9E_2EME_I";
    QTest::newRow("heading") << true << QByteArray(Shipped).replace("UNITE", "UNIT") << 1 << "_3EN";
    QTest::newRow("five values") << true << Shipped + "_TF;;K;CRC;2016\r\n" << next << "_9E_2EME_I";
    QTest::newRow("quoted divider, seven values")
        << true << Shipped + "_TF;;K;\"CRC; 2016\";2016;;x\r\n"
        << next << "_9E_2EME_I";
    QTest::newRow("element 119") << true << Shipped + "_TF;119;;CRC;;\r\n" << next << "_3EN";
    QTest::newRow("element as a symbol") << true << Shipped + "_TF;Fe;;CRC;;\r\n"
                                         << next << "_9E_2EME_I";
    QTest::newRow("no source") << true << Shipped + "_TF;26;;;2016;\r\n" << next << "_3EN";
    QTest::newRow("no field") << true << Shipped + ";26;;CRC;2016;\r\n" << next << "_3EN";
    QTest::newRow("column twice, other case") << true << Shipped + "_9e_2eme_i;;kJ/mol;autre;;\r\n"
                                              << next << "_9E_2EME_I";
    QTest::newRow("cell twice") << true << Shipped + "_8E_1ERE_I;103;;autre;;\r\n"
                                << next << "_3EN";
    QTest::newRow("damage before good lines")
        << true << QByteArray(Shipped).insert(Shipped.indexOf('\n') + 1, "_TF;0;;CRC;;\r\n") << 2
        << "_9E_2EME_I";
}

// Never a wrong source: a file that is partly wrong gives none, and the box still names
// its property and unit, and why the source is unknown.
void TestElementSources::damagedFileGivesNoSource()
{
    QFETCH(bool, written);
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, field);
    QVERIFY(!m_table.isEmpty() && ShippedLines > 100);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sources.yop"));
    if (written)
        QVERIFY(writeFileBytes(path, bytes));

    const ElementSources sources = ElementSources::read(path);
    const QString why =
        line ? QStringLiteral("fichier des sources illisible : %1, ligne %2 : ").arg(path).arg(line)
             : QStringLiteral("fichier des sources absent : %1").arg(path);
    QVERIFY2(sources.problem().startsWith(why), qPrintable(sources.problem()));
    QVERIFY(!sources.column(field) && !sources.column(QStringLiteral("_TF")));
    QCOMPARE(sources.describe(caption(field), field, 26, ElementRecords()),
             caption(field) + QStringLiteral(", ") + m_table.column(field).unit +
                 QStringLiteral(" — source inconnue (") + sources.problem() + u')');
}

void TestElementSources::electronegativityNamesItsScales_data()
{
    QTest::addColumn<ElementRecords>("records");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("pauling"); // as the box tells it; "" for no mention

    const ElementRecords withPauling = recordsOf({{"_NO_AT", "_SYMBOLE", "_3EN", "ENPAULING"},
                                                  {"1", "H", "2,2", "2,20"},
                                                  {"2", "He", "", ""},
                                                  {"3", "Li", "1", "0.98"}});
    const ElementRecords without = recordsOf({{"_NO_AT", "_SYMBOLE", "_3EN"}, {"1", "H", "2,2"}});
    QTest::newRow("with a Pauling value") << withPauling << 1 << " ; Pauling : 2,20";
    QTest::newRow("none established") << withPauling << 2 << "";
    QTest::newRow("point typed") << withPauling << 3 << " ; Pauling : 0,98";
    QTest::newRow("72 columns") << without << 1 << "";
}

void TestElementSources::electronegativityNamesItsScales()
{
    QFETCH(ElementRecords, records);
    QFETCH(int, z);
    QFETCH(QString, pauling);
    const ElementSources sources = ElementSources::parse(Shipped, QStringLiteral("sources.yop"));
    QVERIFY(sources.problem().isEmpty());
    const QString field = QStringLiteral("_3EN");
    QString expected = QStringLiteral("Electronégativité, échelle d'Allred–Rochow — ") +
                       m_table.column(field).source;
    if (!pauling.isEmpty())
        expected += pauling + QStringLiteral(" (") +
                    m_table.column(QStringLiteral("ENPAULING")).source + u')';
    QCOMPARE(sources.describe(QStringLiteral("Electronégativité"), field, z, records), expected);
}

QTEST_GUILESS_MAIN(TestElementSources)
#include "tst_elementsources.moc"
