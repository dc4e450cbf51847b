#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class OriginalValues;
class ShownElement;

// Ties a data-aware box to one field, named without regard to case, of the element a window
// shows from the element store: it asks the box to show the field again whenever the element
// or the records change, and keeps what the user types as the element's typed text (posted
// when the window moves to another element or posts). It tells the box when the field starts
// or stops holding a text not yet posted, and can take the text typed back, or put the
// shipped value back into the store.
class FieldLink : public QObject
{
    Q_OBJECT
public:
    // `show` is called with the field's text, or an empty text when the box is unbound.
    FieldLink(QObject *owner, std::function<void(const QString &)> show);

    // Not owned; the box shows nothing once it is gone.
    void setElement(ShownElement *shown);
    ShownElement *element() const;
    void setField(const QString &field);
    QString field() const { return m_field; }

    // An element is shown and the records have the field.
    bool bound() const;
    // The declared size of the field, 0 when unbound.
    int fieldSize() const;
    void write(const QString &text);

    // The field holds a text typed and not yet posted.
    bool edited() const { return m_edited; }
    // Gives the field the record's text again, before the edit is posted.
    void revert();
    // The shipped values of the store the box shows; null when unbound.
    const OriginalValues *originalValues() const;
    // The store has shipped values, and the record's text differs from its shipped one (or
    // the shipped table cannot be read, which restoring then says).
    bool canRestore() const;
    // Puts the shipped text into the record and writes the table; answers the text now held.
    // Raises, saying why, when it cannot.
    QString restore();

signals:
    void editedChanged(bool edited);

private:
    void refresh();
    void updateEdited();

    QPointer<ShownElement> m_shown;
    QString m_field;
    std::function<void(const QString &)> m_show;
    bool m_writing = false;
    bool m_edited = false;
};
