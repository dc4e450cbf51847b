#include "graph3d/TMain3D.h"

#include "controls/Fonts.h"
#include "controls/WindowCentre.h"
#include "graph3d/ColourSwatch.h"
#include "graph3d/TGraph3D.h"
#include "graph3d/TfrmCopy.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");
constexpr int PanelHeight = 73;

using Swatch = TMain3D::Swatch;
struct SwatchRow
{
    Swatch role;
    const char *name;
    const char *caption;
    const char *spoken; // what a screen reader says of the short caption
    int left;
    unsigned colour; // blue * 65536 + green * 256 + red
};
constexpr SwatchRow Swatches[] = {
    {Swatch::Background, "Panel3", "Fond", "couleur du fond", 88, 0xFFFFFF},
    {Swatch::Axes, "CouleurAxe", "Axes", "couleur des axes", 120, 15402776},
    {Swatch::Top, "CouleurHaut", "Haut", "couleur du haut des barres", 152, 2269943},
    {Swatch::Front, "Couleurdevant", "Mur1", "couleur de la face avant", 184, 13216592},
    {Swatch::Right, "CouleurDroite", "Mur2", "couleur de la face droite", 216, 13276751},
    {Swatch::Bottom, "Couleurbas", "Bas", "couleur du bas des barres", 248, 8453888},
    {Swatch::Missing, "CouleurNA", "N/A", "couleur des éléments sans valeur", 280, 0x0000FF},
};
static_assert(std::size(Swatches) == TMain3D::SwatchCount);

// The radio items in their order, with what a screen reader says of each and the mouse mode
// each one sets.
constexpr const char *ModeTexts[] = {"none", "rotate", "pan", "zoom"};
constexpr const char *ModeSpoken[] = {"aucun", "tourner", "déplacer", "zoomer"};
constexpr TGraph3D::TMouseControl ModeOfItem[] = {
    TGraph3D::TMouseControl::mcNone, TGraph3D::TMouseControl::mcRotate,
    TGraph3D::TMouseControl::mcMove, TGraph3D::TMouseControl::mcZoom};

struct ViewRow
{
    const char *name;
    const char *caption;
    const char *spoken;
    int left;
    int theta;
};
constexpr ViewRow Views[] = {
    {"Button2", "SW", "vue sud-ouest", 64, 135},
    {"Button1", "SE", "vue sud-est", 120, 45},
    {"Button4", "NE", "vue nord-est", 176, 315},
    {"Button3", "NW", "vue nord-ouest", 232, 225},
};
constexpr int ViewPhi = 300;

QColor askColour(const QColor &initial, QWidget *parent)
{
    return QColorDialog::getColor(initial, parent);
}

