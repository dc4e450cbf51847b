#include "table/Startup.h"

#include "controls/DeferredIconStyle.h"
#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/PictureSaves.h"
#include "controls/TAboutBox.h"
#include "data/DataFolder.h"
#include "data/ElementStore.h"
#include "data/ProgramState.h"
#include "data/UserCopy.h"
#include "sets/TForm3.h"
#include "sets/TForm4.h"
#include "table/MirelonApplication.h"
#include "table/TForm1.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

namespace Startup {

Arguments readArguments(const QStringList &arguments)
{
    const QString option = QStringLiteral("--origine");
    const QString usage = QStringLiteral(" Usage : mirelon [--origine <dossier des tables livrées "
                                         "avec le programme>]");
    Arguments read;
    for (int i = 1; i < arguments.size() && read.error.isEmpty(); ++i) {
        const QString &argument = arguments[i];
        QString origin;
        if (argument == option && i + 1 < arguments.size())
            origin = arguments[++i];
        else if (argument.startsWith(option + QLatin1Char('=')))
            origin = argument.mid(option.size() + 1);
        else if (argument == option)
            read.error = QStringLiteral("L'option « %1 » attend le dossier des tables livrées "
                                        "avec le programme.")
                             .arg(option);
        else
            read.error = QStringLiteral("L'argument « %1 » est inconnu.").arg(argument);
        if (read.error.isEmpty() && origin.isEmpty())
            read.error = QStringLiteral("L'option « %1 » a reçu un dossier vide.").arg(option);
        read.origin = QFileInfo(origin).absoluteFilePath();
    }
    if (!read.error.isEmpty()) {
        read.error += usage;
        read.origin.clear();
    }
    return read;
}

void refreshUserCopy(const DataFolder &folder)
{
    try {
        if (const auto said = UserCopy::refresh(folder, QDateTime::currentDateTime()))
            QMessageBox::information(nullptr, QStringLiteral("Mise à jour des tables"), *said);
    } catch (const std::exception &) {
        // The program still runs on the copy as it stands.
        showErrorBox(currentErrorMessage());
    }
}

void prepare(MirelonApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Before the first widget: the menu bar asks its style for an icon as it is made.
    QApplication::setStyle(new DeferredIconStyle);
    app.installFrenchTranslation();
    installFontSubstitutions();
    app.endOnTerminationSignals();
}

std::unique_ptr<TForm1> createWindows(ProgramState &state, ElementStore &store,
                                      PictureSaves &pictures)
{
    const DataFolder &folder = store.folder();
    pictures.dataFiles = {folder.propFile(), folder.structFile(), folder.isoFile()};
    auto form = std::make_unique<TForm1>(state, store, pictures);
    // The other windows are made when first opened; the molar-mass mode makes its dialogs so,
    // and the chart chooser comes with the graphics module.
    TForm1 *owner = form.get();
    form->setAboutBoxMaker([owner] { return new TAboutBox(owner); });
    form->setSetsWindowMaker([owner, &store] {
        auto *sets = new TForm3(store, owner);
        sets->setChooser(new TForm4(sets));
        return sets;
    });
    return form;
}

} // namespace Startup
