// The application's last line of defence: an exception thrown by a handler is shown in
// a message box and the program goes on.
#include "table/MirelonApplication.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

namespace {

// A receiver whose handler fails half-way, as a handler of the program could without its
// guard. The failure comes from a posted event: unwound through the delivery of a mouse
// event, it would skip the clean-up of Qt's own frames and leak, which is why the
// program's handlers catch their failures themselves and this handler is the last resort.
class FailingReceiver : public QObject
{
public:
    static constexpr QEvent::Type Poke = QEvent::User;
    int pokes = 0;
    int handled = 0;

    bool event(QEvent *event) override
    {
        if (event->type() != Poke)
            return QObject::event(event);
        ++pokes;
        if (pokes == 1)
            throw std::runtime_error("'abc' is not a valid floating point value");
        ++handled;
        return true;
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
    FailingReceiver receiver;
    QString shownTitle;
    QString shownText;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownTitle = box->windowTitle();
            shownText = box->text();
            box->accept();
        }
    });
    answerer.start(10);
    QCoreApplication::postEvent(&receiver, new QEvent(FailingReceiver::Poke));
    QTRY_COMPARE(shownText, QStringLiteral("'abc' is not a valid floating point value"));
    QCOMPARE(shownTitle, QStringLiteral("mirelon II"));
    QCOMPARE(receiver.handled, 0);
    // The program goes on: the next event is handled normally.
    QCoreApplication::postEvent(&receiver, new QEvent(FailingReceiver::Poke));
    QTRY_COMPARE(receiver.handled, 1);
    QCOMPARE(receiver.pokes, 2);
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
