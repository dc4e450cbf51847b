#include "table/Startup.h"

#include "charts/TFormgr.h"
#include "controls/Fonts.h"
#include "controls/PictureSaves.h"
#include "controls/TAboutBox.h"
#include "data/DataFolder.h"
#include "data/ProgramState.h"
#include "molar/TForm7.h"
#include "molar/TForm8.h"
#include "sets/TForm3.h"
#include "sets/TForm4.h"
#include "table/MirelonApplication.h"
#include "table/TForm1.h"

#include <QLocale>

namespace Startup {

void prepare(MirelonApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    app.installFrenchTranslation();
    installFontSubstitutions();
}

std::unique_ptr<TForm1> createWindows(ProgramState &state, const DataFolder &folder,
                                      PictureSaves &pictures)
{
    pictures.dataFiles = {folder.propFile(), folder.structFile(), folder.isoFile()};
    auto form = std::make_unique<TForm1>(state, folder, pictures);
    form->setAboutBox(new TAboutBox(form.get()));
    auto *sets = new TForm3(folder, form.get());
    sets->setChooser(new TForm4(sets));
    form->setSetsWindow(sets);
    form->setChooser(new TFormgr(state.graph, form.get()));
    form->setMolarDialogs(new TForm7(form.get()), new TForm8(form.get()));
    return form;
}

} // namespace Startup
