// The application's last line of defence: an exception thrown by a handler is shown in
// a message box and the program goes on.
#include "table/MirelonApplication.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

namespace {

// A button whose click handler fails half-way, as a handler of the program can.
class FailingButton : public QPushButton
{
public:
    int clicks = 0;
    void mousePressEvent(QMouseEvent *event) override
    {
        ++clicks;
        if (clicks == 1)
            throw std::runtime_error("'abc' is not a valid floating point value");
        QPushButton::mousePressEvent(event);
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void exceptionInHandlerIsShownAndProgramGoesOn();
    void frenchTranslationIsLoaded();
    void desktopFileNameNamesTheBuiltMetadata();
};

void TestApplication::exceptionInHandlerIsShownAndProgramGoesOn()
{
    FailingButton button;
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QString shownTitle;
    QString shownText;
    QTimer::singleShot(0, &button, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shownTitle = box->windowTitle();
        shownText = box->text();
        box->accept();
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(shownText, QStringLiteral("'abc' is not a valid floating point value"));
    QCOMPARE(shownTitle, QStringLiteral("mirelon II"));
    // The program goes on: the next click is handled normally.
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(button.clicks, 2);
    QCOMPARE(clicked.count(), 1);
}

void TestApplication::frenchTranslationIsLoaded()
{
    auto *app = static_cast<MirelonApplication *>(QCoreApplication::instance());
    app->installFrenchTranslation();
    // Qt's own dialog buttons now speak French.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
}

void TestApplication::desktopFileNameNamesTheBuiltMetadata()
{
    // A Wayland desktop ties a window to its menu entry and icon by this name; the
    // build writes the desktop metadata under the name the desktop files carry.
    const QString name = QGuiApplication::desktopFileName();
    QVERIFY2(!name.isEmpty(), "the program gives the desktop no file name");
    const QString metainfo = QStringLiteral(MIRELON_BINARY_DIR "/dist/%1.metainfo.xml").arg(name);
    QVERIFY2(QFileInfo::exists(metainfo), qPrintable(metainfo + " was not built"));
}

int main(int argc, char *argv[])
{
    MirelonApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