// A control of the layout: its name, text and place in its parent.
template <class T> T *placed(QWidget *parent, const char *name, const char *text, QRect at)
{
    auto *widget = new T(QString::fromUtf8(text), parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(at);
    return widget;
}

void paintWith(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

QColor TMain3D::colourFromNumber(unsigned number)
{
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

TMain3D::TMain3D(const Graph3DModel::HeightTable &heights, QWidget *parent)
    : QDialog(parent), m_chooseColour(askColour)
{
    setObjectName(QStringLiteral("Main3D"));
    setWindowTitle(QStringLiteral("Graphique3D : temperature d'ébullition"));
    setModal(true);
    setFont(pixelFont(SansSerif, 11));
    paintWith(this, Qt::white);
    resize(717, 560);

    QPushButton *centre = nullptr;
    QWidget *panel = buildPanel(centre);
    m_graph = new TGraph3D(&heights, this);
    m_graph->setAccessibleName(QStringLiteral("Graphique 3D"));
    m_graph->setFaceColours([this] {
        return TGraph3D::FaceColours{swatchColour(Swatch::Top), swatchColour(Swatch::Front),
                                     swatchColour(Swatch::Right), swatchColour(Swatch::Bottom),
                                     swatchColour(Swatch::Missing)};
    });
    m_graph->setLiveRedraw([this] { return m_live->isChecked(); });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(m_graph, 1);

    // On the window, over the panel.
    auto *copy = placed<QPushButton>(this, "Button5", "Copie image", {320, 40, 81, 25});
    copy->raise();
    m_copy = new TfrmCopy(this);

    connect(centre, &QPushButton::clicked, this, [this] {
        m_graph->CentreView();
        m_graph->requestFullDraw();
    });
    connect(copy, &QPushButton::clicked, this, &TMain3D::Button5Click);
    connect(m_axes, &QCheckBox::toggled, m_graph, &TGraph3D::setDrawAxes);
    m_axes->setChecked(m_graph->DrawAxes());
}

QWidget *TMain3D::buildPanel(QPushButton *&centre)
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(PanelHeight);
    paintWith(panel, palette().color(QPalette::Button));
    placed<QLabel>(panel, "Label2", "Couleurs :", {16, 4, 0, 0})->adjustSize();
    buildSwatches(panel);
    centre = placed<QPushButton>(panel, "cmdCentre", "Centre", {320, 8, 81, 25});
    centre->setAccessibleName(QStringLiteral("centrer la vue"));
    buildMouseModes(panel);
    m_live = placed<QCheckBox>(panel, "CheckBox1", "visible pendant Action", {8, 24, 129, 17});
    m_live->setAccessibleName(QStringLiteral("graphique visible pendant l'action"));
    m_axes = placed<QCheckBox>(panel, "cbAxes", "Axes", {8, 48, 45, 17});
    m_axes->setAccessibleName(QStringLiteral("afficher les axes"));
    buildViews(panel);
    return panel;
}

void TMain3D::buildSwatches(QWidget *panel)
{
    for (const SwatchRow &row : Swatches) {
        auto *swatch = new ColourSwatch(QString::fromUtf8(row.caption), panel);
        swatch->setObjectName(QString::fromLatin1(row.name));
        swatch->setGeometry(row.left, 0, 33, 25);
        swatch->setAccessibleName(QString::fromUtf8(row.spoken));
        swatch->setColor(colourFromNumber(row.colour));
        // The hint of the layout; hints are not switched on in this window.
        swatch->setWhatsThis(QStringLiteral("Cliquez pour changer la couleur"));
        m_swatches[static_cast<int>(row.role)] = swatch;
        connect(swatch, &ColourSwatch::clicked, this,
                [this, role = row.role] { swatchClick(role); });
    }
}

void TMain3D::buildMouseModes(QWidget *panel)
{
    auto *group = new QGroupBox(QStringLiteral("Action"), panel);
    group->setObjectName(QStringLiteral("rgMouse"));
    group->setGeometry(408, 0, 289, 33);
    // The caption stands in the frame's top line, so that the frame holds the items whole in
    // the group's 33 pixels. The window's font is named again: a styled group does not
    // pass it on.
    group->setStyleSheet(
        QStringLiteral(
            "* { font: 11px \"%1\"; }"
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px;"
            " background-color: palette(button); }")
            .arg(SansSerif));
    m_modes = new QButtonGroup(group);
    const int column = (group->width() - 16) / 4;
    for (int item = 0; item < 4; ++item) {
        auto *radio = new QRadioButton(QString::fromLatin1(ModeTexts[item]), group);
        radio->setObjectName(QStringLiteral("rgMouse_") + QString::fromLatin1(ModeTexts[item]));
        radio->setGeometry(8 + item * column, 14, column, 17);
        radio->setAccessibleName(QString::fromUtf8(ModeSpoken[item]));
        m_modes->addButton(radio, item);
    }
    m_modes->button(0)->setChecked(true);
    connect(m_modes, &QButtonGroup::idClicked, this,
            [this](int item) { m_graph->setMouseControl(ModeOfItem[item]); });
}

void TMain3D::buildViews(QWidget *panel)
{
    auto *views = new QFrame(panel);
    views->setObjectName(QStringLiteral("Panel2"));
    views->setFrameStyle(QFrame::Panel | QFrame::Raised);
    views->setGeometry(408, 32, 289, 38);
    auto *title = placed<QLabel>(views, "Label1", "Vues :", {13, 9, 0, 0});
    title->setFont(pixelFont(SansSerif, 15, true));
    title->adjustSize();
    for (const ViewRow &row : Views) {
        auto *button = placed<QPushButton>(views, row.name, row.caption, {row.left, 5, 49, 25});
        button->setAccessibleName(QString::fromUtf8(row.spoken));
        connect(button, &QPushButton::clicked, this, [this, theta = row.theta] {
            m_graph->setTheta(theta);
            m_graph->setPhi(ViewPhi);
            m_graph->CentreView();
            m_graph->requestFullDraw();
        });
    }
}

QColor TMain3D::swatchColour(Swatch role) const
{
    return m_swatches[static_cast<int>(role)]->Color();
}

void TMain3D::swatchClick(Swatch role)
{
    const QColor chosen = m_chooseColour(m_lastColour, this);
    if (!chosen.isValid())
        return;
    m_lastColour = chosen;
    m_swatches[static_cast<int>(role)]->setColor(chosen);
    if (role == Swatch::Axes)
        m_graph->setAxesColor(chosen);
    else if (role == Swatch::Background)
        paintWith(this, chosen); // the graph's background follows the window's
    m_graph->CentreView();
    m_graph->requestFullDraw();
}

void TMain3D::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TMain3D::FormShow()
{
    m_axes->setChecked(m_graph->DrawAxes());
    centreOnScreen(*this);
}

void TMain3D::hideEvent(QHideEvent *event)
{
    if (m_graph->scrolling())
        m_graph->StopScrolling();
    QDialog::hideEvent(event);
}

void TMain3D::setPictureSaves(PictureSaves *saves)
{
    m_copy->setPictureSaves(saves);
}

void TMain3D::Button5Click()
{
    m_copy->setPicture(m_graph->GetBitmap());
    m_copy->setWindowTitle(windowTitle());
    m_copy->exec();
}
