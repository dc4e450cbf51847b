#include "data/ElementStore.h"

#include "data/ElementSources.h"
#include "data/ElementTable.h"
#include "data/TTextTable.h"

ElementStore::ElementStore(const DataFolder &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_originals(folder),
      m_table(std::make_unique<TTextTable>())
{
    m_table->setObjectName(QStringLiteral("TextTable1"));
    ElementTable::configure(*m_table, m_folder);
    connect(m_table.get(), &TTextTable::writeFailed, this, &ElementStore::writeFailed);
}

ElementStore::~ElementStore() = default;

const ElementSources &ElementStore::sources() const
{
    if (!m_sources)
        m_sources =
            std::make_unique<const ElementSources>(ElementSources::read(m_folder.sourcesFile()));
    return *m_sources;
}

void ElementStore::open(Opening how)
{
    if (m_table->Active())
        return;
    if (how == Opening::Whole) {
        ElementTable::openWhole(*m_table);
    } else {
        m_table->setDeclaredFields(QStringList());
        m_table->Open();
    }
    refresh();
}

int ElementStore::fieldSize(const QString &field) const
{
    const int index = m_table->Active() ? m_table->FieldIndex(field) : -1;
    return index >= 0 ? m_table->FieldSize(index) : 0;
}

std::optional<QString> ElementStore::post(int z, const Texts &texts)
{
    if (texts.isEmpty())
        return std::nullopt;
    m_table->setRecNo(z);
    try {
        for (auto at = texts.cbegin(); at != texts.cend(); ++at)
            m_table->setFieldText(at.key(), at.value());
    } catch (...) {
        m_table->Cancel();
        throw;
    }
    if (std::optional<QString> refusal = m_table->TryPost()) {
        m_table->Cancel();
        return refusal;
    }
    refresh();
    return std::nullopt;
}

void ElementStore::save()
{
    if (m_table->Active())
        m_table->SavePosted();
}

void ElementStore::close()
{
    if (!m_table->Active())
        return;
    m_table->Close();
    refresh();
}

QVector<OriginalValues::Change> ElementStore::differences() const
{
    return m_originals.differences(m_records);
}

void ElementStore::restore(const QVector<OriginalValues::Change> &changes)
{
    try {
        OriginalValues::restore(*m_table, changes);
    } catch (...) {
        m_table->Cancel();
        refresh();
        throw;
    }
    refresh();
}

void ElementStore::setWriteObserver(TableChanges::Observer observer)
{
    m_table->setWriteObserver(std::move(observer));
}

void ElementStore::setConflictResolver(TableChanges::Resolver resolve)
{
    m_table->setConflictResolver(std::move(resolve));
}

void ElementStore::refresh()
{
    m_records = ElementRecords::fromTable(*m_table);
    emit changed();
}
