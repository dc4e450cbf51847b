#pragma once

#include "data/ElementTable.h"
#include "molar/Compound.h"

#include <QObject>

#include <array>
#include <functional>

class CompoundGrid;
class ElementRecords;
class QComboBox;
class QLineEdit;
class QWidget;
class TBevelPanel;
class TChemEdit;
class TEncartaButton;
class TForm7;
class TForm8;
struct ProgramState;

namespace CompoundRules {
struct Outcome;
}

// The main window's widgets that the molar-mass mode shows, hides or paints. They are the
// window's and outlive the mode.
struct MolarWindow
{
    QWidget *client = nullptr;            // the client area: the panel goes on its right
    QWidget *speedBar = nullptr;          // the tool bar: the formula edit goes on it
    TEncartaButton *modeButton = nullptr; // "Mode M / %" on the tool bar
    QComboBox *colouringList = nullptr;   // the tool bar's list, hidden in the mode
    // Element z's button at z - 1, painted button face when the mode is entered; a null one
    // is left alone.
    std::array<TEncartaButton *, ElementTable::ElementCount> elementButtons{};
};

// The molar-mass mode of the main window: entered and left with "Mode M / %", it builds a
// compound one clicked atom at a time and shows its formula, molar mass and mass percentages;
// "% --> FORMULE" goes the other way, from typed percentages to a formula or atom ratios. The
// compound is a value that the grid shows and that the user's edits of the grid change; the
// arithmetic is CompoundRules'. A formula typed into the formula edit and confirmed with Return
// replaces the compound; Escape gives back the formula shown before; a refused one stays to be
// mended, marked as not computed. The panel is built at the first entry.
class MolarMode : public QObject
{
    Q_OBJECT

public:
    static constexpr int PanelWidth = 163;
    static constexpr int ModeWidth = 791;
    static constexpr int PlainWidth = 643;

    // A typed formula takes its atomic masses from `records`, as a click on the element would;
    // `state` and `records` outlive the mode, which reads the records as they are then.
    MolarMode(ProgramState &state, const ElementRecords &records, const MolarWindow &window,
              QObject *parent = nullptr);
    ~MolarMode() override;

    // The dialogs made at start-up (owned by the main window); made on first use otherwise.
    void setDialogs(TForm7 *data, TForm8 *molarMass);

    // "Mode M / %": enters or leaves the mode.
    void EncartaButton1Click();
    // One click on an element while the mode is on: its symbol and atomic mass as the hover
    // panel shows them. Any failure shows "Faites un reset"; what was written stays.
    void addElement(const QString &symbol, const QString &atomicMass);
    // "RESET" and "% --> FORMULE".
    void ResetClick();
    void FormuleClick();
    // Hides the panel and the formula edit, as every change of the main window's mode does.
    void hidePanel();
    // The formula edit's Return: the compound of the typed formula. A formula that cannot be
    // read is reported with its place, the text cursor put there; nothing else changes.
    void formulaReturn();
    // The formula edit's Escape: the formula shown before comes back.
    void formulaEscape();

    TChemEdit *chemEdit() const { return m_chemEdit; }
    CompoundGrid *grid();
    QLineEdit *molarMassField();
    TForm7 *dataDialog();
    TForm8 *molarMassDialog();

    // Shows a message over the main window; replaceable for tests.
    std::function<void(const QString &message)> report;

signals:
    // Entering the mode: the colouring's legends give way to the panel.
    void hideLegendsRequested();
    // The main window's outer width, in the layout's terms, for the mode entered or left.
    void layoutWidthRequested(int outerWidth);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enter();
    void leave();
    void buildPanel();
    void placePanel();
    void percentToFormula();
    bool askPercentages();
    void setCompound(const Compound &compound);
    void showOutcome(const CompoundRules::Outcome &outcome);
    void cellEdited(int row, int column, const QString &text);
    void showFormula(const QString &formula);
    bool applyTypedFormula();
    bool formulaEditEvent(QEvent *event);
    void markComputed(bool typing);

    ProgramState &m_state;
    const ElementRecords &m_records;
    MolarWindow m_window;
    TChemEdit *m_chemEdit = nullptr; // on the tool bar, owned by it
    TBevelPanel *m_panel = nullptr;  // owned by the client area
    CompoundGrid *m_grid = nullptr;  // owned by the panel
    QLineEdit *m_edit3 = nullptr;    // owned by the panel
    TForm7 *m_data = nullptr;        // owned by the main window
    TForm8 *m_molarMass = nullptr;   // owned by the main window
    bool m_centred = false;          // the first entry of the run has centred the window
    Compound m_compound;             // what the grid shows
    QString m_shownFormula;          // what the program last wrote into the formula edit
    bool m_refused = false;          // the edit holds a formula refused and not yet mended
};
