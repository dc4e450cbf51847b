#pragma once

#include <QString>

class QWidget;

// The program's error box: the message under the program's name, with an OK button,
// over `parent` (by default the active window).
void showErrorBox(const QString &message, QWidget *parent = nullptr);

// The program's name as its message boxes show it.
QString programTitle();
