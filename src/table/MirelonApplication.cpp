#include "table/MirelonApplication.h"

#include "controls/ErrorBox.h"

#include <QLibraryInfo>
#include <QTranslator>

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
