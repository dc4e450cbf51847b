#pragma once

// Plays the user in the program's picture save dialog, for the GUI tests: what it showed
// when it opened, the questions it asked, and whether it stayed open.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

struct SaveDialogPlay
{
    QString typed; // into the name box, then Return; empty: cancel the dialog
    int type = -1; // the entry picked in the list of types; -1 leaves the one shown
    QMessageBox::StandardButton answer = QMessageBox::Yes; // to a question
};

struct SaveDialogSeen
{
    bool opened = false;
    QString folder;          // where the dialog opened
    QStringList types;       // the entries of its list of types
    int type = -1;           // the entry it showed
    QString name;            // the name it offered
    QStringList asked;       // the questions asked after Return
    bool stayedOpen = false; // after Return and the answers; then it was cancelled
};

// Runs `open`, which shows the dialog modally, and plays `play` in it.
inline SaveDialogSeen playSaveDialog(const std::function<void()> &open, const SaveDialogPlay &play)
{
    SaveDialogSeen seen;
    QTimer answerer; // each question runs its own event loop inside the dialog's
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen.asked << box->text();
            // A message with no such answer (a refusal) is closed with its only button.
            if (QAbstractButton *button = box->button(play.answer))
                button->click();
            else
                box->accept();
        }
    });
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        seen.opened = true;
        seen.folder = dialog->directory().absolutePath();
        for (int i = 0; i < types->count(); ++i)
            seen.types << types->itemText(i);
        seen.type = types->currentIndex();
        seen.name = edit->text();
        if (play.typed.isEmpty()) {
            dialog->reject();
            return;
        }
        types->setFocus();
        while (play.type >= 0 && types->currentIndex() != play.type)
            QTest::keyClick(types, types->currentIndex() < play.type ? Qt::Key_Down : Qt::Key_Up);
        edit->setText(play.typed);
        answerer.start(10);
        QTest::keyClick(edit, Qt::Key_Return);
        answerer.stop();
        seen.stayedOpen = dialog->isVisible();
        if (seen.stayedOpen)
            dialog->reject();
    });
    open();
    return seen;
}
