#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class ElementStore;

// The element a window shows from the store, and the texts typed for it that are not yet
// posted. Boxes bound to one of its fields show the typed text, else the record's; a move
// to another element posts what was typed first, as a table cursor does, so that a value is
// never left behind. Records changed by another window show at once.
class ShownElement : public QObject
{
    Q_OBJECT
public:
    // The store is not owned and outlives this object.
    explicit ShownElement(ElementStore &store, QObject *parent = nullptr);

    ElementStore &store() const { return m_store; }

    // The atomic number shown; 0 for none.
    int element() const { return m_z; }
    // Shows element z (0: none). The texts typed for the element shown are posted first; a
    // refusal raises ETxtTblError and the element stays. Nothing happens for z out of range.
    void show(int z);
    // Shows the element `distance` records on; the number actually moved (at either end the
    // move stops), the texts typed being posted first as show() does.
    int moveBy(int distance);

    // An element is shown and the store's records have the field.
    bool bound(const QString &field) const;
    // The text typed for the field, else the record's; empty when unbound.
    QString text(const QString &field) const;
    // Keeps a typed text for the field, not yet posted.
    void setText(const QString &field, const QString &text);
    // The field holds a typed text other than the record's.
    bool edited(const QString &field) const;
    bool holdsEdit() const;
    // The record's text back for the field.
    void revert(const QString &field);

    // Posts the typed texts: nothing when they were taken or there were none, else the
    // refusal, the texts staying typed.
    std::optional<QString> tryPost();
    // Drops every typed text.
    void cancel();

signals:
    // Another element is shown, or the records changed: every box shows its field again.
    void shownChanged();
    // The text of one field changed: typed, taken back, posted or dropped.
    void fieldChanged(const QString &field);

private:
    QString recordText(const QString &field) const;
    void postOrRaise();

    ElementStore &m_store;
    int m_z = 0;
    QHash<QString, QString> m_typed; // lower-case field -> text
    QHash<QString, QString> m_named; // lower-case field -> the field as first named
};
