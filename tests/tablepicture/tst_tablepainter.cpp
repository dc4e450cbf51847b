// The caption colours of the table, on the screen as on paper.
#include "tablepicture/CaptionInk.h"

#include <QtTest>

class TestTablePainter : public QObject
{
    Q_OBJECT

private slots:
    void captionStandsOut_data();
    void captionStandsOut();
};

void TestTablePainter::captionStandsOut_data()
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
    QTest::newRow("white on the lightest white-captioned grey, 2.5: black")
        << QColor(0xA4A4A4) << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("white on grey 118, 4.54: kept")
        << QColor(0x767676) << QColor(Qt::white) << QColor(Qt::white);
    QTest::newRow("white on grey 119, 4.48: black")
        << QColor(0x777777) << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("black on grey 128, 5.3: kept")
        << QColor(0x808080) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("black on the strong base's blue, 4.65: kept")
        << QColor(0x166DFE) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("black on yellow: kept")
        << QColor(0xFFFF80) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("white on grey 200, 1.7: black")
        << QColor(0xC8C8C8) << QColor(Qt::white) << QColor(Qt::black);
}

// A caption keeps the button's colour unless it cannot be read on the fill.
void TestTablePainter::captionStandsOut()
{
    QFETCH(QColor, fill);
    QFETCH(QColor, caption);
    QFETCH(QColor, drawn);
    QCOMPARE(CaptionInk::legible(fill, caption), drawn);
}

QTEST_APPLESS_MAIN(TestTablePainter)
#include "tst_tablepainter.moc"
