#pragma once

#include "controls/TBevelPanel.h"
#include "data/ElementColumns.h"

#include <QHash>
#include <QString>

#include <utility>
#include <vector>

class ElementRecords;
class QLineEdit;

// The small panel that shows the main data of the element under the mouse, each box the text
// of one column as the element table holds it. A mouse move over the panel's own surface
// hides it.
class HoverPanel : public TBevelPanel
{
    Q_OBJECT

public:
    explicit HoverPanel(QWidget *parent = nullptr);

    // Shows element z of `records` in the boxes.
    void showElement(const ElementRecords &records, int z);
    // Shows `text` in the boxes of the column named `field` (without regard to case).
    void showField(const QString &field, const QString &text);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void showText(QLineEdit &box, Column column, const QString &text);
    // Tells a screen reader which element the boxes show now: the panel's accessible name
    // becomes the element's, its description the values with their captions. A changed name
    // is announced, and so is a changed description.
    void updateSpokenSummary();

    std::vector<std::pair<QLineEdit *, Column>> m_boxes; // owned by the panel
    QHash<QString, bool> m_drawsAlikeUnshaped;           // per column and text shown
};
