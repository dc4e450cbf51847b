#include "data/ShownElement.h"

#include "data/ElementStore.h"
#include "data/Errors.h"

ShownElement::ShownElement(ElementStore &store, QObject *parent) : QObject(parent), m_store(store)
{
    connect(&m_store, &ElementStore::changed, this, &ShownElement::shownChanged);
}

void ShownElement::postOrRaise()
{
    if (const std::optional<QString> refusal = tryPost())
        throw ETxtTblError(*refusal);
}

void ShownElement::show(int z)
{
    if (z < 0 || z > m_store.records().count() || z == m_z)
        return;
    postOrRaise();
    m_z = z;
    emit shownChanged();
}

int ShownElement::moveBy(int distance)
{
    const int count = m_store.records().count();
    if (count == 0)
        return 0;
    const int from = qMax(m_z, 1);
    const int to = qBound(1, from + distance, count);
    postOrRaise();
    show(to);
    return to - from;
}

bool ShownElement::bound(const QString &field) const
{
    return m_z >= 1 && m_z <= m_store.records().count() && m_store.records().fieldIndex(field) >= 0;
}

QString ShownElement::recordText(const QString &field) const
{
    const ElementRecords &records = m_store.records();
    return m_z >= 1 && m_z <= records.count() ? records.text(m_z, records.fieldIndex(field))
                                              : QString();
}

QString ShownElement::text(const QString &field) const
{
    if (m_typed.isEmpty())
        return recordText(field);
    const auto typed = m_typed.constFind(field.toLower());
    return typed != m_typed.cend() ? *typed : recordText(field);
}

void ShownElement::setText(const QString &field, const QString &text)
{
    if (!bound(field))
        return;
    const QString key = field.toLower();
    m_typed.insert(key, text);
    if (!m_named.contains(key))
        m_named.insert(key, field);
    emit fieldChanged(field);
}

bool ShownElement::edited(const QString &field) const
{
    if (m_typed.isEmpty())
        return false;
    const auto typed = m_typed.constFind(field.toLower());
    return typed != m_typed.cend() && *typed != recordText(field);
}

bool ShownElement::holdsEdit() const
{
    for (auto at = m_typed.cbegin(); at != m_typed.cend(); ++at)
        if (*at != recordText(at.key()))
            return true;
    return false;
}

void ShownElement::revert(const QString &field)
{
    const QString key = field.toLower();
    if (m_typed.remove(key) == 0)
        return;
    m_named.remove(key);
    emit fieldChanged(field);
}

std::optional<QString> ShownElement::tryPost()
{
    if (m_typed.isEmpty())
        return std::nullopt;
    ElementStore::Texts texts;
    for (auto at = m_typed.cbegin(); at != m_typed.cend(); ++at)
        texts.insert(m_named.value(at.key()), *at);
    if (!holdsEdit()) {
        cancel();
        return std::nullopt;
    }
    // The typed texts go before the store tells the boxes of the records it now holds.
    const QHash<QString, QString> typed = std::exchange(m_typed, {});
    const QHash<QString, QString> named = std::exchange(m_named, {});
    if (std::optional<QString> refusal = m_store.post(m_z, texts)) {
        m_typed = typed;
        m_named = named;
        return refusal;
    }
    for (const QString &field : named)
        emit fieldChanged(field);
    return std::nullopt;
}

void ShownElement::cancel()
{
    const QHash<QString, QString> named = std::exchange(m_named, {});
    m_typed.clear();
    for (const QString &field : named)
        emit fieldChanged(field);
}
