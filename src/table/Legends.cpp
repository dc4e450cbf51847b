#include "table/Legends.h"

#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "controls/TDBEdit.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <vector>

namespace {

struct Row
{
    int top;
    QRgb swatch;
    const char *caption;
};

struct Text
{
    int left;
    int top;
    const char *caption;
};

struct Legend
{
    const char *name;
    QRect geometry;
    std::vector<Row> rows;
    std::vector<Text> texts;
};

const std::vector<Legend> &legends()
{
    static const std::vector<Legend> table = {
        {"legende1",
         {624, 136, 145, 177},
         {{8, 0x96BFC2, "Non Métal"},
          {24, 0xFDA85B, "Alcalins"},
          {40, 0xF23A0D, "Alcalino-Terreux"},
          {56, 0xFFFF80, "Métal de Transition"},
          {72, 0xB7B7B7, "Métal "},
          {88, 0xB88FFC, "Métalloide"},
          {104, 0x6B7BED, "Halogènes"},
          {120, 0xFFFFFF, "Gaz nobles"},
          {136, 0xDAD6A7, "Lanthanide"},
          {152, 0xB5AD53, "Actinide"}},
         {}},
        {"legende2",
         {640, 184, 81, 81},
         {{8, 0xFFFFFF, "Bloc s"},
          {24, 0xFFFF80, "Bloc p"},
          {40, 0x96BFC2, "Bloc d"},
          {56, 0xF23A0D, "Bloc f"}},
         {}},
        {"legende3",
         {632, 168, 105, 97},
         {{8, 0x17D5FD, "Base Faible"},
          {24, 0x166DFE, "Base Forte"},
          {40, 0xFCB818, "Acid Faible"},
          {56, 0xFF1515, "Acide Fort"},
          {72, 0xFFFFFF, "Amphotère"}},
         {}},
        {"legende4",
         {648, 136, 113, 185},
         {{8, 0xF85E47, "Solide"},
          {24, 0x0080C0, "Liquide"},
          {40, 0xFFFF00, "Gaz"},
          {56, 0xA6A6A6, "N/A"}},
         {{8, 80, "A la température:"}, {96, 108, "K"}, {88, 132, "°C"}, {88, 156, "°F"}}},
        {"legende5",
         {640, 160, 121, 129},
         {{32, 0x808080, "avant 1600"},
          {48, 0xFFFFFF, "Découvert"},
          {64, 0x000080, "Pas découvert"}},
         {{40, 8, "Decouverte"}, {40, 80, "A la date :"}}},
        {"Panel2",
         {624, 176, 153, 97},
         {{48, 0x000000, "+ forte valeur"},
          {64, 0xFFFFFF, "+ faible valeur"},
          {80, 0x000080, "N/A"}},
         {}},
    };
    return table;
}

const QString SansSerif = QStringLiteral("MS Sans Serif");

QLabel *addText(QWidget *panel, int left, int top, const QString &caption)
{
    auto *label = new QLabel(caption, panel);
    label->setFont(pixelFont(SansSerif, 11, true));
    label->move(left, top);
    sizeToText(label);
    return label;
}

void addSwatch(QWidget *panel, const Row &row, int index)
{
    auto *swatch = new QFrame(panel);
    swatch->setObjectName(QStringLiteral("%1_swatch%2").arg(panel->objectName()).arg(index));
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch->setGeometry(8, row.top, 15, 13);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(row.swatch));
    palette.setColor(QPalette::WindowText, Qt::black);
    swatch->setPalette(palette);
    swatch->setAutoFillBackground(true);
    addText(panel, 32, row.top, QString::fromUtf8(row.caption));
}

QSpinBox *addSpin(QWidget *panel, const char *name, QPoint at, int minimum, int maximum, int start)
{
    auto *spin = new QSpinBox(panel);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setGeometry(at.x(), at.y(), 73, 22);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(10);
    spin->setValue(start);
    return spin;
}

void addDisplay(QWidget *panel, const char *name, QPoint at)
{
    auto *box = new QLineEdit(QStringLiteral("22"), panel);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(at.x(), at.y(), 73, 21);
    box->setReadOnly(true);
    box->setFont(pixelFont(SansSerif, 11, true));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
    box->setPalette(palette);
}

void addNumericControls(QWidget *panel)
{
    auto *title = new QLabel(panel);
    title->setObjectName(QStringLiteral("RxLabel1"));
    title->setFont(pixelFont(SansSerif, 11, true));
    title->setGeometry(8, 8, panel->width() - 16, 14);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *value = new TDBEdit(panel);
    value->setObjectName(QStringLiteral("DBEdit3"));
    value->setGeometry(40, 24, 81, 21);
    value->setFont(pixelFont(SansSerif, 11, true));
    QPalette palette = value->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    value->setPalette(palette);
}

} // namespace

namespace Legends {

void build(QWidget *client)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (const Legend &legend : legends()) {
        auto *panel = new TBevelPanel(client);
        panel->setObjectName(QString::fromLatin1(legend.name));
        panel->setGeometry(legend.geometry);
        panel->setColor(face);
        for (std::size_t i = 0; i < legend.rows.size(); ++i)
            addSwatch(panel, legend.rows[i], static_cast<int>(i) + 1);
        for (const Text &text : legend.texts)
            addText(panel, text.left, text.top, QString::fromUtf8(text.caption));
        panel->hide();
    }
    QWidget *state = client->findChild<QWidget *>(QStringLiteral("legende4"));
    addSpin(state, "SpinEdit1", {8, 104}, 0, 10000, 298);
    addDisplay(state, "edit1", {8, 128});
    addDisplay(state, "Edit2", {8, 152});
    addSpin(client->findChild<QWidget *>(QStringLiteral("legende5")), "SpinEdit2", {32, 96}, 1600,
            2000, 1600);
    addNumericControls(client->findChild<QWidget *>(QStringLiteral("Panel2")));
}

void setNumericTitle(QLabel &label, const QString &title)
{
    label.setFont(fittingFont(pixelFont(SansSerif, 11, true), title, label.contentsRect().width()));
    label.setText(title);
}

} // namespace Legends
