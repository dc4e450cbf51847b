#include "molar/MolarMode.h"

#include "controls/AccessibleNames.h"
#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "controls/TEncartaButton.h"
#include "data/ProgramState.h"
#include "molar/CompoundGrid.h"
#include "molar/CompoundRules.h"
#include "molar/ElementMasses.h"
#include "molar/TChemEdit.h"
#include "molar/TForm7.h"
#include "molar/TForm8.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>

#include <optional>

namespace {

const QString ModeCaption = QStringLiteral("Mode M / %");
const QString ModeHint = QStringLiteral(
    "Cliquez ici  pour calculer la masse molaire d\"un composé et son pourcentage massique.");
const QString PropertiesCaption = QStringLiteral("Mode propriétés");
const QString PropertiesHint = QStringLiteral("Cliquez ici  pour passer en mode propriétés");
const QString NotComputedHint =
    QStringLiteral("Formule non calculée : la masse molaire et le tableau ne sont pas les siens. "
                   "Entrée la calcule, Échap rend la formule calculée.");
const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor NotComputedColour(0xF4, 0xB8, 0xB8);

// What a screen reader hears of the result: "Masse molaire de H2O : 18,02 g/mol".
QString spokenResult(const QString &formula, const QString &molarMass)
{
    const QString mass = molarMass.simplified();
    if (mass.isEmpty())
        return QStringLiteral("Masse molaire");
    const QString of = formula.isEmpty() ? QString() : QStringLiteral(" de ") + formula;
    return QStringLiteral("Masse molaire%1 : %2 g/mol").arg(of, mass);
}
constexpr int ToolbarHeight = 33;

struct PanelButton
{
    const char *name;
    const char *caption;
    QRect geometry;
    const char *hint;
};
const PanelButton PanelButtons[] = {
    {"EncartaButton2", "RESET", {38, 312, 86, 22}, ""},
    {"EncartaButton3",
     "% --> FORMULE",
     {16, 352, 129, 22},
     "Formule chimique a partir des % massiques"},
};

} // namespace

MolarMode::MolarMode(ProgramState &state, const ElementRecords &records, const MolarWindow &window,
                     QObject *parent)
    : QObject(parent), m_state(state), m_records(records), m_window(window)
{
    withDefaultFont(window.speedBar->font(),
                    [this, &window] { m_chemEdit = new TChemEdit(window.speedBar); });
    m_chemEdit->setObjectName(QStringLiteral("ChemEdit1"));
    m_chemEdit->setAccessibleName(QStringLiteral("Formule du composé"));
    // The tool bar's layout gives the height; set first, no font is measured for it.
    m_chemEdit->setAutoSize(false);
    QPalette silver = m_chemEdit->palette();
    silver.setColor(QPalette::Base, Silver);
    m_chemEdit->setPalette(silver);
    m_chemEdit->setFormulaAlignment(TChemString::Alignment::Center);
    m_chemEdit->setSubPercent(75);
    m_chemEdit->setAutoSubscript(true);
    // A click or Tab gives it the focus; Return or Escape hands the focus back to the window,
    // which does not give it to the edit again on its own: the formula shows, not plain text.
    m_chemEdit->setFocusPolicy(Qt::StrongFocus);
    m_chemEdit->setGeometry(592, 4, 185, 26);
    m_chemEdit->clear();
    m_chemEdit->hide();
    m_chemEdit->installEventFilter(this);
    connect(m_chemEdit, &QLineEdit::textChanged, this,
            [this] { markComputed(m_chemEdit->hasFocus()); });
    window.client->installEventFilter(this);
    report = [this](const QString &message) { showErrorBox(message, m_window.client->window()); };
}

MolarMode::~MolarMode() = default;

void MolarMode::setDialogs(TForm7 *data, TForm8 *molarMass)
{
    m_data = data;
    m_molarMass = molarMass;
}

TForm7 *MolarMode::dataDialog()
{
    if (!m_data)
        m_data = new TForm7(m_window.client->window());
    return m_data;
}

