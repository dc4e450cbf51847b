#include "data/TableRefresh.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace {

const QString KeyField = QStringLiteral("_NO_AT");

// A table's columns by name and records by atomic number.
class Index
{
public:
    explicit Index(const TStrGrid *table) : m_table(table)
    {
        if (!m_table || m_table->RowCount() == 0)
            return;
        for (int c = 0; c < m_table->ColCount(); ++c)
            m_columns.insert(m_table->Cell(c, 0), c);
        const int key = m_columns.value(KeyField, -1);
        for (int r = 1; key >= 0 && r < m_table->RowCount(); ++r)
            m_records.insert(m_table->Cell(key, r), r);
    }

    bool exists() const { return m_table && m_table->RowCount() > 0; }
    bool hasColumn(const QString &name) const { return m_columns.contains(name); }
    bool hasRecord(const QString &key) const { return m_records.contains(key); }
    std::optional<QString> cell(const QString &column, const QString &key) const
    {
        const auto c = m_columns.constFind(column);
        const auto r = m_records.constFind(key);
        if (c == m_columns.cend() || r == m_records.cend())
            return std::nullopt;
        return m_table->Cell(*c, *r);
    }
    // The record keys in the table's order.
    QStringList keys() const
    {
        QStringList keys;
        const int key = m_columns.value(KeyField, -1);
        for (int r = 1; key >= 0 && r < m_table->RowCount(); ++r)
            keys.append(m_table->Cell(key, r));
        return keys;
    }
    QStringList columns() const { return m_table ? m_table->Row(0) : QStringList(); }

private:
    const TStrGrid *m_table = nullptr;
    QHash<QString, int> m_columns;
    QHash<QString, int> m_records;
};

// The shipped table's names, then those that only the user's copy has.
QStringList mergedNames(const QStringList &shipped, const QStringList &mine, const Index &base,
                        const Index &theirs)
{
    QStringList names = shipped;
    for (const QString &name : mine) {
        if (!theirs.hasColumn(name) && !base.hasColumn(name))
            names.append(name);
    }
    return names;
}

QStringList mergedKeys(const Index &base, const Index &mine, const Index &theirs)
{
    QStringList keys = theirs.keys();
    for (const QString &key : mine.keys()) {
        if (!theirs.hasRecord(key) && !base.hasRecord(key))
            keys.append(key);
    }
    return keys;
}

// The user's edits in the columns and records that the merged table leaves out.
int droppedEdits(const Index &base, const Index &mine, const QStringList &names,
                 const QStringList &keys)
{
    const QSet<QString> kept(names.cbegin(), names.cend());
    const QSet<QString> records(keys.cbegin(), keys.cend());
    int dropped = 0;
    for (const QString &column : mine.columns()) {
        for (const QString &key : mine.keys()) {
            if (kept.contains(column) && records.contains(key))
                continue;
            const std::optional<QString> was = base.cell(column, key);
            if (was && mine.cell(column, key) != was)
                ++dropped;
        }
    }
    return dropped;
}

} // namespace

std::optional<QString> TableRefresh::refusal(const TStrGrid &table)
{
    if (table.RowCount() == 0)
        return QStringLiteral("il n'a pas de ligne de noms de colonnes");
    const int key = table.Row(0).indexOf(KeyField);
    if (key < 0)
        return QStringLiteral("il n'a pas de colonne %1 (le numéro atomique)").arg(KeyField);
    QHash<QString, int> lines;
    for (int r = 1; r < table.RowCount(); ++r) {
        const QString number = table.Cell(key, r);
        if (number.isEmpty())
            return QStringLiteral("la ligne %1 n'a pas de numéro atomique").arg(r + 1);
        if (lines.contains(number))
            return QStringLiteral("les lignes %1 et %2 ont le même numéro atomique, %3")
                .arg(lines.value(number) + 1)
                .arg(r + 1)
                .arg(number);
        lines.insert(number, r);
    }
    return std::nullopt;
}

TableRefresh::Result TableRefresh::merge(const TStrGrid *base, const TStrGrid &mine,
                                         const TStrGrid &shipped)
{
    const Index was(base && !refusal(*base) ? base : nullptr);
    const Index own(&mine);
    const Index theirs(&shipped);
    const QStringList names = mergedNames(shipped.Row(0), mine.Row(0), was, theirs);
    const QStringList keys = mergedKeys(was, own, theirs);

    Result result;
    TStrGrid &table = result.table;
    table.setDivChar(shipped.DivChar());
    table.setSepChar(shipped.SepChar());
    table.setWinText(shipped.WinText());
    table.setColCount(int(names.size()));
    table.setRowCount(int(keys.size()) + 1);
    for (int c = 0; c < names.size(); ++c) {
        table.setCell(c, 0, names[c]);
        // A column that came after the kept copy reaches the user's only as the program added
        // it to a table written before it, empty: an empty cell there is no value of theirs.
        const bool addedSince = was.exists() && !was.hasColumn(names[c]);
        for (int r = 0; r < keys.size(); ++r) {
            const std::optional<QString> mineCell = own.cell(names[c], keys[r]);
            const std::optional<QString> theirCell = theirs.cell(names[c], keys[r]);
            // Where the base has no such cell, the shipped table stands for it.
            const std::optional<QString> baseCell =
                was.hasColumn(names[c]) && was.hasRecord(keys[r]) ? was.cell(names[c], keys[r])
                                                                  : theirCell;
            const bool edited =
                mineCell && mineCell != baseCell && !(addedSince && mineCell->isEmpty());
            const QString value = edited ? *mineCell : theirCell.value_or(QString());
            if (edited && value != theirCell.value_or(QString()) && names[c] != KeyField)
                ++result.keptValues;
            table.setCell(c, r + 1, value);
        }
    }
    result.droppedValues = droppedEdits(was, own, names, keys);
    return result;
}
