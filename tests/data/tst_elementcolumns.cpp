// The column table, checked once: its order, names, sizes and list wordings as the
// windows and lists rely on them, and its kinds, widths and gaps against the shipped
// element table.
#include "data/ElementColumns.h"
#include "data/ElementTable.h"
#include "data/Numbers.h"
#include "data/TTextTable.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestElementColumns : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void constantsAndNames();
    void wordings_data();
    void wordings();
    void lookups();
    void shippedNamesLine();
    void shippedValues_data();
    void shippedValues();
    void toolsFile();
    void matchesRealRecords();

private:
    QStringList m_fileNames;
    QVector<int> m_computedSizes;  // as the table works them out from the file alone
    QVector<QStringList> m_values; // per column, the 103 texts in record order
};

void TestElementColumns::initTestCase()
{
    TTextTable table;
    table.setDivChar(u';');
    table.setSepChar(u'"');
    table.setWinText(true);
    table.setFileName(QStringLiteral(MIRELON_SHARE_DIR "/prop.yop"));
    table.Open();
    QVERIFY2(table.Active(), "prop.yop did not open");
    m_fileNames = table.FieldNames();
    m_values.resize(table.FieldCount());
    for (int field = 0; field < table.FieldCount(); ++field) {
        m_computedSizes << table.FieldSize(field);
        for (int record = 0; record < table.RecordCount(); ++record)
            m_values[field] << table.RecordText(record, field);
    }
}

// Constant n is the n-th row; no name twice.
void TestElementColumns::constantsAndNames()
{
    const QVector<ElementColumn> &columns = ElementColumns::all();
    QCOMPARE(columns.size(), ElementColumns::Count);
    QSet<QString> names;
    for (int i = 0; i < columns.size(); ++i) {
        QCOMPARE(static_cast<int>(columns[i].id), i);
        QCOMPARE(&ElementColumns::column(columns[i].id), &columns[i]);
        QVERIFY2(!names.contains(columns[i].field), qPrintable(columns[i].field));
        names.insert(columns[i].field);
    }
    QCOMPARE(ElementColumns::field(Column::RiCation2), QStringLiteral("_4RI_2_"));
    QCOMPARE(ElementColumns::field(Column::RiAnion2), QStringLiteral("_3RI_2_"));
}

