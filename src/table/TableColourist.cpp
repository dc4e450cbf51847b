#include "table/TableColourist.h"

#include "controls/TDBEdit.h"
#include "controls/TEncartaButton.h"
#include "data/ElementRecords.h"
#include "data/Errors.h"
#include "data/Numbers.h"
#include "table/ColouringDescriptions.h"
#include "table/ColouringEntries.h"
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

TableColourist::TableColourist(Window window) : m_window(std::move(window))
{
    for (const TEncartaButton *button : m_window.buttons)
        m_buttonsArea += button->geometry();
}

void TableColourist::apply(const ElementRecords &records, const QString &entryText, int entryIndex)
{
    const Colouring::Mode mode = Colouring::modeOf(entryText);
    switch (mode) {
    case Colouring::Mode::Plain:
        paint(records, {mode, {}, {}, QApplication::palette().color(QPalette::Button)});
        m_window.hidePanels(nullptr);
        m_window.setLayoutWidth(DefaultWidth);
        return;
    case Colouring::Mode::Family:
    case Colouring::Mode::Block:
    case Colouring::Mode::AcidBase:
        m_window.setLayoutWidth(LegendWidth);
        return applyCategory(records, mode);
    case Colouring::Mode::PhysicalState:
        m_window.setLayoutWidth(LegendWidth);
        return applyPhysicalState(records);
    case Colouring::Mode::Discovery:
        m_window.setLayoutWidth(LegendWidth);
        return applyDiscovery(records);
    case Colouring::Mode::Numeric:
        m_window.setLayoutWidth(LegendWidth);
        return applyNumeric(records, entryIndex);
    }
}

void TableColourist::paint(const ElementRecords &records, const Colouring::Choice &choice)
{
    const Colouring::Looks looks = Colouring::looks(records, choice);
    // What the buttons say to a screen reader changes with what they show.
    if (const auto descriptions = ColouringDescriptions::of(records, choice)) {
        for (int z = 1; z <= Colouring::ElementCount; ++z)
            m_window.buttons[z - 1]->setAccessibleDescription((*descriptions)[z - 1]);
    }
    // A caption that would vanish on its fill, the one given or the one kept, is drawn in
    // black or white as on paper.
    for (int z = 1; z <= Colouring::ElementCount; ++z) {
        const Colouring::Look &look = looks.buttons[z - 1];
        TEncartaButton *button = m_window.buttons[z - 1];
        const QColor fill = look.fill.value_or(button->Color());
        button->recolour(look.fill, CaptionInk::legible(fill, look.caption));
    }
    // One repaint of the area the buttons cover: asked of each button in turn, the repaints
    // made Qt compare every button with every button above it.
    m_window.buttons[0]->parentWidget()->update(m_buttonsArea);
    if (looks.error)
        throw EConvertError(*looks.error);
}

void TableColourist::applyCategory(const ElementRecords &records, Colouring::Mode mode)
{
    paint(records, {mode});
    const int legend = mode == Colouring::Mode::Family ? 0 : mode == Colouring::Mode::Block ? 1 : 2;
    // The window stays at the legends' width: narrowing it to widen it again at once would
    // only lay out and paint the whole window twice more.
    m_window.hidePanels(m_window.legends.legende[legend]);
    m_window.legends.legende[legend]->show();
    m_window.setLayoutWidth(LegendWidth);
}

void TableColourist::showLegend(int shown, std::initializer_list<int> hiddenFirst)
{
    for (int hidden : hiddenFirst)
        m_window.legends.legende[hidden]->hide();
    m_window.legends.legende[shown]->show();
    m_window.legends.panel2->hide();
}

void TableColourist::applyPhysicalState(const ElementRecords &records)
{
    const QSpinBox &spin = *m_window.legends.spinEdit1;
    const std::optional<int> temperature = spinValue(spin);
    paint(records, {Colouring::Mode::PhysicalState, temperature});
    const int t = temperature.value_or(spin.minimum());
    m_window.legends.edit1->setText(Numbers::formatGeneral(t - 273.15, 15));
    m_window.legends.edit2->setText(Numbers::formatGeneral(t * 1.8 - 459.67, 15));
    showLegend(3, {4, 0, 1, 2});
    if (m_window.layoutWidth() != LegendWidth)
        m_window.setLayoutWidth(LegendWidth);
}

void TableColourist::applyDiscovery(const ElementRecords &records)
{
    const std::optional<int> year = spinValue(*m_window.legends.spinEdit2);
    paint(records, {Colouring::Mode::Discovery, year});
    showLegend(4, {0, 3, 1, 2});
    m_window.setLayoutWidth(LegendWidth);
}

void TableColourist::applyNumeric(const ElementRecords &records, int entryIndex)
{
    std::optional<Column> column;
    QString title;
    if (const auto property = ColouringEntries::numericProperty(entryIndex)) {
        column = property->column;
        title = property->axisTitle();
    }
    // The legend applied again stays shown: hidden a moment, it would hand the focus of its
    // value box down the Tab chain.
    m_window.hidePanels(m_window.legends.panel2);
    m_window.setLayoutWidth(LegendWidth);
    Legends::setNumericTitle(*m_window.legends.rxLabel1, title);
    m_window.legends.panel2->show();
    m_window.legends.dbEdit3->setDataField(column ? ElementColumns::field(*column) : QString());
    paint(records, {Colouring::Mode::Numeric, {}, column});
}
