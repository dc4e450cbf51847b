#pragma once

// Answers the message boxes that an action of the program opens, for the GUI tests.
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>

// Runs `action`, accepting every message box it opens (each runs its own event loop, so a
// timer inside that loop answers it), and gives their texts in order.
inline QStringList messageBoxesDuring(const std::function<void()> &action)
{
    QStringList texts;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&texts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->accept();
        }
    });
    answer.start(10);
    action();
    // A box may have been queued for when the action's handler has returned.
    QTest::qWait(30);
    return texts;
}
