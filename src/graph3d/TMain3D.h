#pragma once

#include "graph3d/Graph3DModel.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <functional>

class ColourSwatch;
class QButtonGroup;
class QCheckBox;
class QPushButton;
class TfrmCopy;
class TGraph3D;
struct PictureSaves;

// The 3-D window: the bar graph below a panel of colour swatches, the axes box, the mouse
// modes, the view presets, "Centre" and "Copie image". Made anew, with its own image copy
// window, for each Graph 3D command and shown modally.
class TMain3D : public QDialog
{
    Q_OBJECT

public:
    // `heights` (not owned) is read when the graph is first drawn.
    explicit TMain3D(const Graph3DModel::HeightTable &heights, QWidget *parent = nullptr);

    // The colour swatches of the panel, left to right: the window's background, the axes, the
    // bars' top, front, right side and bottom, the bars of elements without a value.
    enum class Swatch { Background, Axes, Top, Front, Right, Bottom, Missing };
    static constexpr int SwatchCount = 7;

    // Decodes the layouts' colour numbers: blue * 65536 + green * 256 + red.
    static QColor colourFromNumber(unsigned number);

    // Asks for a colour, starting from `initial`; an invalid colour means the user cancelled.
    // By default the colour dialog.
    using ColourChooser = std::function<QColor(const QColor &initial, QWidget *parent)>;
    void setColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }

    // Where the image copy window's save dialog opens; not owned.
    void setPictureSaves(PictureSaves *saves);

    TGraph3D *graph() const { return m_graph; }
    TfrmCopy *frmCopy() const { return m_copy; }

    // "Copie image": the picture as it stands now, into the image copy window, shown modally.
    void Button5Click();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildPanel(QPushButton *&centre);
    void buildSwatches(QWidget *panel);
    void buildMouseModes(QWidget *panel);
    void buildViews(QWidget *panel);
    void swatchClick(Swatch role);
    void FormShow();
    QColor swatchColour(Swatch role) const;

    TGraph3D *m_graph = nullptr;                          // owned by the window
    TfrmCopy *m_copy = nullptr;                           // owned by the window
    QCheckBox *m_live = nullptr;                          // "visible pendant Action"
    QCheckBox *m_axes = nullptr;                          // "Axes"
    QButtonGroup *m_modes = nullptr;                      // "Action"
    std::array<ColourSwatch *, SwatchCount> m_swatches{}; // by role
    ColourChooser m_chooseColour;
    QColor m_lastColour = Qt::black; // where the colour dialog opens
};
