#pragma once

#include "controls/PictureSaves.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QScrollArea;

// A copy of the 3-D picture, shown at its own size in a scroll box, that can be saved as a
// bitmap file. Filled by the 3-D window, which gives it its caption, then shown modally.
class TfrmCopy : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCopy(QWidget *parent = nullptr);

    void setPicture(const QImage &picture) { m_picture = picture; }
    const QImage &picture() const { return m_picture; }

    // Where the save dialog opens and what it keeps of each save; by default the window's
    // own memory. Not owned.
    void setPictureSaves(PictureSaves *saves) { m_saves = saves ? saves : &m_ownSaves; }

    // The name the picture is written under: ".bmp" added when the name has no extension.
    static QString completedFileName(const QString &name);

    // "SAVE AS BITMAP".
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QImage m_picture;
    QLabel *m_image = nullptr;       // owned by the scroll box
    QScrollArea *m_scroll = nullptr; // owned by the window
    PictureSaves m_ownSaves;
    PictureSaves *m_saves = &m_ownSaves;
};