TForm8 *MolarMode::molarMassDialog()
{
    if (!m_molarMass)
        m_molarMass = new TForm8(m_window.client->window());
    return m_molarMass;
}

CompoundGrid *MolarMode::grid()
{
    buildPanel();
    return m_grid;
}

QLineEdit *MolarMode::molarMassField()
{
    buildPanel();
    return m_edit3;
}

void MolarMode::buildPanel()
{
    if (m_panel)
        return;
    // Loading the formula's bold face costs more than the rest of the mode's start: it waits,
    // with the panel, for the first entry; the edit is hidden until then.
    m_chemEdit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
    m_panel = new TBevelPanel(m_window.client);
    m_panel->setObjectName(QStringLiteral("Panel3"));
    m_panel->setColor(QApplication::palette().color(QPalette::Button));
    // Its controls stand on button face, not on the window's navy.
    QPalette face = m_panel->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    m_panel->setPalette(face);
    m_panel->hide();

    m_grid = new CompoundGrid(m_panel);
    m_grid->setAccessibleName(QStringLiteral("Composé"));
    m_grid->setGeometry(9, 8, 145, 217);
    m_grid->showCompound(m_compound);
    connect(m_grid, &CompoundGrid::cellEdited, this, &MolarMode::cellEdited);

    auto *label = new QLabel(QStringLiteral("Masse Molaire (g/mol) :"), m_panel);
    label->setObjectName(QStringLiteral("Label20"));
    label->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
    label->move(17, 240);
    label->adjustSize();

    m_edit3 = new QLineEdit(QStringLiteral("  "), m_panel);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setAccessibleName(AccessibleNames::fromCaption(label->text()));
    m_edit3->setGeometry(17, 264, 121, 21);
    m_edit3->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    QPalette orange = m_edit3->palette();
    orange.setColor(QPalette::Base, QColor(0xF9, 0xB0, 0x68));
    m_edit3->setPalette(orange);
    // Each new molar mass renames the panel, which a screen reader announces.
    m_panel->setAccessibleName(spokenResult({}, {}));
    connect(m_edit3, &QLineEdit::textChanged, this, [this](const QString &mass) {
        const QString spoken = spokenResult(m_shownFormula, mass);
        if (m_panel->accessibleName() != spoken)
            m_panel->setAccessibleName(spoken);
    });

    for (const PanelButton &row : PanelButtons) {
        auto *button = new TEncartaButton(m_panel);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry(row.geometry);
        button->setCaption(QString::fromLatin1(row.caption));
        button->setColorBorder(Qt::black);
        button->setFont(pixelFont(QStringLiteral("Arial"), 15, true));
        button->setToolTip(QString::fromLatin1(row.hint));
        connect(button, &TEncartaButton::clicked, this,
                &row == PanelButtons ? &MolarMode::ResetClick : &MolarMode::FormuleClick);
    }
    placePanel();
}

void MolarMode::placePanel()
{
    const QWidget *client = m_window.client;
    m_panel->setGeometry(client->width() - PanelWidth, ToolbarHeight, PanelWidth,
                         client->height() - ToolbarHeight);
}

bool MolarMode::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.client && event->type() == QEvent::Resize && m_panel)
        placePanel();
    if (watched == m_chemEdit && formulaEditEvent(event))
        return true;
    return QObject::eventFilter(watched, event);
}

// Return and Escape end the typing of a formula. Leaving the edit otherwise (a click elsewhere,
// Tab) applies what was typed as Return does, as a grid cell being typed counts as typed; the
// focus lent to a message box or a menu ends nothing.
bool MolarMode::formulaEditEvent(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            formulaReturn();
        else if (key == Qt::Key_Escape)
            formulaEscape();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    }
    if (event->type() == QEvent::FocusIn)
        markComputed(true);
    if (event->type() != QEvent::FocusOut)
        return false;
    markComputed(false);
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        applyTypedFormula())
        return false;
    // A formula that cannot be read stays to be mended where the fault was shown; an edit
    // that has been hidden gives back what it showed.
    if (m_chemEdit->isVisible())
        QMetaObject::invokeMethod(
            m_chemEdit, [edit = m_chemEdit] { edit->setFocus(); }, Qt::QueuedConnection);
    else
        m_chemEdit->setText(m_shownFormula);
    return false;
}

