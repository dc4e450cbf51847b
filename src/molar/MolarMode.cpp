#include "molar/MolarMode.h"

#include "controls/ErrorBox.h"
#include "controls/Fonts.h"
#include "controls/TBevelPanel.h"
#include "controls/TEncartaButton.h"
#include "data/Errors.h"
#include "data/Numbers.h"
#include "data/ProgramState.h"
#include "molar/CompoundGrid.h"
#include "molar/TChemEdit.h"
#include "molar/TForm7.h"
#include "molar/TForm8.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>

#include <cmath>

namespace {

const QString ModeCaption = QStringLiteral("Mode M / %");
const QString ModeHint = QStringLiteral(
    "Cliquez ici  pour calculer la masse molaire d\"un composé et son pourcentage massique.");
const QString PropertiesCaption = QStringLiteral("Mode propriétés");
const QString PropertiesHint = QStringLiteral("Cliquez ici  pour passer en mode propriétés");
const QString ProbablePrefix = QStringLiteral("formule probable : ");
constexpr int ElementCount = 103;
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

int toInteger(const QString &text)
{
    const std::optional<int> value = Numbers::parseInteger(text);
    if (!value)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

double toFloat(const QString &text)
{
    const std::optional<double> value = Numbers::parseDecimal(text);
    if (!value)
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return *value;
}

// A result that a double cannot hold is reported, never written as a number.
double representable(double value)
{
    if (!std::isfinite(value))
        throw MirelonError(QStringLiteral("Dépassement de capacité en virgule flottante"));
    return value;
}

double divide(double dividend, double divisor)
{
    if (divisor == 0)
        throw MirelonError(QStringLiteral("Division par zéro"));
    return representable(dividend / divisor);
}

// The count of a probable formula: the nearest integer, halves to the even one.
QString roundedCount(double value)
{
    const double rounded = std::nearbyint(representable(value));
    if (std::fabs(rounded) >= 9.2e18)
        throw MirelonError(QStringLiteral("Dépassement de capacité en virgule flottante"));
    return QString::number(static_cast<qint64>(rounded));
}

} // namespace

MolarMode::MolarMode(ProgramState &state, const MolarWindow &window, QObject *parent)
    : QObject(parent), m_state(state), m_window(window)
{
    m_chemEdit = new TChemEdit(window.speedBar);
    m_chemEdit->setObjectName(QStringLiteral("ChemEdit1"));
    // The tool bar's layout gives the height; set first, no font is measured for it.
    m_chemEdit->setAutoSize(false);
    QPalette silver = m_chemEdit->palette();
    silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    m_chemEdit->setPalette(silver);
    m_chemEdit->setFormulaAlignment(TChemString::Alignment::Center);
    m_chemEdit->setSubPercent(75);
    m_chemEdit->setAutoSubscript(true);
    // Only a click gives it the focus: shown for the formula, it is not a stop of the tab chain,
    // which would turn it into a plain edit each time the window takes the focus back.
    m_chemEdit->setFocusPolicy(Qt::ClickFocus);
    m_chemEdit->setGeometry(592, 4, 185, 26);
    m_chemEdit->clear();
    m_chemEdit->hide();
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

TEncartaButton *MolarMode::modeButton() const
{
    return m_window.speedBar->findChild<TEncartaButton *>(QStringLiteral("EncartaButton1"));
}

QComboBox *MolarMode::colouringList() const
{
    return m_window.speedBar->findChild<QComboBox *>(QStringLiteral("combobox1"));
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
    m_grid->setGeometry(9, 8, 145, 217);
    m_grid->setRows(m_state.nextFreeRow + 1);

    auto *label = new QLabel(QStringLiteral("Masse Molaire (g/mol) :"), m_panel);
    label->setObjectName(QStringLiteral("Label20"));
    label->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 12, true));
    label->move(17, 240);
    label->adjustSize();

    m_edit3 = new QLineEdit(QStringLiteral("  "), m_panel);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setGeometry(17, 264, 121, 21);
    m_edit3->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    QPalette orange = m_edit3->palette();
    orange.setColor(QPalette::Base, QColor(0xF9, 0xB0, 0x68));
    m_edit3->setPalette(orange);

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
    return QObject::eventFilter(watched, event);
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
    TEncartaButton *button = modeButton();
    button->setCaption(PropertiesCaption);
    button->setToolTip(PropertiesHint);
    colouringList()->hide();
    m_window.hideLegends();
    m_window.setLayoutWidth(ModeWidth);
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
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int z = 1; z <= ElementCount; ++z) {
        if (TEncartaButton *element = m_window.elementButton(z)) {
            element->setColor(face);
            element->setFontColor(Qt::black);
        }
    }
    m_grid->writeHeaders();
}

void MolarMode::leave()
{
    m_state.molarMode = false;
    TEncartaButton *button = modeButton();
    button->setCaption(ModeCaption);
    button->setToolTip(ModeHint);
    QComboBox *list = colouringList();
    list->show();
    {
        // Written by the program, the text applies no colouring.
        const QSignalBlocker quiet(list);
        list->setEditText(QStringLiteral("Propriétés"));
    }
    m_chemEdit->hide();
    m_panel->hide();
    m_window.setLayoutWidth(PlainWidth);
}

void MolarMode::addElement(const QString &symbol, const QString &atomicMass)
{
    try {
        addAtom(symbol, atomicMass);
    } catch (...) {
        report(QStringLiteral("Faites un reset"));
    }
}

