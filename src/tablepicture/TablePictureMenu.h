#pragma once

#include "controls/PrinterChoice.h"

#include <QObject>

#include <functional>
#include <optional>

class OnDemandGraphics;
class QAction;
class QMenu;
class QWidget;
struct TablePicture;

// The table's picture commands: print it, save it as PNG, SVG or PDF, copy it to the
// clipboard. They are offered in a context menu of the table area (right click, or the
// Menu key once a click has given the table the focus), and Ctrl+P prints; nothing is added to the
// menu bar or the tool bar. Each command draws the picture its source gives at that moment.
// The same menu ends with "Rétablir toutes les données d'origine…", which the window carries
// out (restoreOriginalsRequested()). The menu is the main window's from the start; the commands
// are the graphics module's, loaded when the first of them is chosen.
class TablePictureMenu : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<TablePicture()>;

    // `window` carries the shortcuts and is the parent of this object, `area` gets the
    // context menu; `graphics` carries the commands out. None is owned; all outlive this
    // object.
    TablePictureMenu(QWidget *window, QWidget *area, OnDemandGraphics &graphics, Source source);

    QMenu *menu() const { return m_menu; }
    // "Rétablir toutes les données d'origine…"; the window enables it, or says why not.
    QAction *restoreOriginals() const { return m_restore; }
    void setPrinterChoice(const PrinterChoice &printers) { m_printers = printers; }

    void printTable();
    void saveTable();
    void copyTable();

signals:
    void restoreOriginalsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(const char *name, const QString &text, void (TablePictureMenu::*command)());

    QWidget *m_window;
    QWidget *m_area;
    OnDemandGraphics &m_graphics;
    Source m_source;
    QMenu *m_menu = nullptr;                 // owned by the window
    QAction *m_restore = nullptr;            // owned by m_menu
    std::optional<PrinterChoice> m_printers; // the system's way when none is set
};
