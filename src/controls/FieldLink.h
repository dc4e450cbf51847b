#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class OriginalValues;
class TTextTable;

// Ties a data-aware box to one field, named without regard to case, of a table's current
// record: it asks the box to show the field again whenever the record or the table
// changes, and carries what the user types into the record (which starts an edit; the
// table posts it when it moves to another record). It tells the box when the field starts or
// stops holding a text not yet posted, and can take the text typed back, or put the shipped
// value back into the record.
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
    // The shipped values the field can go back to; not owned, outlives the link. Null: none.
    void setOriginalValues(const OriginalValues *origin) { m_origin = origin; }
    const OriginalValues *originalValues() const { return m_origin; }

    // The table is open and has the field.
    bool bound() const;
    // The declared size of the field, 0 when unbound.
    int fieldSize() const;
    void write(const QString &text);

    // The field holds a text typed and not yet posted.
    bool edited() const { return m_edited; }
    // Gives the field the record's text again, before the edit is posted.
    void revert();
    // There are shipped values, and the record's text differs from its shipped one (or the
    // shipped table cannot be read, which restoring then says).
    bool canRestore() const;
    // Puts the shipped text into the record, posts it and writes the table (SavePosted);
    // answers the text now held. Raises, saying why, when it cannot.
    QString restore();

signals:
    void editedChanged(bool edited);

private:
    void refresh();
    void updateEdited();

    QPointer<TTextTable> m_table;
    QString m_field;
    std::function<void(const QString &)> m_show;
    const OriginalValues *m_origin = nullptr;
    bool m_writing = false;
    bool m_edited = false;
};
