#include "controls/FieldLink.h"

#include "controls/ErrorBox.h"
#include "data/ElementStore.h"
#include "data/Errors.h"
#include "data/OriginalValues.h"
#include "data/ShownElement.h"

#include <QWidget>

FieldLink::FieldLink(QObject *owner, std::function<void(const QString &)> show)
    : QObject(owner), m_show(std::move(show))
{}

void FieldLink::setElement(ShownElement *shown)
{
    if (m_shown)
        disconnect(m_shown, nullptr, this, nullptr);
    m_shown = shown;
    if (shown) {
        connect(shown, &ShownElement::shownChanged, this, &FieldLink::refresh);
        connect(shown, &ShownElement::fieldChanged, this, [this](const QString &name) {
            if (name.compare(m_field, Qt::CaseInsensitive) == 0)
                refresh();
        });
    }
    refresh();
}

ShownElement *FieldLink::element() const
{
    return m_shown;
}

void FieldLink::setField(const QString &field)
{
    m_field = field;
    refresh();
}

bool FieldLink::bound() const
{
    return m_shown && m_shown->bound(m_field);
}

int FieldLink::fieldSize() const
{
    return bound() ? m_shown->store().fieldSize(m_field) : 0;
}

void FieldLink::write(const QString &text)
{
    if (!bound())
        return;
    // Called for each key typed, inside Qt's delivery of the key.
    m_writing = true;
    guarded(qobject_cast<QWidget *>(parent()), [&] { m_shown->setText(m_field, text); });
    m_writing = false;
    updateEdited();
}

void FieldLink::refresh()
{
    if (!m_writing)
        m_show(bound() ? m_shown->text(m_field) : QString());
    updateEdited();
}

void FieldLink::updateEdited()
{
    const bool edited = bound() && m_shown->edited(m_field);
    if (edited == m_edited)
        return;
    m_edited = edited;
    emit editedChanged(edited);
}

void FieldLink::revert()
{
    if (bound())
        m_shown->revert(m_field);
    updateEdited();
}

const OriginalValues *FieldLink::originalValues() const
{
    return m_shown ? &m_shown->store().originals() : nullptr;
}

bool FieldLink::canRestore() const
{
    if (!bound())
        return false;
    const OriginalValues &origin = m_shown->store().originals();
    if (!origin.available())
        return false;
    try {
        const std::optional<QString> shipped = origin.text(m_shown->element(), m_field);
        return shipped && *shipped != m_shown->text(m_field);
    } catch (const MirelonError &) {
        return true;
    }
}

QString FieldLink::restore()
{
    if (!bound())
        return {};
    ElementStore &store = m_shown->store();
    const int z = m_shown->element();
    const std::optional<QString> shipped = store.originals().text(z, m_field);
    if (!shipped)
        throw EDatabaseError(QStringLiteral("La table d'origine « %1 » n'a pas de champ %2 pour "
                                            "l'enregistrement %3 : la valeur est gardée.")
                                 .arg(store.originals().fileName(), m_field)
                                 .arg(z));
    // The text typed over it goes, whether the table would take it or not.
    m_shown->revert(m_field);
    store.restore({{z, m_field, *shipped}});
    return m_shown->text(m_field);
}
