#pragma once

#include <QPlainTextEdit>

class FieldLink;
class TTextTable;

// A multi-line box bound by field name (without regard to case) to the current record of a
// table, for the long texts of a record. Typing puts the table into edit mode and the table
// posts the text when it moves to another record. A record line cannot hold a line end, so a
// line break typed or pasted is stored as a space. It takes no more characters than the
// field's size, typed or pasted.
class TDBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TDBMemo(QWidget *parent = nullptr);

    // The table is not owned; the memo shows nothing once it is gone.
    void setDataSource(TTextTable *table);
    TTextTable *DataSource() const;
    void setDataField(const QString &field);
    QString DataField() const;

private:
    void showField(const QString &text);
    void userEdited();
    void dropExcess();

    FieldLink *m_link; // owned by the memo
    bool m_showing = false;
    int m_insertEnd = 0; // where the last change to the text ended
};
