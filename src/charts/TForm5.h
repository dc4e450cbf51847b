#pragma once

#include "charts/ChartWindow.h"

class ElementStore;
struct GraphSelection;

// The Graph XY window: the second chosen property against the first, for every element
// holding both, as a scatter, as bars and as a line through the points.
class TForm5 : public ChartWindow
{
    Q_OBJECT

public:
    // `selection` holds the chosen properties; it outlives the window. The records are those
    // of `store`, which outlives it too.
    TForm5(const GraphSelection &selection, const ElementStore &store, QWidget *parent = nullptr);

protected:
    void fill(const ElementRecords &records) override;

private:
    const GraphSelection &m_selection;
};