void MolarMode::formulaReturn()
{
    if (applyTypedFormula())
        m_chemEdit->clearFocus();
}

void MolarMode::formulaEscape()
{
    m_chemEdit->setText(m_shownFormula);
    m_chemEdit->clearFocus();
}

// The compound of a formula typed and not yet applied; false when it cannot be read, the
// fault then reported and the text cursor put on it.
bool MolarMode::applyTypedFormula()
{
    const QString typed = m_chemEdit->text();
    if (typed == m_shownFormula)
        return true;
    const CompoundRules::Outcome outcome =
        CompoundRules::fromFormula(m_compound, typed, [this](const QString &symbol) {
            return ElementMasses::of(m_records, symbol);
        });
    if (outcome.failed()) {
        m_refused = true;
        markComputed(m_chemEdit->hasFocus());
        m_chemEdit->setCursorPosition(int(outcome.position) - 1);
        report(outcome.error);
        return false;
    }
    showOutcome(outcome);
    return true;
}

// Beside the mass and the grid, the edit shows the formula they were computed from; a text
// that is not it (refused, or typed and left for another window) is marked by its colour and
// tool tip until it is computed or Escape gives back the formula computed. While the user types
// a text never refused, the plain edit look says enough.
void MolarMode::markComputed(bool typing)
{
    const bool computed = m_chemEdit->text() == m_shownFormula;
    if (computed)
        m_refused = false;
    const bool marked = !computed && (m_refused || !typing);
    const QColor base = marked ? NotComputedColour : Silver;
    if (m_chemEdit->palette().color(QPalette::Base) != base) {
        QPalette palette = m_chemEdit->palette();
        palette.setColor(QPalette::Base, base);
        m_chemEdit->setPalette(palette);
    }
    m_chemEdit->setToolTip(marked ? NotComputedHint : QString());
    m_chemEdit->setAccessibleDescription(marked ? NotComputedHint : QString());
}

void MolarMode::EncartaButton1Click()
{
    if (m_state.molarMode)
        leave();
    else
        enter();
}

void MolarMode::enter()
{
    m_state.molarMode = true;
    m_window.modeButton->setCaption(PropertiesCaption);
    m_window.modeButton->setToolTip(PropertiesHint);
    m_window.colouringList->hide();
    emit hideLegendsRequested();
    emit layoutWidthRequested(ModeWidth);
    QWidget *window = m_window.client->window();
    if (!m_centred) {
        // Only the first entry of the run places the window in the middle of the screen.
        m_centred = true;
        if (const QScreen *screen = window->screen()) {
            const QRect area = screen->geometry();
            const QSize frame = window->frameGeometry().size();
            window->move(area.x() + (area.width() - frame.width()) / 2,
                         area.y() + (area.height() - frame.height()) / 2);
        }
    }
    buildPanel();
    m_chemEdit->show();
    m_panel->show();
    // Shown, the edit may be handed the window's focus: it would then show plain text.
    if (m_chemEdit->hasFocus())
        m_chemEdit->clearFocus();
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (TEncartaButton *element : m_window.elementButtons) {
        if (element) {
            element->setColor(face);
            element->setFontColor(Qt::black);
        }
    }
    m_grid->writeHeaders();
}

void MolarMode::leave()
{
    m_state.molarMode = false;
    m_window.modeButton->setCaption(ModeCaption);
    m_window.modeButton->setToolTip(ModeHint);
    QComboBox *list = m_window.colouringList;
    list->show();
    {
        // Written by the program, the text applies no colouring.
        const QSignalBlocker quiet(list);
        list->setEditText(QStringLiteral("Propriétés"));
    }
    m_chemEdit->hide();
    m_panel->hide();
    emit layoutWidthRequested(PlainWidth);
}

