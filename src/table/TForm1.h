#pragma once

#include <QMainWindow>

class QAction;
class QComboBox;
class TAboutBox;
class TBevelPanel;
class TEncartaButton;

// The main window: the periodic table as 103 element buttons on navy, with the
// group and period labels, the toolbar and the menu bar. Every other window of the
// program is reached from here.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Window widths as the layouts give them: outer widths of a window with a
    // four-pixel frame on each side, so the client area is 8 pixels narrower.
    static constexpr int StartWidth = 652;
    static constexpr int DefaultWidth = 643;
    static constexpr int LegendWidth = 791;
    static constexpr int FrameAllowance = 8;
    static constexpr int ClientHeight = 453; // below the menu bar, at start

    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The About box created at start-up; owned by this window.
    void setAboutBox(TAboutBox *about) { m_about = about; }

    // The element button of atomic number z, found by its name "E<z>"; null when z
    // is out of range.
    TEncartaButton *elementButton(int z) const;

    // Outer width in the layout's terms (client width + frame allowance).
    int layoutWidth() const;
    void setLayoutWidth(int outerWidth);

    // Hides the legends, the molar-mass panel and the formula edit, then narrows
    // the window to DefaultWidth.
    void HideLegends();

    int hoveredElement() const { return m_hoveredElement; }
    int selectedElement() const { return m_selectedElement; }
    bool molarMode() const { return m_molarMode; }
    int nextFreeRow() const { return m_nextFreeRow; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenu();
    void buildToolbar(QWidget *client);
    void buildElementButtons(QWidget *client);
    void buildLabels(QWidget *client);
    void FormCreate();

    void elementMouseMove(int z);
    void elementClick(int z);
    void AboutClick();
    void exitClick();

    QWidget *m_client = nullptr;        // central widget, owned by the window
    TBevelPanel *m_speedBar = nullptr;  // owned by m_client
    QComboBox *m_combo = nullptr;       // owned by m_speedBar
    TAboutBox *m_about = nullptr;       // owned by the window
    QAction *m_graphXY = nullptr;
    QAction *m_graphLC = nullptr;
    QAction *m_graph3D = nullptr;
    QAction *m_ensembles = nullptr;

    int m_hoveredElement = 0;
    int m_selectedElement = 0;
    bool m_molarMode = false;
    int m_nextFreeRow = 1;
};
