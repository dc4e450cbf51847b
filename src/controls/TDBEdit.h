#pragma once

#include "controls/EditMark.h"

#include <QLineEdit>

class FieldLink;
class OriginalValues;
class TTextTable;

// A one-line box bound by field name (without regard to case) to the current record of a
// table. It shows the field's text and follows the table's moves; what the user types puts the
// table into edit mode, and the table posts it when it moves to another record. Until then the
// box is marked as holding an edit (EditMark), and Escape or Ctrl+Z gives it the record's text
// back. Its context menu adds "Rétablir la valeur d'origine", which writes the shipped value
// back into the record.
class TDBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TDBEdit(QWidget *parent = nullptr);

    // The table is not owned; the box shows nothing once it is gone.
    void setDataSource(TTextTable *table);
    TTextTable *DataSource() const;
    void setDataField(const QString &field);
    QString DataField() const;
    // The shipped values "Rétablir la valeur d'origine" takes; not owned, outlives the box.
    void setOriginalValues(const OriginalValues *origin);

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
