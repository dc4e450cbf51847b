#include "tablepicture/TablePictureMenu.h"

#include "controls/ErrorBox.h"
#include "modules/OnDemandGraphics.h"
#include "tablepicture/TablePicture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

TablePictureMenu::TablePictureMenu(QWidget *window, QWidget *area, OnDemandGraphics &graphics,
                                   Source source)
    : QObject(window), m_window(window), m_area(area), m_graphics(graphics),
      m_source(std::move(source))
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
    if (Graphics *graphics = m_graphics.get())
        graphics->printTable(m_source(), m_printers ? &*m_printers : nullptr);
}

void TablePictureMenu::saveTable()
{
    if (Graphics *graphics = m_graphics.get())
        graphics->saveTable(m_source());
}

void TablePictureMenu::copyTable()
{
    if (Graphics *graphics = m_graphics.get())
        graphics->copyTable(m_source());
}
