#pragma once

#include <QString>

#include <utility>

class QWidget;

// The program's error box: the message under the program's name, with an OK button,
// over `parent` (by default the active window).
void showErrorBox(const QString &message, QWidget *parent = nullptr);

// The program's name as its message boxes show it.
QString programTitle();

// The text the program shows for the exception being handled: the error's own message
// (the program's errors carry theirs in UTF-8), "Mémoire insuffisante." when memory ran
// out, "Erreur inconnue" for what is no std::exception. Only inside a catch block.
QString currentErrorMessage();

// Runs the work of an event or signal handler so that no exception leaves it: unwound
// through Qt's event delivery, one would skip the clean-up of Qt's own frames and leave
// widgets half changed. A failure is shown in the error box over `over` (the active window
// when null), in the words the application's last-resort handler would use; the work stops
// where it failed. True when the work ran to its end.
template <class Work> bool guarded(QWidget *over, Work &&work)
{
    try {
        std::forward<Work>(work)();
        return true;
    } catch (...) {
        showErrorBox(currentErrorMessage(), over);
        return false;
    }
}
