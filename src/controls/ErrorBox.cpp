#include "controls/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <new>

void showErrorBox(const QString &message, QWidget *parent)
{
    QMessageBox::critical(parent ? parent : QApplication::activeWindow(), programTitle(), message);
}

QString programTitle()
{
    return QStringLiteral("mirelon II");
}

QString currentErrorMessage()
{
    try {
        throw;
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Mémoire insuffisante.");
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("Erreur inconnue");
    }
}
