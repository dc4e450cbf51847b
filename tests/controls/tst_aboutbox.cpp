// The About box: its fixed texts and places, OK, and the mail link.
#include "controls/Fonts.h"
#include "controls/TAboutBox.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

// Stands in for the desktop's mail program.
class MailCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void layoutAndTexts_data();
    void layoutAndTexts();
    void productNameLinesAreCentred();
    void windowIsFixedAndSilver();
    void okAndEnterClose_data();
    void okAndEnterClose();
    void addressOpensMailLinkAndStaysOpen();
};

void TestAboutBox::layoutAndTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("ProductName") << "ProductName" << QRect(73, 16, 188, 39)
                                 << QStringLiteral("MIRELON 2\nTableau périodique des élements\n"
                                                   "Proprietés des corps simples");
    QTest::newRow("Label3") << "Label3" << QRect(9, 80, 316, 13) << QString();
    QTest::newRow("statictext1") << "statictext1" << QRect(105, 120, 134, 17)
                                 << TAboutBox::contactAddress();
}

void TestAboutBox::layoutAndTexts()
{
    QFETCH(QString, name);
    TAboutBox box;
    auto *label = box.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(label->parentWidget()->geometry(), QRect(8, 8, 337, 161));
    QTEST(label->geometry(), "geometry");
    QTEST(label->text(), "text");
}

void TestAboutBox::productNameLinesAreCentred()
{
    installFontSubstitutions();
    TAboutBox box;
    auto *label = box.findChild<QLabel *>(QStringLiteral("ProductName"));
    const QImage shot = label->grab().toImage();
    const int lineHeight = label->fontMetrics().lineSpacing();
    // The dark pixels of each line as drawn, against the label's middle.
    for (int line = 0; line < 3; ++line) {
        int left = shot.width();
        int right = -1;
        for (int y = line * lineHeight; y < std::min(shot.height(), (line + 1) * lineHeight); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qGray(shot.pixel(x, y)) < 96) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY2(right > left, qPrintable(QStringLiteral("line %1 not drawn").arg(line + 1)));
        const double offset = (left + right + 1) / 2.0 - shot.width() / 2.0;
        QVERIFY2(
            std::abs(offset) <= 1.5,
            qPrintable(QStringLiteral("line %1 is %2 px off centre").arg(line + 1).arg(offset)));
    }
}

void TestAboutBox::windowIsFixedAndSilver()
{
    TAboutBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About"));
    QCOMPARE(box.size(), QSize(353, 212));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(box.isModal());
    QCOMPARE(box.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    auto *ok = box.findChild<QPushButton *>(QStringLiteral("OKButton"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(135, 180, 75, 25));
    QVERIFY(ok->isDefault());
    auto *link = box.findChild<QLabel *>(QStringLiteral("statictext1"));
    QCOMPARE(link->toolTip(), QStringLiteral("Cliquez pour m'envoyer un message"));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->font().bold() && link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0x00));
}

void TestAboutBox::okAndEnterClose_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("OK clicked") << false;
    QTest::newRow("Enter pressed") << true;
}

void TestAboutBox::okAndEnterClose()
{
    QFETCH(bool, byEnter);
    TAboutBox box;
    QTimer::singleShot(0, &box, [&] {
        QTRY_VERIFY(box.isVisible());
        if (byEnter)
            QTest::keyClick(&box, Qt::Key_Return);
        else
            QTest::mouseClick(box.findChild<QPushButton *>(QStringLiteral("OKButton")),
                              Qt::LeftButton);
    });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(!box.isVisible());
}

void TestAboutBox::addressOpensMailLinkAndStaysOpen()
{
    MailCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.findChild<QLabel *>(QStringLiteral("statictext1")), Qt::LeftButton);
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.first(), QUrl(QStringLiteral("mailto:") + TAboutBox::contactAddress()));
    QVERIFY(box.isVisible());
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