void MolarMode::hidePanel()
{
    m_chemEdit->hide();
    if (m_panel)
        m_panel->hide();
}

void MolarMode::addElement(const QString &symbol, const QString &atomicMass)
{
    grid()->commitEdit();
    if (!applyTypedFormula())
        return;
    CompoundRules::Outcome outcome = CompoundRules::addAtoms(m_compound, symbol, atomicMass);
    if (!outcome.failed())
        outcome = CompoundRules::recompute(outcome.compound);
    // What was typed is applied: the formula of the clicks is drawn, not edited.
    m_chemEdit->clearFocus();
    showOutcome(outcome);
}

void MolarMode::ResetClick()
{
    grid()->commitEdit();
    showFormula({});
    m_edit3->clear();
    setCompound(Compound());
}

void MolarMode::FormuleClick()
{
    try {
        percentToFormula();
    } catch (const std::exception &error) {
        report(QString::fromUtf8(error.what()));
    }
}

void MolarMode::percentToFormula()
{
    grid()->commitEdit();
    if (!applyTypedFormula())
        return;
    // Given up in "Données", the run leaves the compound and both fields as it found them.
    const Compound before = m_compound;
    const QString formula = m_shownFormula;
    const QString molarMass = m_edit3->text();
    showFormula({});
    m_edit3->clear();
    if (!askPercentages()) {
        setCompound(before);
        showFormula(formula);
        m_edit3->setText(molarMass);
        return;
    }
    const CompoundRules::Outcome moles = CompoundRules::molesPerGram(m_compound);
    showOutcome(moles);
    if (moles.failed())
        return;
    if (const std::optional<QString> typed = molarMassDialog()->run())
        m_edit3->setText(*typed);
    showOutcome(CompoundRules::formulaFromMoles(m_compound, m_edit3->text()));
}

// Empties the amounts and percentages, then has "Données" give each element's percentage and
// molar mass, row after row; the grid shows each answer as it comes. False when the user gave
// up.
bool MolarMode::askPercentages()
{
    Compound cleared = m_compound;
    for (int number = 1; CompoundRow *row = cleared.row(number); ++number) {
        row->count.clear();
        row->percent.clear();
    }
    setCompound(cleared);
    TForm7 &data = *dataDialog();
    double confirmed = 0; // the percentages confirmed so far in this run
    for (int index = 0; index < m_compound.rows.size(); ++index) {
        const CompoundRow &row = m_compound.rows[index];
        if (!data.run(row.symbol, row.mass, CompoundRules::proposedPercent(confirmed)))
            return false;
        confirmed += data.percent();
        Compound answered = m_compound;
        answered.rows[index].mass = data.molarMassText();
        answered.rows[index].percent = data.percentText();
        setCompound(answered);
    }
    return true;
}

void MolarMode::setCompound(const Compound &compound)
{
    const qsizetype before = m_compound.rows.size();
    m_compound = compound;
    m_state.nextFreeRow = int(compound.rows.size()) + 1;
    CompoundGrid &grid = *this->grid();
    grid.showCompound(compound);
    // A new element comes into sight, however long the compound.
    if (compound.rows.size() > before)
        grid.scrollToItem(grid.item(int(compound.rows.size()) - 1, CompoundRow::El));
}

void MolarMode::showOutcome(const CompoundRules::Outcome &outcome)
{
    setCompound(outcome.compound);
    if (outcome.formula)
        showFormula(*outcome.formula);
    if (outcome.molarMass)
        m_edit3->setText(*outcome.molarMass);
    if (outcome.failed())
        report(outcome.error);
}

void MolarMode::showFormula(const QString &formula)
{
    m_shownFormula = formula;
    m_chemEdit->setText(formula);
    markComputed(m_chemEdit->hasFocus());
}

void MolarMode::cellEdited(int row, int column, const QString &text)
{
    if (CompoundRow *edited = m_compound.row(row))
        edited->cell(column) = text;
}
