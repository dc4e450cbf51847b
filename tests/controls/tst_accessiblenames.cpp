// The names a screen reader speaks for boxes known by the label beside them.
#include "controls/AccessibleNames.h"

#include <QtTest>

class TestAccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void fromCaption_data();
    void fromCaption();
    void withUnit_data();
    void withUnit();
};

void TestAccessibleNames::fromCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("colon lined up by blanks") << "Masse Atomique (g/mol)                  :"
                                              << "Masse Atomique (g/mol)";
    QTest::newRow("colon against the text") << "Point de Fusion (K):"
                                            << "Point de Fusion (K)";
    QTest::newRow("inner runs of blanks") << "Nombre d'Isotopes  :"
                                          << "Nombre d'Isotopes";
    QTest::newRow("trailing blank") << "% massique : "
                                    << "% massique";
    QTest::newRow("lower-case start") << "element precedent"
                                      << "Element precedent";
    QTest::newRow("colon inside kept") << "Rayon ionique : ion 1-"
                                       << "Rayon ionique : ion 1-";
    QTest::newRow("blank only") << "   "
                                << "";
}

void TestAccessibleNames::fromCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);
    QCOMPARE(AccessibleNames::fromCaption(caption), name);
}

void TestAccessibleNames::withUnit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("name");
    QTest::newRow("unit") << "Tfus :"
                          << "(K)"
                          << "Tfus (K)";
    QTest::newRow("no unit") << "E.N. :"
                             << ""
                             << "E.N.";
}

void TestAccessibleNames::withUnit()
{
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    QFETCH(QString, name);
    QCOMPARE(AccessibleNames::withUnit(caption, unit), name);
}

QTEST_GUILESS_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
