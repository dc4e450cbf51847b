#include "graph3d/TfrmCopy.h"

#include "controls/Fonts.h"
#include "controls/PictureSaveDialog.h"
#include "controls/TitledPicture.h"
#include "controls/WindowCentre.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TfrmCopy::TfrmCopy(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCopy"));
    setWindowTitle(QStringLiteral("frmCopy"));
    setModal(true);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(740, 555);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(41);
    auto *save = new QPushButton(QStringLiteral("SAVE AS BITMAP"), panel);
    save->setObjectName(QStringLiteral("Button1"));
    save->setGeometry(40, 8, 145, 25);
    connect(save, &QPushButton::clicked, this, &TfrmCopy::Button1Click);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setAccessibleName(QStringLiteral("Image copiée"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll->setWidget(m_image);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(m_scroll);
}

void TfrmCopy::showEvent(QShowEvent *event)
{
    // The image takes the picture's size, so that all of it can be scrolled into view.
    m_image->setPixmap(QPixmap::fromImage(m_picture));
    m_image->setFixedSize(m_picture.size());
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

QString TfrmCopy::completedFileName(const QString &name)
{
    if (name.endsWith(QLatin1Char('.')))
        return name + QStringLiteral("bmp");
    if (QFileInfo(name).suffix().isEmpty())
        return name + QStringLiteral(".bmp");
    return name;
}

QString TfrmCopy::completedFileName(const QString &name, int type)
{
    static const char *const Extensions[] = {".png", ".svg", ".pdf"};
    return type <= 0 ? completedFileName(name)
                     : PictureSaveDialog::withExtension(name, Extensions[type - 1]);
}

std::optional<QByteArray> TfrmCopy::pictureFile(int type) const
{
    if (type <= 0)
        return PictureSaveDialog::bitmapFile(m_picture);
    return TitledPicture::file(TitledPicture::Format(type - 1), m_picture.size(), windowTitle(),
                               [this](QPainter &painter) { painter.drawImage(0, 0, m_picture); });
}

void TfrmCopy::Button1Click()
{
    PictureSaveDialog dialog(
        this,
        {{"Bitmaps (*.bmp)", "*.bmp"},
         {"Image PNG (*.png)", "*.png"},
         {"Image SVG (*.svg)", "*.svg"},
         {"Document PDF (*.pdf)", "*.pdf"}},
        [](const QString &typed, int type) { return completedFileName(typed, type); });
    dialog.protectFiles(m_saves->dataFiles);
    int type = 0; // the bitmap unless the user picks another
    const std::optional<QString> name = dialog.choose(m_saves->folder, type);
    if (!name)
        return;
    PictureSaveDialog::write(this, *name, pictureFile(type));
}
