// Cells of the shipped element table that were once wrong or out of date, as the references
// give them now, each row with its source; and the structure lines worded as the structure
// column. A cell that slips back to an older value, or a prediction put in place of a
// measurement, fails here.
#include "data/ElementTable.h"
#include "data/SectionFile.h"
#include "data/TTextTable.h"

#include <QtTest>

namespace {

QString sharePath(const char *file)
{
    return QStringLiteral(MIRELON_SHARE_DIR "/") + QString::fromLatin1(file);
}

struct Cell
{
    int z;
    const char *field;
    const char *expected; // UTF-8, as the file holds it once decoded
};

// eV are converted with 1 eV = 96,485 kJ/mol and rounded to the table's precision.
// NIST ASD: Kramida, Ralchenko, Reader and the NIST ASD Team, NIST Atomic Spectra Database
// (version 5.11, 2023), ionization energies.
// clang-format off
const Cell kCorrected[] = {
    // Second ionisation energies, kJ/mol (NIST ASD).
    {75, "_9E_2EME_I", "1602"},   {74, "_9E_2EME_I", "1579"},   {73, "_9E_2EME_I", "1563"},
    {72, "_9E_2EME_I", "1410"},   {71, "_9E_2EME_I", "1363"},   {79, "_9E_2EME_I", "1949"},
    {57, "_9E_2EME_I", "1079"},   {54, "_9E_2EME_I", "2023,8"},
    {88, "_9E_2EME_I", "979,1"},  // Ra II 10,147 eV, from the Ra II spectrum (NIST ASD)
    // Third ionisation energies, kJ/mol (NIST ASD).
    {53, "_0E_3EME_I", "2853"},   {55, "_0E_3EME_I", "3203"},   {56, "_0E_3EME_I", "3458"},
    {54, "_0E_3EME_I", "2996"},   {72, "_0E_3EME_I", "2176"},   {35, "_0E_3EME_I", "3365"},
    {36, "_0E_3EME_I", "3458"},   {34, "_0E_3EME_I", "3058"},   {37, "_0E_3EME_I", "3787"},
    // First ionisation energies, kJ/mol (NIST ASD; No: Chhetri et al., Phys. Rev. Lett. 120
    // (2018) 263003, 6,62621 eV from its Rydberg series, where the older 6,65 eV was an
    // estimate; Lr: Sato et al., Nature 520 (2015) 209, 4,96 eV measured by surface
    // ionisation).
    {89, "_8E_1ERE_I", "519,1"},  {43, "_8E_1ERE_I", "686,9"},  {99, "_8E_1ERE_I", "614,4"},
    {102, "_8E_1ERE_I", "639,3"}, {103, "_8E_1ERE_I", "478,6"},
    // Electron affinities, kJ/mol, from photodetachment measurements: Re 0,0604 eV (Chen and
    // Ning, J. Phys. Chem. Lett. 8 (2017)), Ga 0,3012 eV (Gibson, Walter et al., Phys. Rev. A
    // 100 (2019)), Tl 0,3201 eV (Walter, Gibson et al., Phys. Rev. A, 2020).
    {75, "_4AE", "5,8"},          {31, "_4AE", "29,1"},         {81, "_4AE", "30,9"},
    // Measured, kept against larger computed values: Th 0,608 eV (Tang et al., Phys. Rev.
    // Lett. 2017), U 0,309 eV (Ciborowski et al., J. Chem. Phys. 154 (2021) 224307).
    {90, "_4AE", "58,6"},         {92, "_4AE", "29,8"},
    // Lawrencium: mass number of its longest-lived isotope, 266Lr (NUBASE2020).
    {103, "_M__AT", "266"},
    // Densities of the alpha metals from their lattices, kg/L (CRC Handbook, 97th ed.).
    {97, "_M__VOL", "14,78"},     {98, "_M__VOL", "15,1"},
    // Boiling point of curium, K (CRC Handbook, 97th ed.; bodr).
    {96, "_TEB", "3383"},
    // Crustal abundance of bismuth, ppm (CRC Handbook, "Abundance of elements in the
    // earth's crust and in the sea": 8,5E-3 mg/kg), as the terrestrial log -2,1 says.
    {83, "ABCROUTETERRE", "0,0085"},
    // Nobelium, credited to Dubna's 1966 work by the IUPAC/IUPAP Transfermium Working Group
    // (Pure Appl. Chem. 65 (1993) 1757).
    {102, "_7DECOUVER", "1966"},  {102, "LIEUDEC", "(URSS)"},
    {102, "DECPAR", "Équipe de Gueorgui Flerov (E. Donets, V. Chtchegolev, V. Ermakov)"},
    // Gadolinium is named after the mineral gadolinite, itself named after Johan Gadolin
    // (Emsley, The Elements; Greenwood and Earnshaw).
    {64, "ORINOM", "minéral gadolinite (nommé d'après le chimiste Johan Gadolin)"},
    // French wording.
    {61, "_3APPL", "batteries nucléaires, peintures luminescentes"},
    {32, "_1COULEUR", "gris-blanc"},
    {9, "_3APPL", "UF6, fluoration, Téflon (PTFE), dentifrices"},
    {61, "LIEUDEC", "(États-Unis)"}, {103, "LIEUDEC", "(États-Unis)"},
    {97, "ORINOM", "LIEU: Berkeley(Californie, États-Unis)"},
};
// clang-format on

} // namespace

class TestCorrections : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cells_data();
    void cells();
    void structureWording();

private:
    QString text(int z, const char *field) const;

    TTextTable m_table;
};

QString TestCorrections::text(int z, const char *field) const
{
    const int column = m_table.FieldNames().indexOf(QString::fromLatin1(field));
    return column < 0 ? QStringLiteral("<no column>") : m_table.RecordText(z - 1, column);
}

void TestCorrections::initTestCase()
{
    m_table.setDivChar(u';');
    m_table.setSepChar(u'"');
    m_table.setWinText(true);
    m_table.setFileName(sharePath("prop.yop"));
    m_table.Open();
    QVERIFY2(m_table.Active(), "prop.yop did not open");
    QCOMPARE(m_table.RecordCount(), ElementTable::ElementCount);
}

void TestCorrections::cells_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    for (const Cell &cell : kCorrected)
        QTest::addRow("%d %s", cell.z, cell.field)
            << cell.z << QString::fromLatin1(cell.field) << QString::fromUtf8(cell.expected);
}

void TestCorrections::cells()
{
    QFETCH(int, z);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(text(z, field.toLatin1().constData()), expected);
}

// The structure lines name a double hexagonal close packing in the structure column's words.
void TestCorrections::structureWording()
{
    int seen = 0;
    for (int z = 1; z <= ElementTable::ElementCount; ++z) {
        const SectionFile::Section section =
            SectionFile::readFile(sharePath("struct.yop"), QString::number(z));
        QVERIFY2(section.found, qPrintable(QString::number(z)));
        for (const QString &line : section.lines)
            QVERIFY2(!line.contains(QStringLiteral("double compact"), Qt::CaseInsensitive),
                     qPrintable(line));
        if (text(z, "_9STRUCTUR") != u"Hexagonal compact double")
            continue;
        ++seen;
        QVERIFY(!section.lines.isEmpty());
        QCOMPARE(section.lines.first(), QStringLiteral("Hexagonal compact double (dhc)"));
    }
    QVERIFY(seen > 0);
}

QTEST_GUILESS_MAIN(TestCorrections)
#include "tst_corrections.moc"
