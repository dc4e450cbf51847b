#include "table/MirelonApplication.h"

#include "controls/ErrorBox.h"

#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The two ends of the pair the signal handler writes into and the event loop reads from.
int signalPair[2] = {-1, -1};

void wakeOnSignal(int)
{
    const char byte = 1;
    // All a signal handler may do; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(signalPair[0], &byte, 1);
}

} // namespace

MirelonApplication::MirelonApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The program's title, "mirelon II", titles its message boxes (programTitle()). It is
    // not set as Qt's application display name: the X11 windowing would append that to
    // every window's title.
    setApplicationName(QStringLiteral("mirelon"));
    // The name of the installed desktop entry, which a Wayland desktop reads as the
    // windows' application id to find their menu entry and icon.
    setDesktopFileName(QStringLiteral(MIRELON_APP_ID));
}

bool MirelonApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // The last resort: handlers catch their own failures (guarded()), as an exception
        // that unwinds through Qt's event delivery skips the clean-up of its frames.
        showError(currentErrorMessage());
    }
    return false;
}

void MirelonApplication::endOnTerminationSignals()
{
    if (m_signals || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPair) != 0)
        return;
    m_signals = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, this);
    connect(m_signals, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signalPair[1], &byte, 1);
        // Every loop returns, a modal window's too, so that the windows are destroyed from
        // main() and write their tables; nothing can keep the run going.
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = wakeOnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

void MirelonApplication::showError(const QString &message)
{
    showErrorBox(message);
}

void MirelonApplication::installFrenchTranslation()
{
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}
