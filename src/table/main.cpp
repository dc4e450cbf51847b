#include "data/ProgramState.h"
#include "table/MirelonApplication.h"
#include "table/Startup.h"
#include "table/TForm1.h"

#include <exception>

int main(int argc, char *argv[])
{
    MirelonApplication app(argc, argv);
    Startup::prepare(app);
    ProgramState state;
    std::unique_ptr<TForm1> form;
    try {
        form = Startup::createWindows(state);
    } catch (const std::exception &error) {
        // Without its element table the main window cannot be built.
        MirelonApplication::showError(QString::fromUtf8(error.what()));
        return 1;
    }
    form->show();
    return app.exec();
}
