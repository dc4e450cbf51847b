#include "table/MirelonApplication.h"
#include "table/Startup.h"
#include "table/TForm1.h"

int main(int argc, char *argv[])
{
    MirelonApplication app(argc, argv);
    Startup::prepare(app);
    const std::unique_ptr<TForm1> form = Startup::createWindows();
    form->show();
    return app.exec();
}
