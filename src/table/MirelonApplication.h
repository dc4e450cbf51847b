#pragma once

#include <QApplication>

// The application object. An exception that no handler catches ends in notify(),
// which shows its message in a message box; the program then goes on.
class MirelonApplication : public QApplication
{
    Q_OBJECT

public:
    MirelonApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Loads Qt's own French texts so that standard dialogs and buttons speak French.
    void installFrenchTranslation();

    // Shows `message` as the program's error box, titled with the program's name.
    static void showError(const QString &message);
};
