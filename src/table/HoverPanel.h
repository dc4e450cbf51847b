#pragma once

#include "controls/TBevelPanel.h"
#include "data/ElementColumns.h"
#include "data/ElementRecords.h"

#include <QHash>
#include <QString>

#include <utility>
#include <vector>

class ElementStore;
class QLineEdit;

// The small panel that shows the main data of the element under the mouse, each box the text
// of one column as the element table holds it. A mouse move over the panel's own surface
// hides it.
class HoverPanel : public TBevelPanel
{
    Q_OBJECT

public:
    // The store, which outlives the panel, tells where the values come from.
    explicit HoverPanel(const ElementStore &store, QWidget *parent = nullptr);

    // Shows element z of `records` in the boxes.
    void showElement(const ElementRecords &records, int z);
    // Shows `text` in the boxes of the column named `field` (without regard to case).
    void showField(const QString &field, const QString &text);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showText(QLineEdit &box, Column column, const QString &text);
    // Tells a screen reader which element the boxes show now: the panel's accessible name
    // becomes the element's, its description the values with their captions. A changed name
    // is announced, and so is a changed description.
    void updateSpokenSummary();
    // Each box's tool tip and spoken description: its value, unit and source. Only a panel
    // that shows is described, so that the sources are read when first needed.
    void updateDescriptions();

    std::vector<std::pair<QLineEdit *, Column>> m_boxes; // owned by the panel
    // Per box: described, and the same for every element (its source is the column's).
    std::vector<bool> m_describedOnce;
    QHash<QString, bool> m_drawsAlikeUnshaped; // per column and text shown
    const ElementStore &m_store;
    ElementRecords m_records; // what the boxes show: element m_z of these
    int m_z = 0;
};
