#include "tablepicture/TablePictureCommands.h"

#include "controls/PictureSaveDialog.h"
#include "controls/PictureSaves.h"
#include "controls/PrinterChoice.h"
#include "tablepicture/TablePicture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

const QString DocumentName = QStringLiteral("Tableau périodique");

// The entries of the save dialog, in the order of the picture types.
const QVector<PictureSaveDialog::Type> SaveTypes = {
    {"Image PNG (*.png)", "*.png"},
    {"Image SVG (*.svg)", "*.svg"},
    {"Document PDF (*.pdf)", "*.pdf"},
};

} // namespace

TablePictureCommands::TablePictureCommands(QWidget *window, PictureSaves &saves)
    : m_window(window), m_saves(saves)
{}

void TablePictureCommands::print(const TablePicture &picture, const PrinterChoice &printers) const
{
    printers.print(m_window, DocumentName, [&picture](QPrinter &printer) {
        return TablePictureFiles::print(picture, printer);
    });
}

void TablePictureCommands::save(const TablePicture &picture)
{
    PictureSaveDialog dialog(m_window, SaveTypes, [](const QString &typed, int type) {
        return TablePictureFiles::withExtension(typed, TablePictureFiles::Format(type));
    });
    dialog.selectFile(DocumentName);
    dialog.protectFiles(m_saves.dataFiles);
    const std::optional<QString> name = dialog.choose(m_saves.folder, m_type);
    if (name)
        savePicture(picture, *name, TablePictureFiles::Format(m_type));
}

void TablePictureCommands::savePicture(const TablePicture &picture, const QString &chosenName,
                                       TablePictureFiles::Format format) const
{
    const QString name = TablePictureFiles::withExtension(chosenName, format);
    PictureSaveDialog::write(
        m_window, name,
        TablePictureFiles::file(picture, TablePictureFiles::formatFor(name, format)));
}

void TablePictureCommands::copy(const TablePicture &picture)
{
    QGuiApplication::clipboard()->setImage(TablePictureFiles::image(picture));
}
