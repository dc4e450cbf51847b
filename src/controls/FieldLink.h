#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class TTextTable;

// Ties a data-aware box to one field, named without regard to case, of a table's current
// record: it asks the box to show the field again whenever the record or the table
// changes, and carries what the user types into the record (which starts an edit; the
// table posts it when it moves to another record).
class FieldLink : public QObject
{
    Q_OBJECT
public:
    // `show` is called with the field's text, or an empty text when the box is unbound.
    FieldLink(QObject *owner, std::function<void(const QString &)> show);

    // The table is not owned; the box shows nothing once it is gone.
    void setTable(TTextTable *table);
    TTextTable *table() const;
    void setField(const QString &field);
    QString field() const { return m_field; }

    // The table is open and has the field.
    bool bound() const;
    // The declared size of the field, 0 when unbound.
    int fieldSize() const;
    void write(const QString &text);

private:
    void refresh();

    QPointer<TTextTable> m_table;
    QString m_field;
    std::function<void(const QString &)> m_show;
    bool m_writing = false;
};
