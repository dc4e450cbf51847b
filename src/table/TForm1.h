#pragma once

#include "controls/MadeOnFirstUse.h"
#include "data/DataFolder.h"
#include "data/ElementRecords.h"
#include "table/ColouringPicture.h"
#include "table/ElementLayout.h"
#include "table/Legends.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QToolButton;
class HoverPanel;
class LegendEdits;
class MainWindowKeys;
class MolarMode;
class OnDemandGraphics;
class TAboutBox;
class TBevelPanel;
class TEncartaButton;
class TForm7;
class TForm8;
class CalculsWindow;
class MnemonicStyle;
class QMenuBar;
class TForm3;
class ElementStore;
class ShownElement;
class TableColourist;
struct PictureSaves;
class TablePictureMenu;
struct ProgramState;

// The main window: the periodic table as its element buttons on navy, with the
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

    // `state` is the program-wide hand-over between windows; the windows show the element
    // data of `store` (opened here when it is not yet) and read the section files of its
    // folder; `pictures` is where the chart and 3-D pictures are saved from. All three
    // outlive the window.
    TForm1(ProgramState &state, ElementStore &store, PictureSaves &pictures,
           QWidget *parent = nullptr);
    ~TForm1() override;

    // The About box, ready-made or made at its first opening; owned by this window.
    void setAboutBox(TAboutBox *about) { m_about.set(about); }
    void setAboutBoxMaker(std::function<TAboutBox *()> make) { m_about.setMaker(std::move(make)); }
    // The molar-mass mode's dialogs created at start-up; owned by this window.
    void setMolarDialogs(TForm7 *data, TForm8 *molarMass);
    MolarMode *molarMode() const { return m_molar; }
    // The sets window, owned by this window; "Ensembles" shows it. The maker makes it at the
    // first opening.
    void setSetsWindow(TForm3 *sets);
    void setSetsWindowMaker(std::function<TForm3 *()> make);

    // The element button of atomic number z, named "E<z>"; null when z is out of range.
    TEncartaButton *elementButton(int z) const;

    // Outer width in the layout's terms (client width + frame allowance).
    int layoutWidth() const;
    void setLayoutWidth(int outerWidth);

    // Hides the legends, the molar-mass panel and the formula edit, then narrows
    // the window to DefaultWidth.
    void HideLegends();

    // Shows the hovered element's data in the hover panel.
    void ShowHoverPanel();
    // Routes a click on the selected element.
    void ElementClicked();
    // The one handler of the colouring list and of the two spin edits of the legends: it
    // applies the mode named by the list's current text.
    void combobox1Change();

    const ProgramState &state() const { return m_state; }
    // The table's keys and its search.
    MainWindowKeys *keys() const { return m_keys; }
    // The atomic number last under the mouse, 0 before the first move.
    int hoveredElement() const { return m_hoveredElement; }
    // The store's records as they are now, posted edits included.
    const ElementRecords &records() const;

    // The table as it shows now, for printing and pictures: the buttons' fills and caption
    // colours, and the legend in view.
    TablePicture tablePicture() const;
    ColouringPicture::Looks buttonLooks() const;
    ColouringPicture::Shown shownColouring() const;
    // The table's context menu and its print, save and copy commands; owned by the window.
    TablePictureMenu *pictureMenu() const { return m_pictureMenu; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openView();
    void connectRestoring();
    // Puts every shipped value back, once the user agrees, and shows the table anew.
    void restoreAllOriginals();
    void connectColouringList();
    // The legends, their value box's edits and the colourist, made at the first colouring.
    void makeColourist();
    void placeLegendsInTabChain();
    void placeAfterTable();
    // Made the first time they are needed: the start-up picture shows neither.
    HoverPanel *hoverPanel();
    TableColourist *colourist();
    void nameElementButtons();
    // The legends but `kept` (may be null), the molar-mass panel and the formula edit hidden,
    // the width kept.
    void hidePanels(const QWidget *kept);

    void buildMenu();
    // « Outils » after the other entries: « Calculs… » opens the classroom calculations.
    void buildToolsMenu(QMenuBar *bar, MnemonicStyle *mnemonics);
    void buildToolbar(QWidget *client);
    void buildElementButtons(QWidget *client);
    void buildLabels(QWidget *client);
    void buildKeyboard();
    void FormCreate();

    // The texts of one element that a click in the molar-mass mode takes.
    struct ElementTexts
    {
        QString symbol;
        QString atomicMass;
    };
    ElementTexts hoveredElementTexts() const;
    void elementMouseMove(int z);
    void elementClick(int z);
    void Graph3D1Click();
    void AboutClick();
    void Ensemble1Click();
    void exitClick();
    void enableEnsembles();

    QWidget *m_client = nullptr;       // central widget, owned by the window
    TBevelPanel *m_speedBar = nullptr; // owned by m_client
    QComboBox *m_combo = nullptr;      // owned by m_speedBar
    MadeOnFirstUse<TAboutBox> m_about;
    MadeOnFirstUse<TForm3> m_sets;
    QAction *m_graphXY = nullptr;
    QAction *m_graphLC = nullptr;
    QAction *m_graph3D = nullptr;
    QAction *m_ensembles = nullptr;
    QPointer<CalculsWindow> m_calculs; // owned by the window, made when first opened
    // The element last under the mouse, for the legend's value box to edit; owned by the
    // window.
    ShownElement *m_hovered = nullptr;
    LegendEdits *m_legendEdits = nullptr; // owned by the window; null before the legends
    HoverPanel *m_panel1 = nullptr;       // owned by m_client; null before the first hover
    std::array<TEncartaButton *, ElementLayout::ElementCount>
        m_buttons{};                       // element z at z - 1, owned by m_client
    LegendControls m_legends;              // owned by m_client; empty before the first colouring
    TableColourist *m_colourist = nullptr; // owned by the window; null before it
    int m_hoveredElement = 0;
    MolarMode *m_molar = nullptr;     // owned by the window
    MainWindowKeys *m_keys = nullptr; // owned by the window
    TablePictureMenu *m_pictureMenu = nullptr;

    TEncartaButton *m_modeButton = nullptr;        // "Mode M / %", owned by m_speedBar
    std::array<QToolButton *, 3> m_imageButtons{}; // Graph XY, L/C, 3D; owned by m_speedBar

    ProgramState &m_state;
    ElementStore &m_store;
    const DataFolder m_folder;
    PictureSaves &m_pictures;
    // The charts, the 3-D graph and the table picture's commands, loaded at the first.
    std::unique_ptr<OnDemandGraphics> m_graphics;
};
