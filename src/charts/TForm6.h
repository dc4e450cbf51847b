#pragma once

#include "charts/ChartWindow.h"

class ElementStore;
struct GraphSelection;

// The Graph L/C window: the chosen property against each element's row of the table and,
// on the second tab, against its column.
class TForm6 : public ChartWindow
{
    Q_OBJECT

public:
    // `selection` holds the chosen property as its X part; it outlives the window. The
    // records are those of `store`, which outlives it too.
    TForm6(const GraphSelection &selection, const ElementStore &store, QWidget *parent = nullptr);

protected:
    void fill(const ElementRecords &records) override;

private:
    const GraphSelection &m_selection;
};
