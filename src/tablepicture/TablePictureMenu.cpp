#include "tablepicture/TablePictureMenu.h"

#include "controls/ErrorBox.h"
#include "controls/PictureSaveDialog.h"
#include "controls/PictureSaves.h"
#include "tablepicture/TablePicture.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
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
    m_menu->addSeparator();
    m_restore = m_menu->addAction(QStringLiteral("Rétablir toutes les données d'origine…"));
    m_restore->setObjectName(QStringLiteral("RestoreAllOriginals"));
    m_menu->setToolTipsVisible(true);
    connect(m_restore, &QAction::triggered, this, &TablePictureMenu::restoreOriginalsRequested);
    // The window holds the print command too, so that its shortcut works with the menu closed.
    window->addAction(print);
    area->installEventFilter(this);
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

// A click on the table's bare background gives it the focus, as a click elsewhere ends the
// typing in a field, so that the Menu key then opens the table's menu rather than that
// field's; a click on an element button leaves the focus where it is. The menu opens at
// the mouse, or for the Menu key in the middle of the table.
bool TablePictureMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress)
        m_area->setFocus(Qt::MouseFocusReason);
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    const auto *request = static_cast<QContextMenuEvent *>(event);
    m_menu->popup(request->reason() == QContextMenuEvent::Keyboard
                      ? m_area->mapToGlobal(m_area->rect().center())
                      : request->globalPos());
    return true;
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
    dialog.protectFiles(m_saves.dataFiles);
    const std::optional<QString> name = dialog.choose(m_saves.folder, m_type);
    if (name)
        savePicture(*name, TablePictureFiles::Format(m_type));
}

void TablePictureMenu::savePicture(const QString &chosenName, TablePictureFiles::Format format)
{
    const QString name = TablePictureFiles::withExtension(chosenName, format);
    PictureSaveDialog::write(
        m_window, name,
        TablePictureFiles::file(m_source(), TablePictureFiles::formatFor(name, format)));
}

void TablePictureMenu::copyTable()
{
    QGuiApplication::clipboard()->setImage(TablePictureFiles::image(m_source()));
}
