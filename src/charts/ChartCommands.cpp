#include "charts/ChartCommands.h"

#include "charts/TForm5.h"
#include "charts/TForm6.h"
#include "charts/TFormgr.h"
#include "data/GraphSelection.h"

namespace ChartCommands {

void GraphXY1Click(TFormgr &chooser, GraphSelection &selection, const ElementStore &store,
                   PictureSaves &pictures, QWidget *parent)
{
    selection.clearXY();
    chooser.choose(QStringLiteral("Abscisse"));
    if (selection.xColumn.isEmpty())
        return;
    chooser.choose(QStringLiteral("Ordonnée"));
    if (selection.yColumn.isEmpty())
        return;
    TForm5 window(selection, store, parent);
    window.setPictureSaves(&pictures);
    window.exec();
}

void GraphLC1Click(TFormgr &chooser, GraphSelection &selection, const ElementStore &store,
                   PictureSaves &pictures, QWidget *parent)
{
    selection.clearX();
    chooser.choose(QStringLiteral("Proprieté"));
    if (selection.xColumn.isEmpty())
        return;
    TForm6 window(selection, store, parent);
    window.setPictureSaves(&pictures);
    window.exec();
}

} // namespace ChartCommands
