#include "controls/FieldLink.h"

#include "controls/ErrorBox.h"
#include "data/TTextTable.h"

#include <QWidget>

FieldLink::FieldLink(QObject *owner, std::function<void(const QString &)> show)
    : QObject(owner), m_show(std::move(show))
{}

void FieldLink::setTable(TTextTable *table)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    m_table = table;
    if (table) {
        connect(table, &TTextTable::recordChanged, this, &FieldLink::refresh);
        connect(table, &TTextTable::activeChanged, this, &FieldLink::refresh);
        connect(table, &TTextTable::contentsChanged, this, &FieldLink::refresh);
        connect(table, &TTextTable::stateChanged, this, [this](TTextTable::State s) {
            if (s == TTextTable::State::Browse)
                refresh();
        });
        connect(table, &TTextTable::fieldChanged, this, [this](const QString &name) {
            if (name.compare(m_field, Qt::CaseInsensitive) == 0)
                refresh();
        });
    }
    refresh();
}

void FieldLink::setField(const QString &field)
{
    m_field = field;
    refresh();
}

bool FieldLink::bound() const
{
    return m_table && m_table->Active() && m_table->FieldIndex(m_field) >= 0;
}

int FieldLink::fieldSize() const
{
    return bound() ? m_table->FieldSize(m_table->FieldIndex(m_field)) : 0;
}

void FieldLink::write(const QString &text)
{
    if (!bound())
        return;
    // Called for each key typed, inside Qt's delivery of the key.
    m_writing = true;
    guarded(qobject_cast<QWidget *>(parent()), [&] { m_table->setFieldText(m_field, text); });
    m_writing = false;
}

void FieldLink::refresh()
{
    if (!m_writing)
        m_show(bound() ? m_table->FieldText(m_field) : QString());
}

TTextTable *FieldLink::table() const
{
    return m_table;
}