void MolarMode::addAtom(const QString &symbol, const QString &atomicMass)
{
    CompoundGrid &grid = *this->grid();
    grid.commitEdit();
    int &next = m_state.nextFreeRow;
    bool found = false;
    for (int row = 1; row <= next; ++row) {
        if (grid.cell(row, CompoundGrid::El) != symbol)
            continue;
        found = true;
        const qint64 count = qint64(toInteger(grid.cell(row, CompoundGrid::Mol))) + 1;
        if (count > std::numeric_limits<int>::max())
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(count));
        grid.setCell(row, CompoundGrid::Mol, QString::number(count));
    }
    if (!found) {
        grid.setRows(grid.rows() + 1);
        grid.setCell(next, CompoundGrid::El, symbol);
        grid.setCell(next, CompoundGrid::M, atomicMass);
        grid.setCell(next, CompoundGrid::Mol, QStringLiteral("1"));
        // The new element comes into sight, however long the compound.
        grid.scrollToItem(grid.item(next - 1, CompoundGrid::El));
        ++next;
    }
    recompute();
}

void MolarMode::recompute()
{
    CompoundGrid &grid = *m_grid;
    const int last = m_state.nextFreeRow - 1;
    QString formula;
    for (int row = 1; row <= last; ++row)
        formula += grid.cell(row, CompoundGrid::El) + grid.cell(row, CompoundGrid::Mol);
    double molarMass = 0;
    for (int row = 1; row <= last; ++row)
        molarMass +=
            toInteger(grid.cell(row, CompoundGrid::Mol)) * toFloat(grid.cell(row, CompoundGrid::M));
    representable(molarMass);
    m_chemEdit->setText(formula);
    m_edit3->setText(Numbers::formatGeneral(molarMass, 6));
    // Shown as they are; only the percentages need a molar mass to divide by.
    if (molarMass == 0)
        throw MirelonError(QStringLiteral("Division par zéro"));
    for (int row = 1; row <= last; ++row) {
        const double mol = toInteger(grid.cell(row, CompoundGrid::Mol));
        const double mass = toFloat(grid.cell(row, CompoundGrid::M));
        // Times 100 before the division: the order decides which way a value on a rounding
        // tie goes (Co + Ru gives 36,8312 and 63,1688, which add up to 100). Only masses
        // near the largest double, which would overflow that way, take the share first.
        const double scaled = mol * 100.0 * mass;
        const double share =
            std::isfinite(scaled) ? scaled / molarMass : mol * mass / molarMass * 100.0;
        grid.setCell(row, CompoundGrid::Percent, Numbers::formatGeneral(representable(share), 6));
    }
}

void MolarMode::ResetClick()
{
    CompoundGrid &grid = *this->grid();
    grid.commitEdit();
    m_chemEdit->clear();
    m_edit3->clear();
    for (int row = 1; row <= m_state.nextFreeRow; ++row)
        for (int column = 0; column < 4; ++column)
            grid.setCell(row, column, QString());
    grid.setRows(2);
    m_state.nextFreeRow = 1;
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
    CompoundGrid &grid = *this->grid();
    grid.commitEdit();
    m_chemEdit->clear();
    m_edit3->clear();
    const int next = m_state.nextFreeRow;
    for (int row = 1; row <= next; ++row) {
        grid.setCell(row, CompoundGrid::Mol, QString());
        grid.setCell(row, CompoundGrid::Percent, QString());
    }
    m_state.percentSum = 0;
    TForm7 &data = *dataDialog();
    for (int row = 1; row < next; ++row) {
        m_state.dialogRow = row;
        data.run(grid.cell(row, CompoundGrid::El), grid.cell(row, CompoundGrid::M),
                 Numbers::formatGeneral(100 - m_state.percentSum, 15));
        m_state.percentSum += data.percent();
        grid.setCell(row, CompoundGrid::M, data.molarMassText());
        grid.setCell(row, CompoundGrid::Percent, data.percentText());
    }
    // Moles of each element in one gram of the compound.
    for (int row = 1; row < next; ++row) {
        const double moles = divide(toFloat(grid.cell(row, CompoundGrid::Percent)) * 0.01,
                                    toFloat(grid.cell(row, CompoundGrid::M)));
        grid.setCell(row, CompoundGrid::Mol, Numbers::formatGeneral(moles, 15));
    }
    if (const std::optional<QString> typed = molarMassDialog()->run())
        m_edit3->setText(*typed);
    if (!m_edit3->text().isEmpty())
        probableFormula(m_edit3->text());
    else
        atomRatios();
}

void MolarMode::probableFormula(const QString &molarMass)
{
    CompoundGrid &grid = *m_grid;
    const int last = m_state.nextFreeRow - 1;
    const double mass = toFloat(molarMass);
    // Atoms of each element in one formula unit.
    for (int row = 1; row <= last; ++row) {
        const double atoms = representable(toFloat(grid.cell(row, CompoundGrid::Mol)) * mass);
        grid.setCell(row, CompoundGrid::Mol, Numbers::formatGeneral(atoms, 15));
    }
    QString formula;
    for (int row = 1; row <= last; ++row)
        formula += grid.cell(row, CompoundGrid::El) +
                   roundedCount(toFloat(grid.cell(row, CompoundGrid::Mol)));
    m_chemEdit->setText(ProbablePrefix + formula);
}

void MolarMode::atomRatios()
{
    CompoundGrid &grid = *m_grid;
    const int last = m_state.nextFreeRow - 1;
    double smallest = 100000;
    for (int row = 1; row <= last; ++row)
        smallest = std::min(smallest, toFloat(grid.cell(row, CompoundGrid::Mol)));
    for (int row = 1; row <= last; ++row) {
        const double ratio = divide(toFloat(grid.cell(row, CompoundGrid::Mol)), smallest);
        grid.setCell(row, CompoundGrid::Mol, Numbers::formatGeneral(ratio, 4));
    }
}
