// Started by the start-up benchmarks: builds the real main window (mode "mirelon" or none, then
// the program's own arguments: with --origine, on the working directory's copy of the shipped
// tables, brought up to them first, as the launcher starts the program), or one of two
// bare windows, and writes one line to stdout at the end of its first frame, then quits; with
// MIRELON_PROBE_STAYS set it stays until ended, for its memory and libraries to be read.
#include "FirstFrame.h"
#include "controls/PictureSaves.h"
#include "data/DataFolder.h"
#include "data/ElementStore.h"
#include "data/ProgramState.h"
#include "table/MirelonApplication.h"
#include "table/Startup.h"
#include "table/TForm1.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

class FirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            reportFirstFrame();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int bareWindow(int argc, char *argv[], bool withText)
{
    QApplication app(argc, argv);
    FirstPaint probe;
    QWidget window;
    if (withText)
        new QLabel(QStringLiteral("Mirelon 2"), &window);
    window.installEventFilter(&probe);
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    const char *mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "bare") == 0 || std::strcmp(mode, "text") == 0)
        return bareWindow(argc, argv, std::strcmp(mode, "text") == 0);
    MirelonApplication app(argc, argv);
    FirstPaint probe;
    Startup::prepare(app);
    // As the program does: the data files of the working directory, with --origine the user's
    // copy there of the shipped tables, brought up to them first.
    QStringList words = app.arguments();
    if (words.size() > 1 && words[1] == QLatin1String("mirelon"))
        words.removeAt(1); // the mode's name, not the program's
    const Startup::Arguments arguments = Startup::readArguments(words);
    if (!arguments.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(arguments.error));
        return 2;
    }
    const DataFolder folder(QString(), arguments.origin);
    Startup::refreshUserCopy(folder);
    ProgramState state;
    ElementStore store(folder);
    PictureSaves pictures;
    const std::unique_ptr<TForm1> form = Startup::createWindows(state, store, pictures);
    form->installEventFilter(&probe);
    form->centralWidget()->installEventFilter(&probe);
    form->show();
    return app.exec();
}
