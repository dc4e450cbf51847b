#include "table/TableColourist.h"

#include "controls/TDBEdit.h"
#include "controls/TEncartaButton.h"
#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "tablepicture/CaptionInk.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// A spin edit's value as the modes read it: the whole number its text holds, or the spin
// edit's minimum when the text is not one; nothing when the text is empty.
std::optional<int> spinValue(const QSpinBox &spin)
{
    if (spin.cleanText().isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = spin.cleanText().trimmed().toInt(&ok);
    return ok ? value : spin.minimum();
}

} // namespace

TableColourist::TableColourist(const Buttons &buttons, const LegendControls &legends,
                               const ColouringModes::Table &modes, QObject *parent)
    : QObject(parent), m_buttons(buttons), m_legends(legends), m_modes(modes)
{
    for (const TEncartaButton *button : m_buttons)
        m_buttonsArea += button->geometry();
}

void TableColourist::apply(const ElementRecords &records, const QString &entryText)
{
    const ColouringModes::Mode &mode = m_modes.modeOf(entryText);
    const LegendPanel *panel = m_legends.panelOf(mode.legend);
    if (!panel) {
        paint(records, mode, std::nullopt);
        emit panelsHideRequested(nullptr);
        emit layoutWidthRequested(DefaultWidth);
        return;
    }
    // The window stays at the legends' width while the legend changes: narrowing it to widen
    // it again at once would only lay out and paint the whole window twice more.
    emit layoutWidthRequested(LegendWidth);
    if (mode.legend->valueBox) {
        showLegend(mode, *panel);
        paint(records, mode, std::nullopt);
        return;
    }
    const std::optional<int> parameter =
        panel->parameter ? spinValue(*panel->parameter) : std::nullopt;
    paint(records, mode, parameter);
    if (panel->parameter) {
        const int value = parameter.value_or(panel->parameter->minimum());
        for (std::size_t i = 0; i < panel->readouts.size(); ++i)
            panel->readouts[i]->setText(mode.legend->readouts[i].text(value));
    }
    showLegend(mode, *panel);
}

void TableColourist::showLegend(const ColouringModes::Mode &mode, const LegendPanel &panel)
{
    // The legend applied again stays shown: hidden a moment, it would hand the focus of its
    // value box down the Tab chain.
    emit panelsHideRequested(panel.panel);
    if (panel.heading)
        Legends::setNumericTitle(*panel.heading, mode.heading);
    panel.panel->show();
    if (mode.legend->valueBox && m_legends.dbEdit3)
        m_legends.dbEdit3->setDataField(mode.valueColumn ? ElementColumns::field(*mode.valueColumn)
                                                         : QString());
}

void TableColourist::paint(const ElementRecords &records, const ColouringModes::Mode &mode,
                           std::optional<int> parameter)
{
    const ColouringModes::Readings readings = ColouringModes::readings(
        mode, records, {parameter, QApplication::palette().color(QPalette::Button)});
    // What the buttons say to a screen reader changes with what they show.
    if (const auto &descriptions = readings.descriptions) {
        for (int z = 1; z <= ColouringModes::ElementCount; ++z)
            m_buttons[z - 1]->setAccessibleDescription((*descriptions)[z - 1]);
    }
    // A caption that would vanish on its fill, the one given or the one kept, is drawn in
    // black or white as on paper.
    for (int z = 1; z <= ColouringModes::ElementCount; ++z) {
        const ColouringModes::Look &look = readings.looks[z - 1];
        TEncartaButton *button = m_buttons[z - 1];
        const QColor fill = look.fill.value_or(button->Color());
        button->recolour(look.fill, CaptionInk::legible(fill, look.caption));
    }
    // One repaint of the area the buttons cover: asked of each button in turn, the repaints
    // made Qt compare every button with every button above it.
    m_buttons[0]->parentWidget()->update(m_buttonsArea);
    if (readings.error)
        throw EConvertError(*readings.error);
}
