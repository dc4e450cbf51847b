#include "controls/FieldLink.h"

#include "controls/ErrorBox.h"
#include "data/Errors.h"
#include "data/OriginalValues.h"
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
    updateEdited();
}

void FieldLink::refresh()
{
    if (!m_writing)
        m_show(bound() ? m_table->FieldText(m_field) : QString());
    updateEdited();
}

void FieldLink::updateEdited()
{
    const bool edited = bound() && m_table->FieldEdited(m_field);
    if (edited == m_edited)
        return;
    m_edited = edited;
    emit editedChanged(edited);
}

void FieldLink::revert()
{
    if (bound())
        m_table->RevertField(m_field);
    updateEdited();
}

bool FieldLink::canRestore() const
{
    if (!m_origin || !m_origin->available() || !bound())
        return false;
    try {
        const std::optional<QString> shipped = m_origin->text(m_table->RecNo(), m_field);
        return shipped && *shipped != m_table->FieldText(m_field);
    } catch (const MirelonError &) {
        return true;
    }
}

QString FieldLink::restore()
{
    if (!m_origin || !bound())
        return {};
    const int z = m_table->RecNo();
    const std::optional<QString> shipped = m_origin->text(z, m_field);
    if (!shipped)
        throw EDatabaseError(QStringLiteral("La table d'origine « %1 » n'a pas de champ %2 pour "
                                            "l'enregistrement %3 : la valeur est gardée.")
                                 .arg(m_origin->fileName(), m_field)
                                 .arg(z));
    // The text typed over it goes, whether the table would take it or not.
    m_table->RevertField(m_field);
    OriginalValues::restore(*m_table, {{z, m_field, *shipped}});
    return m_table->FieldText(m_field);
}

TTextTable *FieldLink::table() const
{
    return m_table;
}
