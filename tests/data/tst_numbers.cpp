// Number texts with the decimal comma, read and written the same under the C and the French
// locale.
#include "data/Numbers.h"

#include <QtTest>
#include <clocale>
#include <limits>

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data();
    void init();
    void cleanupTestCase();
    void decimals_data();
    void decimals();
    void integers_data();
    void integers();
    void general_data();
    void general();
};

void TestNumbers::initTestCase_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("French") << "fr_FR";
}

void TestNumbers::init()
{
    QFETCH_GLOBAL(QString, locale);
    QLocale::setDefault(QLocale(locale));
    // The C library may lack the French locale; the Qt default still changes.
    std::setlocale(LC_ALL, locale == u"C" ? "C" : "fr_FR.UTF-8");
}

void TestNumbers::cleanupTestCase()
{
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
}

void TestNumbers::decimals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "1,01" << true << 1.01;
    QTest::newRow("negative") << "-0,74" << true << -0.74;
    QTest::newRow("integer") << "5930" << true << 5930.0;
    QTest::newRow("exponent") << "4,00E-08" << true << 4e-8;
    QTest::newRow("small e") << "1,5e3" << true << 1500.0;
    QTest::newRow("plus sign") << "+2" << true << 2.0;
    QTest::newRow("blanks around") << " 3,5 " << true << 3.5;
    QTest::newRow("bare comma part") << ",5" << true << 0.5;
    QTest::newRow("decimal point") << "1.01" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("word") << QString::fromUtf16(u"Préhistoire") << false << 0.0;
    QTest::newRow("no-break space") << QString::fromUtf16(u"\u00A01,5") << false << 0.0;
    QTest::newRow("exponent without digits") << "1E" << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("thousands separator") << "1 000" << false << 0.0;
    QTest::newRow("out of range") << "1E999" << false << 0.0;
}

void TestNumbers::decimals()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = Numbers::parseDecimal(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestNumbers::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("year") << "1961" << true << 1961;
    QTest::newRow("before the era") << "-5000" << true << -5000;
    QTest::newRow("signed") << "+4" << true << 4;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("too large") << "2147483648" << false << 0;
    QTest::newRow("decimal") << "3,5" << false << 0;
    QTest::newRow("word") << QString::fromUtf16(u"Préhistoire") << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
}

void TestNumbers::integers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<int> parsed = Numbers::parseInteger(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestNumbers::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("carbon mass") << 12.0107 << 6 << "12,0107";
    QTest::newRow("rounded to 6") << 180.15588 << 6 << "180,156";
    QTest::newRow("trailing zeros dropped") << 2.50 << 6 << "2,5";
    QTest::newRow("bare comma dropped") << 18.0 << 6 << "18";
    QTest::newRow("Celsius of 298 K") << 298 - 273.15 << 15 << "24,85";
    QTest::newRow("Fahrenheit of 298 K") << (298 - 273.15) * 9 / 5 + 32 << 15 << "76,73";
    QTest::newRow("four digits") << 40.078 << 4 << "40,08";
    QTest::newRow("negative") << -0.74 << 6 << "-0,74";
    QTest::newRow("smallest plain") << 0.00001 << 6 << "0,00001";
    QTest::newRow("below plain range") << 0.000001 << 6 << "1E-6";
    QTest::newRow("small with digits") << 0.0000015 << 6 << "1,5E-6";
    QTest::newRow("small but plain") << 0.000015 << 6 << "0,000015";
    QTest::newRow("integer digits fit") << 123456.0 << 6 << "123456";
    QTest::newRow("too many integer digits") << 1234567.0 << 6 << "1,23457E6";
    QTest::newRow("rounding carries") << 999999.7 << 6 << "1E6";
    QTest::newRow("four digit overflow") << 12346.0 << 4 << "1,235E4";
    QTest::newRow("zero") << 0.0 << 6 << "0";
    QTest::newRow("ratio") << 2.0 / 3.0 << 4 << "0,6667";
    const double largest = std::numeric_limits<double>::max();
    QTest::newRow("largest, cut not rounded up") << largest << 4 << "1,797E308";
    QTest::newRow("most negative, cut") << -largest << 15 << "-1,79769313486231E308";
}

void TestNumbers::general()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QCOMPARE(Numbers::formatGeneral(value, digits), text);
    // What is written reads back to the rounded value.
    const std::optional<double> back = Numbers::parseDecimal(text);
    QVERIFY(back);
    QVERIFY(qAbs(*back - value) <= qAbs(value) * std::pow(10.0, 1 - digits));
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
