#include "controls/ErrorBox.h"
#include "controls/PictureSaves.h"
#include "data/DataFolder.h"
#include "data/ElementStore.h"
#include "data/ProgramState.h"
#include "table/MirelonApplication.h"
#include "table/Startup.h"
#include "table/TForm1.h"

#include <exception>

int main(int argc, char *argv[])
{
    MirelonApplication app(argc, argv);
    Startup::prepare(app);
    const Startup::Arguments arguments = Startup::readArguments(app.arguments());
    if (!arguments.error.isEmpty()) {
        showErrorBox(arguments.error);
        return 2;
    }
    // The data files are those of the working directory, where the launcher has gone; given
    // the shipped tables, they are the user's copy of them, brought up to them first.
    const DataFolder folder(QString(), arguments.origin);
    Startup::refreshUserCopy(folder);
    ProgramState state;
    // The element data of every window, read once; what was posted is written as the main
    // window goes.
    ElementStore store(folder);
    PictureSaves pictures;
    std::unique_ptr<TForm1> form;
    try {
        form = Startup::createWindows(state, store, pictures);
    } catch (const std::exception &error) {
        // Without its element table the main window cannot be built.
        MirelonApplication::showError(QString::fromUtf8(error.what()));
        return 1;
    }
    form->show();
    return app.exec();
}
