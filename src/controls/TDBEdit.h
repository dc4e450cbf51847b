#pragma once

#include <QLineEdit>

class FieldLink;
class TTextTable;

// A one-line box bound by field name (without regard to case) to the current record of a
// table. It shows the field's text and follows the table's moves; what the user types puts the
// table into edit mode, and the table posts it when it moves to another record.
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

private:
    void showField(const QString &shown);

    FieldLink *m_link; // owned by the box
};
