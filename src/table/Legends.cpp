#include "table/Legends.h"

#include "controls/Fonts.h"
#include "controls/ReadOnlyBoxAccessible.h"
#include "controls/TBevelPanel.h"
#include "controls/TDBEdit.h"
#include "controls/TSpinEdit.h"
#include "table/CategoryColours.h"
#include "table/ColouringRules.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int RowPitch = 16;

struct Text
{
    int left;
    int top;
    const char *caption;
};

// A legend panel: its swatch rows, 16 pixels apart from `firstRow`, then its other texts.
struct Legend
{
    const char *name;
    ColouringPicture::Legend kind;
    QRect geometry;
    int firstRow;
    CategoryColours::Keys rows;
    std::vector<Text> texts;
};

const std::vector<Legend> &legends()
{
    using namespace CategoryColours;
    static const std::vector<Legend> table = {
        {"legende1", ColouringPicture::Legend::Family, {624, 136, 145, 177}, 8, families(), {}},
        {"legende2", ColouringPicture::Legend::Block, {640, 184, 81, 81}, 8, blocks(), {}},
        {"legende3", ColouringPicture::Legend::AcidBase, {632, 168, 105, 97}, 8, acidBases(), {}},
        {"legende4",
         ColouringPicture::Legend::PhysicalState,
         {648, 136, 113, 185},
         8,
         states(),
         {{8, 80, "A la température:"}, {96, 108, "K"}, {88, 132, "°C"}, {88, 156, "°F"}}},
        {"legende5",
         ColouringPicture::Legend::Discovery,
         {640, 160, 121, 129},
         32,
         discoveries(),
         {{40, 8, "Decouverte"}, {40, 80, "A la date :"}}},
        {"Panel2",
         ColouringPicture::Legend::Numeric,
         {624, 176, 153, 97},
         48,
         Legends::numericKeys(),
         {}},
    };
    return table;
}

const QString SansSerif = QStringLiteral("MS Sans Serif");

// What a screen reader calls the legends' boxes, which the eye knows by the unit or the
// text beside them.
QString accessibleNameOf(const QString &box)
{
    static const std::pair<const char *, const char *> names[] = {
        {"SpinEdit1", "Température (K)"},
        {"edit1", "Température (°C)"},
        {"Edit2", "Température (°F)"},
        {"SpinEdit2", "Année"},
        {"DBEdit3", "Valeur de l'élément survolé"},
    };
    for (const auto &[name, spoken] : names) {
        if (box == QLatin1String(name))
            return QString::fromUtf8(spoken);
    }
    return {};
}

QLabel *addText(QWidget *panel, int left, int top, const QString &caption)
{
    auto *label = new QLabel(caption, panel);
    label->setFont(pixelFont(SansSerif, 11, true));
    label->move(left, top);
    sizeToText(label);
    return label;
}

void addSwatch(QWidget *panel, const CategoryColours::Key &row, int top, int index)
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

QSpinBox *addSpin(QWidget *panel, const char *name, QPoint at, int minimum, int maximum, int start)
{
    auto *spin = new TSpinEdit(panel);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setAccessibleName(accessibleNameOf(spin->objectName()));
    spin->setGeometry(at.x(), at.y(), 73, 22);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(10);
    spin->setValue(start);
    return spin;
}

QLineEdit *addDisplay(QWidget *panel, const char *name, QPoint at)
{
    auto *box = new QLineEdit(QStringLiteral("22"), panel);
    box->setObjectName(QString::fromLatin1(name));
    ReadOnlyBoxAccessible::makeReadOnly(box);
    box->setAccessibleName(accessibleNameOf(box->objectName()));
    box->setGeometry(at.x(), at.y(), 73, 21);
    box->setFont(pixelFont(SansSerif, 11, true));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
    box->setPalette(palette);
    return box;
}

void addNumericControls(QWidget *panel, LegendControls &controls)
{
    auto *title = controls.rxLabel1 = new QLabel(panel);
    title->setObjectName(QStringLiteral("RxLabel1"));
    title->setFont(pixelFont(SansSerif, 11, true));
    title->setGeometry(8, 8, panel->width() - 16, 14);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *value = controls.dbEdit3 = new TDBEdit(panel);
    value->setObjectName(QStringLiteral("DBEdit3"));
    value->setAccessibleName(accessibleNameOf(value->objectName()));
    value->setGeometry(40, 24, 81, 21);
    value->setFont(pixelFont(SansSerif, 11, true));
    QPalette palette = value->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    value->setPalette(palette);
}

} // namespace

namespace Legends {

const CategoryColours::Keys &numericKeys()
{
    static const CategoryColours::Keys keys = {
        {QString(), QStringLiteral("+ forte valeur"), 0x000000},
        {QString(), QStringLiteral("+ faible valeur"), 0xFFFFFF},
        {QString(), QStringLiteral("N/A"), ColouringRules::Navy.rgb()}};
    return keys;
}

LegendControls build(QWidget *client)
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    LegendControls controls;
    std::vector<QWidget *> panels;
    for (const Legend &legend : legends()) {
        auto *panel = new TBevelPanel(client);
        panel->setObjectName(QString::fromLatin1(legend.name));
        panel->setGeometry(legend.geometry);
        panel->setColor(face);
        for (std::size_t i = 0; i < legend.rows.size(); ++i) {
            const int row = static_cast<int>(i);
            addSwatch(panel, legend.rows[i], legend.firstRow + RowPitch * row, row + 1);
        }
        for (const Text &text : legend.texts)
            addText(panel, text.left, text.top, QString::fromUtf8(text.caption));
        panel->hide();
        panels.push_back(panel);
    }
    // The table's order: the five category legends, then the numeric one.
    std::copy_n(panels.begin(), controls.legende.size(), controls.legende.begin());
    controls.panel2 = panels.back();
    QWidget *state = controls.legende[3];
    controls.spinEdit1 = addSpin(state, "SpinEdit1", {8, 104}, 0, 10000, 298);
    controls.edit1 = addDisplay(state, "edit1", {8, 128});
    controls.edit2 = addDisplay(state, "Edit2", {8, 152});
    controls.spinEdit2 = addSpin(controls.legende[4], "SpinEdit2", {32, 96}, 1600, 2000, 1600);
    addNumericControls(controls.panel2, controls);
    return controls;
}

ColouringPicture::Shown shown(const LegendControls &controls, const QString &entry)
{
    ColouringPicture::Shown shown;
    // The layout table's order: the five category legends, then the numeric one.
    std::size_t at = 0;
    for (const Legend &legend : legends()) {
        const QWidget *panel =
            at < controls.legende.size() ? controls.legende[at] : controls.panel2;
        if (panel && !panel->isHidden())
            shown.legend = legend.kind;
        ++at;
    }
    shown.numericEntry = entry;
    shown.numericTitle = controls.rxLabel1->text();
    shown.kelvin = controls.spinEdit1->text();
    shown.celsius = controls.edit1->text();
    shown.fahrenheit = controls.edit2->text();
    shown.year = controls.spinEdit2->text();
    return shown;
}

void setNumericTitle(QLabel &label, const QString &title)
{
    label.setFont(fittingFont(pixelFont(SansSerif, 11, true), title, label.contentsRect().width()));
    label.setText(title);
}

} // namespace Legends
