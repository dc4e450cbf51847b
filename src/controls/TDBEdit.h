#pragma once

#include "controls/EditMark.h"

#include <QLineEdit>

class FieldLink;
class ShownElement;

// A one-line box bound by field name (without regard to case) to the element a window shows
// (ShownElement). It shows the field's text and follows the element shown; what the user types
// is kept as the element's typed text, posted when the window moves to another element. Until then
// the box is marked as holding an edit (EditMark), and Escape or Ctrl+Z gives it the record's text
// back. Its context menu adds "Rétablir la valeur d'origine", which writes the shipped value
// back into the record.
class TDBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TDBEdit(QWidget *parent = nullptr);

    // The element shown, from the element store; not owned, the box shows nothing once it
    // is gone.
    void setDataSource(ShownElement *shown);
    ShownElement *DataSource() const;
    void setDataField(const QString &field);
    QString DataField() const;

    // The box holds a text typed and not yet posted.
    bool holdsEdit() const;
    // Says, to a screen reader and in the box's tool tip, what was last written from it.
    void announce(const QString &what);
    // Puts the shipped value back (FieldLink::restore) and announces it; a failure is shown.
    void restoreOriginal();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void showField(const QString &shown);

    FieldLink *m_link; // owned by the box
    EditMark m_mark;
};