// Every column in file order, with the size the windows declare and the wording the lists
// offer it under (blanks included; none for the five columns offered nowhere).
void TestElementColumns::wordings_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("wording");
    int position = 0;
    const auto row = [&position](const char *field) -> QTestData & {
        return QTest::newRow(field) << position++;
    };
    row("_NO_AT") << 11 << QStringLiteral("Numero Atomique");
    row("_SYMBOLE") << 13 << QStringLiteral("Symbole");
    row("_NOM") << 17 << QStringLiteral("nom");
    row("_M__AT") << 11 << QStringLiteral("Masse Atomique ");
    row("_M__VOL") << 12 << QStringLiteral("Masse Volumique");
    row("_ETAT_PHY") << 14 << QStringLiteral("Etat Physique");
    row("_TF") << 12 << QStringLiteral("Point de  fusion");
    row("_TEB") << 11 << QStringLiteral("Point d'ébullition");
    row("_0COND_ELE") << 15 << QStringLiteral("Conductivité électrique");
    row("_1COND_THE") << 15 << QStringLiteral("Conductivité thermique");
    row("_2H_AT") << 11 << QStringLiteral("Enthalpie d'atomisation");
    row("_3H_FUS") << 12 << QStringLiteral("Enthalpie de fusion");
    row("_4H_VAP") << 12 << QStringLiteral("Enthalpie de vapororisation");
    row("_5AB_COSM") << 14 << QStringLiteral("Abondance cosmique");
    row("_6AB_TER") << 13 << QStringLiteral("Abondance terrestre");
    row("_7DECOUVER") << 16 << QStringLiteral("Année de la Découverte");
    row("_8SOURCE") << 47 << QStringLiteral("Source");
    row("_9STRUCTUR") << 48 << QStringLiteral("Structure");
    row("_0DURET_") << 13 << QStringLiteral("Dureté");
    row("_1COULEUR") << 22 << QStringLiteral("Couleur");
    row("_2CARACT") << 54 << QStringLiteral("Caractéristiques");
    row("_3APPL") << 51 << QStringLiteral("Applications");
    row("_4TOXICIT_") << 15 << QStringLiteral("Toxicité");
    row("_5CANCER") << 13 << QStringLiteral("Action Cancérigène");
    row("_6R__AIR") << 32 << QStringLiteral("Réaction avec l'air");
    row("_7R__EAU") << 30 << QStringLiteral("Réaction avec l'eau");
    row("_81R__HCL") << 27 << QStringLiteral("Réaction avec HCl");
    row("_9R__HNO3") << 30 << QStringLiteral("Réaction avec HNO3");
    row("_0R__NAOH") << 31 << QStringLiteral("Réaction avec NaOH");
    row("_1ISOTOPES") << 15 << QStringLiteral("Nombre d'isotopes");
    row("_2CONFIG__") << 27 << QStringLiteral("Configuration electronique");
    row("_3EN") << 9 << QStringLiteral("Electronégativité");
    row("_4AE") << 10 << QStringLiteral("Affinité electronique");
    row("_5POLARIS") << 14 << QStringLiteral("Polarisabilité");
    row("_6VOL_AT") << 13 << QStringLiteral("Volume atomique");
    row("_7R_AT") << 11 << QStringLiteral("Rayon atomique");
    row("_8E_1ERE_I") << 15 << QStringLiteral("Energie de 1ère ionisation");
    row("_9E_2EME_I") << 15 << QStringLiteral("Energie de  2ème ionisation");
    row("_0E_3EME_I") << 15 << QStringLiteral("Energie de  3ème ionisation");
    row("_1RI_1_") << 12 << QStringLiteral("Rayon ionique : ion 1-");
    row("_2RI_1_") << 12 << QStringLiteral("Rayon ionique :  ion 1+");
    row("_4RI_2_") << 12 << QStringLiteral("Rayon ionique :  ion 2+");
    row("_3RI_2_") << 12 << QStringLiteral("Rayon ionique : ion 2-");
    row("_5RI_3_") << 12 << QStringLiteral("Rayon ionique :  ion 3+");
    row("_6NO_TOTAL") << 36 << QStringLiteral("Nombres d'oxydation total");
    row("_7NO_COURA") << 21 << QStringLiteral("Nombre d'oxydation courant");
    row("_8NO_MAXC") << 14 << QStringLiteral("Nombre d'oxydation Max.courant");
    row("_9NO_MINC") << 14 << QStringLiteral("Nombre d'oxydation Min.courant");
    row("_0NO_MAX") << 13 << QStringLiteral("Nombre d'oxydation Max. connu");
    row("_1NO_MIN") << 13 << QStringLiteral("Nombre d'oxydation Min.connu");
    row("_2DERIV__C") << 29 << QStringLiteral("Dérivé binaire avec Cl");
    row("_3D_RIV__H") << 26 << QStringLiteral("Dérivé binaire avec H");
    row("_4D_RIV__O") << 31 << QStringLiteral("Dérivé binaire avec O");
    row("LIGNE") << 10 << QString();
    row("COLONNE") << 12 << QString();
    row("GROUPE") << 24 << QStringLiteral("Groupe");
    row("BLOC") << 9 << QStringLiteral("Blocs s/p/d/f");
    row("Acidbase") << 17 << QStringLiteral("Acide-Base");
    row("DECPAR") << 75 << QStringLiteral("Découvert par");
    row("LIEUDEC") << 24 << QStringLiteral("Lieu découverte");
    row("ORINOM") << 69 << QStringLiteral("origine du nom");
    row("NOMUK") << 17 << QString();
    row("NOMGER") << 11 << QString();
    row("TEXTEDEC") << 13 << QString();
    row("ABSOLEIL") << 13 << QStringLiteral("Abondance solaire");
    row("ABCROUTETERRE") << 18 << QStringLiteral("Abondance croute terrestre");
    row("ABCROUTECONT") << 17 << QStringLiteral("Abondance croute continentale");
    row("ABCROUTEOCEAN") << 18 << QStringLiteral("Abondance croute océanique");
    row("ABEAU") << 14 << QStringLiteral("Abondance eau de mer");
    row("ABATM") << 13 << QStringLiteral("Abondance atmosphere");
    row("ABBOIS") << 11 << QStringLiteral("Abondance bois");
    row("ABVIVANT") << 13 << QStringLiteral("Abondance organismes vivants");
}

void TestElementColumns::wordings()
{
    QFETCH(int, position);
    const QString field = QString::fromLatin1(QTest::currentDataTag());
    QCOMPARE(ElementColumns::indexOf(field), position);
    const ElementColumn &column = ElementColumns::column(static_cast<Column>(position));
    QCOMPARE(column.field, field);
    QTEST(column.size, "size");
    QTEST(column.listName, "wording");
}

void TestElementColumns::lookups()
{
    QCOMPARE(ElementColumns::indexOf("_81R__HCL"), 26);
    // Names are exact: the file's mixed case counts.
    QCOMPARE(ElementColumns::indexOf("acidbase"), -1);
    QCOMPARE(ElementColumns::indexOf("ABSENT"), -1);
    QVERIFY(!ElementColumns::byField("ABSENT"));
    const auto column = ElementColumns::byField("_TF");
    QVERIFY(column);
    QCOMPARE(column->id, Column::Tf);
    QVERIFY(!ElementTable::isNumeric("ABSENT"));
}

