#pragma once

#include <QApplication>

class QSocketNotifier;

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

    // When the system asks the program to stop (SIGTERM, SIGHUP as the session ends, SIGINT
    // from a terminal), the run ends as "Exit" ends it: every event loop returns, the windows
    // go and their tables write what they hold. The signal only wakes the event loop.
    void endOnTerminationSignals();

    // Shows `message` as the program's error box, titled with the program's name.
    static void showError(const QString &message);

private:
    QSocketNotifier *m_signals = nullptr; // owned by the application
};
