#pragma once

#include "tablepicture/TablePictureFiles.h"

#include <QString>

class PrinterChoice;
class QWidget;
struct PictureSaves;
struct TablePicture;

// What the table's picture commands do, as the graphics module carries them out: print the
// picture, save it as PNG, SVG or PDF under a name asked in the save dialog, copy it to the
// clipboard. The save dialog opens where the last picture was saved and on the type last
// chosen here.
class TablePictureCommands
{
public:
    // `window` is the parent of the dialogs; `saves` keeps the folder of the last picture
    // saved, shared with the other windows. Neither is owned; both outlive this object.
    TablePictureCommands(QWidget *window, PictureSaves &saves);

    void print(const TablePicture &picture, const PrinterChoice &printers) const;
    void save(const TablePicture &picture);
    static void copy(const TablePicture &picture);
    // Writes the picture under the name chosen with the entry of `format`, completed by
    // the extension rule, in the type the completed name says; a failure is reported and
    // leaves any file of that name as it was.
    void savePicture(const TablePicture &picture, const QString &chosenName,
                     TablePictureFiles::Format format) const;

private:
    QWidget *m_window;
    PictureSaves &m_saves;
    int m_type = 0; // the entry of the save dialog last chosen
};
