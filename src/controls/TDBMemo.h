#pragma once

#include "controls/EditMark.h"

#include <QPlainTextEdit>

class FieldLink;
class ShownElement;

// A multi-line box bound by field name (without regard to case) to the element a window shows
// (ShownElement), for the long texts of a record. What is typed is posted when the window
// moves to another element. A record line cannot hold a line end, so a
// line break typed or pasted is stored as a space. It takes no more characters than the
// field's size, typed or pasted. Like TDBEdit, it is marked while it holds an edit, Escape and
// Ctrl+Z give it the record's text back, and its context menu can put the shipped value back.
class TDBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TDBMemo(QWidget *parent = nullptr);

    // The element shown, from the element store; not owned, the memo shows nothing once it
    // is gone.
    void setDataSource(ShownElement *shown);
    ShownElement *DataSource() const;
    void setDataField(const QString &field);
    QString DataField() const;

    // The memo holds a text typed and not yet posted.
    bool holdsEdit() const;
    // Puts the shipped value back (FieldLink::restore) and announces it; a failure is shown.
    void restoreOriginal();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void showField(const QString &text);
    void userEdited();
    void dropExcess();

    FieldLink *m_link; // owned by the memo
    EditMark m_mark;
    bool m_showing = false;
    int m_insertEnd = 0; // where the last change to the text ended
};
