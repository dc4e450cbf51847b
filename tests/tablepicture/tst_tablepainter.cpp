// The caption colours of the table on paper.
#include "tablepicture/TablePainter.h"

#include <QtTest>

class TestTablePainter : public QObject
{
    Q_OBJECT

private slots:
    void captionOnPaper_data();
    void captionOnPaper();
};

void TestTablePainter::captionOnPaper_data()
{
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("caption");
    QTest::addColumn<QColor>("drawn");
    // Contrast ratios worked out by hand from the sRGB luminances.
    QTest::newRow("black on navy, 1.3: white")
        << QColor(0x000080) << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("black on black: white")
        << QColor(Qt::black) << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("white on white: black")
        << QColor(Qt::white) << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("white on the lightest white-captioned grey, 2.5: kept")
        << QColor(0xA4A4A4) << QColor(Qt::white) << QColor(Qt::white);
    QTest::newRow("black on grey 128, 5.3: kept")
        << QColor(0x808080) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("black on yellow: kept")
        << QColor(0xFFFF80) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("white on grey 200, 1.7: black")
        << QColor(0xC8C8C8) << QColor(Qt::white) << QColor(Qt::black);
}

// A caption keeps the button's colour unless it nearly vanishes on the fill.
void TestTablePainter::captionOnPaper()
{
    QFETCH(QColor, fill);
    QFETCH(QColor, caption);
    QFETCH(QColor, drawn);
    QCOMPARE(TablePainter::legibleCaption(fill, caption), drawn);
}

QTEST_APPLESS_MAIN(TestTablePainter)
#include "tst_tablepainter.moc"