// The shipped file names exactly the table's columns, in the table's order.
void TestElementColumns::shippedNamesLine()
{
    QCOMPARE(m_fileNames, ElementColumns::fieldNames());
}

void TestElementColumns::shippedValues_data()
{
    QTest::addColumn<int>("index");
    for (const ElementColumn &column : ElementColumns::all())
        QTest::newRow(qPrintable(column.field)) << static_cast<int>(column.id);
}

// Per column of the shipped file: the number of gaps, the form of every value as its kind
// says, and the declared size equal to what the table computes (longest text + 5), so that
// no value is cut. A text column holds some value that is no number, or no value at all.
void TestElementColumns::shippedValues()
{
    QFETCH(int, index);
    const ElementColumn &column = ElementColumns::column(static_cast<Column>(index));
    QVERIFY(index < m_values.size());
    const QStringList &values = m_values[index];
    QCOMPARE(values.size(), 103);
    QCOMPARE(int(values.count(QString())), column.empties);
    QCOMPARE(m_computedSizes.value(index), column.size);

    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(,[0-9]+)?(E-?[0-9]+)?$"));
    static const QRegularExpression oxidation(QStringLiteral("^(0|[-+][1-9])( (0|[-+][1-9]))*$"));
    QStringList bad;
    bool someWord = false;
    for (int z = 1; z <= values.size(); ++z) {
        const QString &v = values[z - 1];
        if (v.isEmpty())
            continue;
        const bool isNumber = number.match(v).hasMatch() && Numbers::parseDecimal(v);
        someWord = someWord || !Numbers::parseDecimal(v);
        bool ok = true;
        if (column.kind == ColumnKind::Number)
            ok = isNumber;
        if (column.kind == ColumnKind::Year) {
            const auto year = Numbers::parseInteger(v);
            ok = (year && *year >= -5000 && *year <= 1961) ||
                 (v == u"Préhistoire" && (z == 6 || z == 16));
        }
        if (column.kind == ColumnKind::Oxidation)
            ok = oxidation.match(v).hasMatch();
        if (!ok)
            bad << QStringLiteral("%1:'%2'").arg(z).arg(v);
    }
    QVERIFY2(bad.isEmpty(), qPrintable(bad.join(u' ')));
    // A column without any value holds nothing that could be read as a number.
    if (column.empties == values.size())
        QCOMPARE(column.kind, ColumnKind::Text);
    else if (column.kind == ColumnKind::Text)
        QVERIFY2(someWord, "only numbers in a text column");
    // The table refuses a posted non-number exactly in the columns of numbers.
    QCOMPARE(ElementTable::isNumeric(column.field), column.kind == ColumnKind::Number);
}

// The file the maintainer scripts read: a heading, then one tab-separated line per column,
// blanks kept.
void TestElementColumns::toolsFile()
{
    const QList<QByteArray> lines = ElementColumns::toTsv().split('\n');
    QCOMPARE(lines.size(), ElementColumns::Count + 2);
    QCOMPARE(lines.first(), QByteArray("field\tsize\tkind\tempties\tunit\tlist"));
    QCOMPARE(lines[4], QByteArray("_M__AT\t11\tnumber\t0\tg/mol\tMasse Atomique "));
    QCOMPARE(lines[16],
             QString::fromUtf8("_7DECOUVER\t16\tyear\t0\t\tAnnée de la Découverte").toUtf8());
    QCOMPARE(lines[54], QByteArray("LIGNE\t10\tnumber\t0\t\t"));
    QVERIFY(lines.last().isEmpty());
}

void TestElementColumns::matchesRealRecords()
{
    TTextTable table;
    table.setFileName(QFINDTESTDATA("fixtures/carbon_iron.yop"));
    QVector<TTextTable::FieldDecl> declared;
    for (const ElementColumn &column : ElementColumns::all())
        declared.append({column.field, column.size});
    table.setDeclaredFields(declared);
    table.Open();
    QCOMPARE(table.FieldNames(), ElementColumns::fieldNames());
    QCOMPARE(table.RecordCount(), 2);
    QCOMPARE(table.FieldText("_7DECOUVER"), QString::fromUtf16(u"Préhistoire"));
    QVERIFY(!Numbers::parseInteger(table.FieldText("_7DECOUVER")));
    QCOMPARE(table.FieldValue("_3H_FUS"), std::nullopt);
    QCOMPARE(*Numbers::parseDecimal(table.FieldText("_M__AT")), 12.01);
    table.Next();
    QCOMPARE(table.FieldText("_SYMBOLE"), QStringLiteral("Fe"));
    QCOMPARE(*Numbers::parseInteger(table.FieldText("_7DECOUVER")), -2500);
    QCOMPARE(table.FieldText("_9R__HNO3"), QStringLiteral("passivation"));
}

QTEST_GUILESS_MAIN(TestElementColumns)
#include "tst_elementcolumns.moc"
