#pragma once

#include "controls/PictureSaves.h"

#include <QDialog>
#include <QImage>

#include <optional>

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
    // The same under the save dialog's entry `type`: 0 the bitmap, then PNG, SVG and PDF,
    // whose extension a bare name gets.
    static QString completedFileName(const QString &name, int type);
    // The file of entry `type`: the bitmap as it stands, or PNG, SVG or PDF with the
    // window's caption drawn above the picture (a picture of pixels inside SVG and PDF).
    std::optional<QByteArray> pictureFile(int type) const;

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
