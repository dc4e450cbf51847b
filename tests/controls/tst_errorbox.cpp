// The handlers' guard: a failure inside a handler is shown once, in the program's error box
// and in the words of the application's last resort, and never leaves the handler.
#include "controls/ErrorBox.h"
#include "data/Errors.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

using Work = std::function<void()>;

// A box as the user saw it.
struct Shown
{
    QString title;
    QString text;
    QWidget *over = nullptr;
};

// Accepts every message box that shows during `action`, keeping what each showed.
QList<Shown> boxesDuring(const std::function<void()> &action)
{
    QList<Shown> shown;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown.append({box->windowTitle(), box->text(), box->parentWidget()});
            box->accept();
        }
    });
    answerer.start(10);
    action();
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Work)

class TestErrorBox : public QObject
{
    Q_OBJECT

private slots:
    void failureIsShownOnceAndStaysInTheHandler_data();
    void failureIsShownOnceAndStaysInTheHandler();
    void workThatEndsShowsNothing();
};

void TestErrorBox::failureIsShownOnceAndStaysInTheHandler_data()
{
    QTest::addColumn<Work>("work");
    QTest::addColumn<QString>("message");
    QTest::newRow("conversion error")
        << Work([] { throw EConvertError(QStringLiteral("'abc' is not a valid integer value")); })
        << "'abc' is not a valid integer value";
    QTest::newRow("accented message")
        << Work([] { throw MirelonError(QStringLiteral("Division par zéro")); })
        << "Division par zéro";
    QTest::newRow("memory ran out")
        << Work([] { throw std::bad_alloc(); }) << "Mémoire insuffisante.";
    QTest::newRow("library error")
        << Work([] { throw std::out_of_range("vector::_M_range_check"); })
        << "vector::_M_range_check";
    QTest::newRow("no exception class") << Work([] { throw 42; }) << "Erreur inconnue";
}

void TestErrorBox::failureIsShownOnceAndStaysInTheHandler()
{
    QFETCH(Work, work);
    QFETCH(QString, message);
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("OK"), &window);
    int ended = 0;
    int handled = 0;
    // A handler that goes on after its guarded work: reached only when nothing left the guard.
    QObject::connect(button, &QPushButton::clicked, &window, [&] {
        ended += guarded(&window, work);
        ++handled;
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int click = 1; click <= 2; ++click) {
        const QList<Shown> shown = boxesDuring([&] { QTest::mouseClick(button, Qt::LeftButton); });
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].title, QStringLiteral("mirelon II"));
        QCOMPARE(shown[0].over, &window);
        // The handler ran on; a second click is handled as the first.
        QCOMPARE(handled, click);
    }
    QCOMPARE(ended, 0);
}

void TestErrorBox::workThatEndsShowsNothing()
{
    int runs = 0;
    bool ended = false;
    // A box would be shown, and answered, before the guard returns.
    const QList<Shown> shown = boxesDuring([&] { ended = guarded(nullptr, [&] { ++runs; }); });
    QVERIFY(shown.isEmpty());
    QVERIFY(ended);
    QCOMPARE(runs, 1);
}

QTEST_MAIN(TestErrorBox)
#include "tst_errorbox.moc"
