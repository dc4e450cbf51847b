#include "controls/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

void showErrorBox(const QString &message, QWidget *parent)
{
    QMessageBox::critical(parent ? parent : QApplication::activeWindow(), programTitle(), message);
}

QString programTitle()
{
    return QStringLiteral("mirelon II");
}
