#include "table/TableColourist.h"

#include "controls/TDBEdit.h"
#include "controls/TEncartaButton.h"
#include "data/TTextTable.h"
#include "table/ColouringRules.h"
#include "table/ElementLayout.h"

#include <QApplication>

#include <algorithm>

TableColourist::TableColourist(TTextTable &view, TDBEdit &reader1, TDBEdit &reader2,
                               ButtonLookup buttons)
    : m_view(view), m_reader1(reader1), m_reader2(reader2), m_buttons(std::move(buttons))
{}

void TableColourist::resetCaptions(bool silver)
{
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        TEncartaButton *button = m_buttons(z);
        button->setFontColor(Qt::black);
        if (silver)
            button->setColor(ColouringRules::Silver);
    }
}

void TableColourist::plainTable()
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        TEncartaButton *button = m_buttons(z);
        button->setColor(face);
        button->setFontColor(Qt::black);
    }
}

void TableColourist::openAtFirst()
{
    if (!m_view.Active())
        m_view.Open();
    m_view.First();
}

void TableColourist::scan(const QString &column1, const QString &column2, const Rule &rule)
{
    openAtFirst();
    m_reader1.setDataField(column1);
    m_reader2.setDataField(column2);
    // Record n is element n; a failing rule leaves the rest of the buttons as they were.
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        rule(*m_buttons(z), m_reader1.text(), m_reader2.text());
        m_view.Next();
    }
    m_view.Close();
}

void TableColourist::greyScale(const QString &column)
{
    openAtFirst();
    m_reader1.setDataField(column);
    resetCaptions();
    // Bounds held at full precision, so that the greatest value comes out black.
    double minimum = 100000;
    double maximum = -100000;
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        const QString text = m_reader1.text();
        if (!text.isEmpty()) {
            const double v = ColouringRules::toNumber(text);
            minimum = std::min(minimum, v);
            maximum = std::max(maximum, v);
        }
        m_view.Next();
    }
    m_view.First();
    for (int z = 1; z <= ElementLayout::ElementCount; ++z) {
        TEncartaButton *button = m_buttons(z);
        const QString text = m_reader1.text();
        if (text.isEmpty()) {
            button->setColor(ColouringRules::Navy);
        } else {
            const auto shade =
                ColouringRules::greyShade(ColouringRules::toNumber(text), minimum, maximum);
            button->setColor(shade.fill);
            if (shade.whiteCaption)
                button->setFontColor(Qt::white);
        }
        m_view.Next();
    }
    m_view.Close();
}
