#include "table/Legends.h"

#include "controls/Fonts.h"
#include "controls/ReadOnlyBoxAccessible.h"
#include "controls/TBevelPanel.h"
#include "controls/TDBEdit.h"
#include "controls/TSpinEdit.h"
#include "table/ColouringModes.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int RowPitch = 16;

const QString SansSerif = QStringLiteral("MS Sans Serif");

QLabel *addText(QWidget *panel, int left, int top, const QString &caption)
{
    auto *label = new QLabel(caption, panel);
    label->setFont(pixelFont(SansSerif, 11, true));
    label->move(left, top);
    sizeToText(label);
    return label;
}

void addSwatch(QWidget *panel, const ColouringModes::Row &row, int top, int index)
{
    auto *swatch = new QFrame(panel);
    swatch->setObjectName(QStringLiteral("%1_swatch%2").arg(panel->objectName()).arg(index));
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch->setGeometry(8, top, 15, 13);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(row.colour));
    palette.setColor(QPalette::WindowText, Qt::black);
    swatch->setPalette(palette);
    swatch->setAutoFillBackground(true);
    addText(panel, 32, top, row.caption);
}

void place(QWidget *box, const ColouringModes::Box &at, int width, int height)
{
    box->setObjectName(QString::fromLatin1(at.name));
    box->setAccessibleName(QString::fromUtf8(at.accessibleName));
    box->setGeometry(at.at.x(), at.at.y(), width, height);
}

QSpinBox *addSpin(QWidget *panel, const ColouringModes::Parameter &parameter)
{
    auto *spin = new TSpinEdit(panel);
    place(spin, parameter.box, 73, 22);
    spin->setRange(parameter.minimum, parameter.maximum);
    spin->setSingleStep(10);
    spin->setValue(parameter.start);
    return spin;
}

QLineEdit *addDisplay(QWidget *panel, const ColouringModes::Readout &readout)
{
    auto *box = new QLineEdit(QStringLiteral("22"), panel);
    box->setObjectName(QString::fromLatin1(readout.box.name));
    ReadOnlyBoxAccessible::makeReadOnly(box);
    place(box, readout.box, 73, 21);
    box->setFont(pixelFont(SansSerif, 11, true));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
    box->setPalette(palette);
    return box;
}

void addValueBox(QWidget *panel, LegendPanel &built, LegendControls &controls)
{
    auto *title = built.heading = new QLabel(panel);
    title->setObjectName(QStringLiteral("RxLabel1"));
    title->setFont(pixelFont(SansSerif, 11, true));
    title->setGeometry(8, 8, panel->width() - 16, 14);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *value = controls.dbEdit3 = new TDBEdit(panel);
    place(value, {"DBEdit3", "Valeur de l'élément survolé", {40, 24}}, 81, 21);
    value->setFont(pixelFont(SansSerif, 11, true));
    QPalette palette = value->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    value->setPalette(palette);
}

} // namespace

namespace Legends {

LegendControls build(QWidget *client, const ColouringModes::Table &modes)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    LegendControls controls;
    for (const ColouringModes::Legend *legend : modes.legends) {
        auto *panel = new TBevelPanel(client);
        LegendPanel built{legend, panel};
        panel->setObjectName(QString::fromLatin1(legend->name));
        panel->setGeometry(legend->geometry);
        panel->setColor(face);
        for (std::size_t i = 0; i < legend->rows.size(); ++i) {
            const int row = static_cast<int>(i);
            addSwatch(panel, legend->rows[i], legend->firstRow + RowPitch * row, row + 1);
        }
        for (const ColouringModes::Text &text : legend->texts)
            addText(panel, text.left, text.top, QString::fromUtf8(text.caption));
        if (legend->parameter)
            controls.parameters.push_back(built.parameter = addSpin(panel, *legend->parameter));
        for (const ColouringModes::Readout &readout : legend->readouts)
            built.readouts.push_back(addDisplay(panel, readout));
        if (legend->valueBox)
            addValueBox(panel, built, controls);
        panel->hide();
        controls.panels.push_back(std::move(built));
    }
    return controls;
}

ColouringPicture::Shown shown(const LegendControls &controls, const QString &entry)
{
    ColouringPicture::Shown shown;
    shown.entry = entry;
    if (const LegendPanel *panel = controls.shown()) {
        shown.legend = panel->legend;
        if (panel->heading)
            shown.heading = panel->heading->text();
        if (panel->parameter)
            shown.parameter = panel->parameter->text();
        for (const QLineEdit *readout : panel->readouts)
            shown.readouts.append(readout->text());
    }
    return shown;
}

void setNumericTitle(QLabel &label, const QString &title)
{
    label.setFont(fittingFont(pixelFont(SansSerif, 11, true), title, label.contentsRect().width()));
    label.setText(title);
}

} // namespace Legends

const LegendPanel *LegendControls::panelOf(const ColouringModes::Legend *legend) const
{
    for (const LegendPanel &panel : panels) {
        if (legend && panel.legend == legend)
            return &panel;
    }
    return nullptr;
}

const LegendPanel *LegendControls::shown() const
{
    // The last one in view, as the panels stand one above the other.
    const LegendPanel *inView = nullptr;
    for (const LegendPanel &panel : panels) {
        if (!panel.panel->isHidden())
            inView = &panel;
    }
    return inView;
}
