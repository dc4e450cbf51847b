#include "charts/TForm6.h"

#include "data/GraphSelection.h"

TForm6::TForm6(const GraphSelection &selection, const ElementStore &store, QWidget *parent)
    : ChartWindow(
          QStringLiteral("Graphique Ligne/Colonne"), {602, 482}, {121, 56},
          {{"Lignes", ElementChart::Kind::Points}, {"Colonnes", ElementChart::Kind::Points}},
          {7, true}, store, parent),
      m_selection(selection)
{
    setObjectName(QStringLiteral("Form6"));
}

void TForm6::fill(const ElementRecords &records)
{
    chart(0)->setTitles(QStringLiteral("Lignes"), m_selection.xTitle);
    chart(1)->setTitles(QStringLiteral("Colonnes"), m_selection.xTitle);
    const ChartFill::RowColumn points = ChartFill::rowColumn(records, m_selection.xColumn);
    chart(0)->setPoints(points.byRow);
    chart(1)->setPoints(points.byColumn);
}
