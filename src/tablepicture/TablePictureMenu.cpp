#include "tablepicture/TablePictureMenu.h"

#include "controls/ErrorBox.h"
#include "controls/PictureSaveDialog.h"
#include "data/ProgramState.h"
#include "tablepicture/TablePicture.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

namespace {

const QString DocumentName = QStringLiteral("Tableau périodique");

// The entries of the save dialog, in the order of the picture types.
const QVector<PictureSaveDialog::Type> SaveTypes = {
    {"Image PNG (*.png)", "*.png"},
    {"Image SVG (*.svg)", "*.svg"},
    {"Document PDF (*.pdf)", "*.pdf"},
};

} // namespace

TablePictureMenu::TablePictureMenu(QWidget *window, QWidget *area, PictureSaves &saves,
                                   Source source)
    : QObject(window), m_window(window), m_area(area), m_saves(saves), m_source(std::move(source))
{
    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("TableMenu"));
    QAction *print = addCommand("PrintTable", QStringLiteral("Imprimer le tableau…"),
                                &TablePictureMenu::printTable);
    print->setShortcut(QKeySequence::Print);
    addCommand("SaveTable", QStringLiteral("Enregistrer l'image du tableau…"),
               &TablePictureMenu::saveTable);
    addCommand("CopyTable", QStringLiteral("Copier l'image du tableau"),
               &TablePictureMenu::copyTable);
    // The window holds the print command too, so that its shortcut works with the menu
    // closed; the Menu key opens the menu whatever has the focus, as no control of the
    // table itself takes it.
    window->addAction(print);
    auto *menuKey = new QAction(window);
    menuKey->setObjectName(QStringLiteral("TableMenuKey"));
    menuKey->setShortcut(Qt::Key_Menu);
    window->addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, &TablePictureMenu::popupFromKeyboard);
    area->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(area, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popupAt(m_area->mapToGlobal(at)); });
}

QAction *TablePictureMenu::addCommand(const char *name, const QString &text,
                                      void (TablePictureMenu::*command)())
{
    QAction *action = m_menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this,
            [this, command] { guarded(m_window, [this, command] { (this->*command)(); }); });
    return action;
}

void TablePictureMenu::popupAt(QPoint globalPos)
{
    m_menu->popup(globalPos);
}

void TablePictureMenu::popupFromKeyboard()
{
    // At the mouse when it is over the table, else in the middle of the table.
    const QPoint mouse = QCursor::pos();
    popupAt(m_area->rect().contains(m_area->mapFromGlobal(mouse))
                ? mouse
                : m_area->mapToGlobal(m_area->rect().center()));
}

void TablePictureMenu::printTable()
{
    const TablePicture picture = m_source();
    m_printers.print(m_window, DocumentName, [&picture](QPrinter &printer) {
        return TablePictureFiles::print(picture, printer);
    });
}

void TablePictureMenu::saveTable()
{
    PictureSaveDialog dialog(m_window, SaveTypes, [](const QString &typed, int type) {
        return TablePictureFiles::withExtension(typed, TablePictureFiles::Format(type));
    });
    dialog.selectFile(DocumentName);
    const std::optional<QString> name = dialog.choose(m_saves.folder, m_type);
    if (name)
        savePicture(*name, TablePictureFiles::Format(m_type));
}

void TablePictureMenu::savePicture(const QString &chosenName, TablePictureFiles::Format format)
{
    const QString name = TablePictureFiles::withExtension(chosenName, format);
    PictureSaveDialog::write(m_window, name, TablePictureFiles::file(m_source(), format));
}

void TablePictureMenu::copyTable()
{
    QGuiApplication::clipboard()->setImage(TablePictureFiles::image(m_source()));
}
