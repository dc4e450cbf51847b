#pragma once

// Answers the message boxes that an action of the program opens, for the GUI tests.
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>

// Accepts every message box that shows while it lives, keeping their texts in order. Each
// box runs its own event loop, so a timer inside that loop answers it.
class MessageBoxAnswerer
{
public:
    explicit MessageBoxAnswerer(int interval)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start(interval);
    }

    QStringList texts;

private:
    QTimer m_timer;
};

// Waits for a message box, takes its text and closes it; an empty text when no box
// appeared within `timeout` ms.
inline QString takeMessageBox(int timeout = 3000)
{
    MessageBoxAnswerer answerer(20);
    if (!QTest::qWaitFor([&] { return !answerer.texts.isEmpty(); }, timeout))
        return {};
    return answerer.texts.first();
}

// Runs `action`, accepting every message box it opens, and gives their texts in order.
inline QStringList messageBoxesDuring(const std::function<void()> &action)
{
    MessageBoxAnswerer answerer(10);
    action();
    // A box may have been queued for when the action's handler has returned. A call queued
    // the same way now runs after it, within the box's own event loop, so it has been
    // answered once that call has run and the loop has returned.
    bool caughtUp = false;
    QTimer::singleShot(0, qApp, [&caughtUp] { caughtUp = true; });
    if (!QTest::qWaitFor([&caughtUp] { return caughtUp; }))
        answerer.texts << QStringLiteral("(the event loop never caught up)");
    return answerer.texts;
}
