// The boxes of the property sheet and of the hover panel name their value's unit and source,
// in their tool tips and to a screen reader, as the maintainers' source table gives them.
#include "MainWindowFixture.h"
#include "SourceTable.h"
#include "sheet/TForm2.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>

class TestValueSources : public QObject
{
    Q_OBJECT

private slots:
    void boxesNameTheirSource_data();
    void boxesNameTheirSource();
    void sourcesAreReadAtFirstNeed();
};

void TestValueSources::boxesNameTheirSource_data()
{
    QTest::addColumn<int>("page"); // of the sheet; -1 for the hover panel
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("symbol"); // of an element whose cell has a source of its own

    QTest::newRow("sheet, second ionisation") << 1 << "DB_9E_2EME_I"
                                              << "Energie de 2ème ionisation"
                                              << "_9E_2EME_I" << 26 << "";
    QTest::newRow("sheet, first ionisation of Lr") << 1 << "DB_8E_1ERE_I"
                                                   << "Energie de 1ère ionisation"
                                                   << "_8E_1ERE_I" << 103 << "Lr";
    QTest::newRow("sheet, first ionisation of Fe") << 1 << "DB_8E_1ERE_I"
                                                   << "Energie de 1ère ionisation"
                                                   << "_8E_1ERE_I" << 26 << "";
    QTest::newRow("sheet, electronegativity") << 1 << "DB_3EN"
                                              << "Electronégativité"
                                              << "_3EN" << 9 << "";
    QTest::newRow("sheet, density of Bk") << 0 << "DB_M__VOL"
                                          << "Masse Volumique"
                                          << "_M__VOL" << 97 << "Bk";
    QTest::newRow("sheet, ionic radius") << 1 << "DB_4RI_2_"
                                         << "Rayon ionique : ion 2+"
                                         << "_4RI_2_" << 88 << "Ra";
    QTest::newRow("sheet, English name") << 6 << "DBNOMUK"
                                         << "Nom Anglais"
                                         << "NOMUK" << 26 << "";
    QTest::newRow("sheet header, name") << 0 << "DB_NOM"
                                        << "Nom"
                                        << "_NOM" << 26 << "";
    QTest::newRow("hover, electronegativity") << -1 << "Edit_EN"
                                              << "Electronégativité"
                                              << "_3EN" << 26 << "";
    QTest::newRow("hover, melting point of At") << -1 << "Edit_TF"
                                                << "Point de fusion"
                                                << "_TF" << 85 << "At";
    QTest::newRow("hover, atomic mass") << -1 << "Edit_M__AT"
                                        << "Masse Atomique"
                                        << "_M__AT" << 26 << "";
}

void TestValueSources::boxesNameTheirSource()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, property);
    QFETCH(QString, field);
    QFETCH(int, z);
    QFETCH(QString, symbol);
    const SourceTable table;
    QVERIFY(!table.isEmpty());
    const SourceTable::Row column = table.column(field);
    QVERIFY(!column.source.isEmpty());
    QString expected = property +
                       (column.unit.isEmpty() ? QString() : QStringLiteral(", ") + column.unit) +
                       QStringLiteral(" — ") + column.source;
    const SourceTable::Row own = table.cell(field, z);
    QCOMPARE(own.source.isEmpty(), symbol.isEmpty());
    if (!symbol.isEmpty())
        expected += QStringLiteral(" ; valeur de %1 : %2").arg(symbol, own.source);

    MainWindowFixture f({}, true);
    QVERIFY(f.copySectionFiles());
    const ElementRecords &records = f.store().records();
    const QString pauling = records.text(z, records.fieldIndex(QStringLiteral("ENPAULING")));
    if (field == u"_3EN") {
        QVERIFY(expected.startsWith(QStringLiteral("Electronégativité, échelle d'Allred–Rochow")));
        if (!pauling.isEmpty())
            expected += QStringLiteral(" ; Pauling : %1 (%2)")
                            .arg(pauling, table.column(QStringLiteral("ENPAULING")).source);
    }
    std::unique_ptr<TForm2> sheet;
    QWidget *shown = nullptr;
    if (page < 0) {
        QTest::mouseMove(f.button(z == 1 ? 2 : 1), QPoint(12, 12));
        QTest::mouseMove(f.button(z), QPoint(12, 12));
        shown = f.child<QLineEdit>(box);
    } else {
        sheet = std::make_unique<TForm2>(f.state, f.store(), nullptr);
        sheet->shown()->show(z);
        sheet->findChild<QTabWidget *>()->setCurrentIndex(page);
        shown = sheet->findChild<QWidget *>(box);
    }
    QVERIFY(shown);
    QCOMPARE(shown->accessibleDescription(), expected);
    // The tool tip says the same, a line for the property and one per source, each within a
    // screen's width.
    const QStringList lines = shown->toolTip().split(u'\n');
    QCOMPARE(lines.join(QString()),
             QString(expected).remove(QStringLiteral(" — ")).remove(QStringLiteral(" ; ")));
    QCOMPARE(lines.size(), 1 + int(expected.count(QStringLiteral(" — ")) +
                                   expected.count(QStringLiteral(" ; "))));
    for (const QString &line : lines)
        QVERIFY2(QFontMetrics(QToolTip::font()).horizontalAdvance(line) < 640, qPrintable(line));
}

// The start does not read the sources file: one put into the data folder after the window
// opened is the one the first hover reads.
void TestValueSources::sourcesAreReadAtFirstNeed()
{
    MainWindowFixture f;
    const QString path = f.path(&DataFolder::sourcesFile);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(writeFileBytes(path, readFileBytes(shippedData().sourcesFile())));
    QTest::mouseMove(f.button(25), QPoint(12, 12));
    QTest::mouseMove(f.button(26), QPoint(12, 12));
    const QString said = f.child<QLineEdit>(QStringLiteral("Edit_TF"))->accessibleDescription();
    QVERIFY2(
        said.endsWith(QStringLiteral(" — ") + SourceTable().column(QStringLiteral("_TF")).source),
        qPrintable(said));
}

QTEST_MAIN(TestValueSources)
#include "tst_valuesources.moc"
