#pragma once

#include "controls/PrinterChoice.h"
#include "tablepicture/TablePictureFiles.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;
struct PictureSaves;
struct TablePicture;

// The table's picture commands: print it, save it as PNG, SVG or PDF, copy it to the
// clipboard. They are offered in a context menu of the table area (right click, or the
// Menu key once a click has given the table the focus), and Ctrl+P prints; nothing is added to the
// menu bar or the tool bar. Each command draws the picture its source gives at that moment.
// The same menu ends with "Rétablir toutes les données d'origine…", which the window carries
// out (restoreOriginalsRequested()).
class TablePictureMenu : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<TablePicture()>;

    // `window` carries the shortcuts and is the parent of this object, `area` gets the
    // context menu; `saves` keeps the folder of the last picture saved, shared with the
    // other windows. None is owned; all outlive this object.
    TablePictureMenu(QWidget *window, QWidget *area, PictureSaves &saves, Source source);

    QMenu *menu() const { return m_menu; }
    // "Rétablir toutes les données d'origine…"; the window enables it, or says why not.
    QAction *restoreOriginals() const { return m_restore; }
    void setPrinterChoice(const PrinterChoice &printers) { m_printers = printers; }

    void printTable();
    void saveTable();
    void copyTable();
    // Writes the picture under the name chosen with the entry of `format`, completed by
    // the extension rule, in the type the completed name says; a failure is reported and
    // leaves any file of that name as it was.
    void savePicture(const QString &chosenName, TablePictureFiles::Format format);

signals:
    void restoreOriginalsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(const char *name, const QString &text, void (TablePictureMenu::*command)());

    QWidget *m_window;
    QWidget *m_area;
    PictureSaves &m_saves;
    Source m_source;
    QMenu *m_menu = nullptr;      // owned by the window
    QAction *m_restore = nullptr; // owned by m_menu
    PrinterChoice m_printers;
    int m_type = 0; // the entry of the save dialog last chosen
};
