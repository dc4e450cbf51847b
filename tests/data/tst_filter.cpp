// The filter language: what it accepts, what each expression selects, and its error messages.
#include "Thrown.h"
#include "data/Errors.h"
#include "data/FilterExpression.h"

#include <QtTest>

class TestFilter : public QObject
{
    Q_OBJECT
private slots:
    void evaluation_data();
    void evaluation();
    void errors_data();
    void errors();
    void fieldNames();
};

void TestFilter::evaluation_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("holds");
    // Evaluated on the record NOM='Fer', NO='26', MASSE='55,85', VIDE=''.
    QTest::newRow("text equal") << "NOM = 'Fer'" << true;
    QTest::newRow("text differs by case") << "NOM = 'fer'" << false;
    QTest::newRow("keywords in any case") << "nom = 'Fer' and NOT no <> 26" << true;
    QTest::newRow("number against decimal comma text") << "MASSE > 55.8" << true;
    QTest::newRow("number order") << "NO >= 27" << false;
    QTest::newRow("negative number") << "NO > -3" << true;
    QTest::newRow("text order") << "NOM < 'Fes'" << true;
    QTest::newRow("word is no number") << "NOM > 3" << false;
    QTest::newRow("empty field is null") << "VIDE = NULL" << true;
    QTest::newRow("null is not ordered") << "VIDE < 'z'" << false;
    QTest::newRow("filled field is not null") << "NOM <> NULL" << true;
    QTest::newRow("AND binds tighter than OR") << "NO = 1 AND NO = 2 OR NOM = 'Fer'" << true;
    QTest::newRow("parentheses") << "NO = 1 AND (NO = 2 OR NOM = 'Fer')" << false;
    QTest::newRow("NOT binds tighter than AND") << "NOT NO = 1 AND NOM = 'Fer'" << true;
    QTest::newRow("bracketed name") << "[NOM] = 'Fer'" << true;
    QTest::newRow("doubled single quote") << "NOM <> 'l''air'" << true;
    QTest::newRow("true constant") << "True" << true;
    QTest::newRow("false constant") << "FALSE OR NO = 26" << true;
    QTest::newRow("empty expression") << "  " << true;
}

void TestFilter::evaluation()
{
    QFETCH(QString, expression);
    QFETCH(bool, holds);
    const QHash<QString, QString> record{
        {"NOM", "Fer"}, {"NO", "26"}, {"MASSE", "55,85"}, {"VIDE", ""}};
    const FilterExpression filter(expression);
    const auto field = [&](const QString &name) { return record.value(name.toUpper()); };
    QCOMPARE(filter.Evaluate(field), holds);
}

void TestFilter::errors_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("message");
    QTest::newRow("two comparisons") << "A = 1 = 2"
                                     << "Filter expression incorrectly terminated";
    QTest::newRow("stray parenthesis") << "A = 1)"
                                       << "Filter expression incorrectly terminated";
    QTest::newRow("missing operand") << "A ="
                                     << "Expression expected but nothing found";
    QTest::newRow("operator as operand") << "A = AND"
                                         << "Expression expected but AND found";
    QTest::newRow("unclosed parenthesis") << "(A = 1"
                                          << "')' expected but nothing found";
    QTest::newRow("word after group") << "(A = 1 B"
                                      << "')' expected but B found";
    QTest::newRow("unterminated string") << "A = 'abc"
                                         << "Unterminated string constant";
    QTest::newRow("unterminated field") << "[A = 1"
                                        << "Unterminated field name";
    QTest::newRow("bad character") << "A = 1 & B"
                                   << "Invalid filter expression character: '&'";
    QTest::newRow("decimal comma") << "A = 1,5"
                                   << "Invalid filter expression character: ','";
}

void TestFilter::errors()
{
    QFETCH(QString, expression);
    QFETCH(QString, message);
    QCOMPARE(thrownMessage<EDatabaseError>([&] { FilterExpression filter(expression); }), message);
}

void TestFilter::fieldNames()
{
    const FilterExpression filter("[Nom du champ] = 'x' OR _NO_AT > 3 AND NOT Acidbase = NULL");
    QCOMPARE(filter.FieldNames(), (QStringList{"Nom du champ", "_NO_AT", "Acidbase"}));
}

QTEST_GUILESS_MAIN(TestFilter)
#include "tst_filter.moc"
