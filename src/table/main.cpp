#include "controls/Fonts.h"
#include "controls/TAboutBox.h"
#include "table/MirelonApplication.h"
#include "table/TForm1.h"

#include <QLocale>

int main(int argc, char *argv[])
{
    MirelonApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    app.installFrenchTranslation();
    installFontSubstitutions();

    TForm1 form;
    form.setAboutBox(new TAboutBox(&form));
    form.show();
    return app.exec();
}
