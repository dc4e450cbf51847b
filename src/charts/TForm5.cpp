#include "charts/TForm5.h"

#include "data/GraphSelection.h"

TForm5::TForm5(const GraphSelection &selection, const ElementStore &store, QWidget *parent)
    : ChartWindow(QStringLiteral("graphique"), {608, 489}, {118, 53},
                  {{"Nuage de points", ElementChart::Kind::Points},
                   {"Histogramme", ElementChart::Kind::Bars},
                   {"Courbe de tendance", ElementChart::Kind::Line}},
                  {}, store, parent),
      m_selection(selection)
{
    setObjectName(QStringLiteral("Form5"));
    // The zoom of the scatter chart takes seven steps; the other two the default eight.
    for (int tab : {1, 2})
        chart(tab)->setZoomSteps(8);
}

void TForm5::fill(const ElementRecords &records)
{
    for (int tab = 0; tab < 3; ++tab)
        chart(tab)->setTitles(m_selection.xTitle, m_selection.yTitle);
    const ChartPoints points = ChartFill::xy(records, m_selection.xColumn, m_selection.yColumn);
    for (int tab = 0; tab < 3; ++tab)
        chart(tab)->setPoints(points);
}
