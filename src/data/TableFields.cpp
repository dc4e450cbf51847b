#include "data/TableFields.h"

#include "data/TStrGrid.h"

void TableFields::setNames(const QStringList &names)
{
    m_names = names;
    m_index.clear();
    m_indexAsNamed.clear();
    for (int i = 0; i < m_names.size(); ++i)
        m_index.insert(m_names[i].toLower(), i);
    // The same answer for a name spelt as the file spells it, found without lowering it.
    for (const QString &name : m_names)
        m_indexAsNamed.insert(name, m_index.value(name.toLower()));
}

int TableFields::index(const QString &name) const
{
    // The windows name their fields as the file does: lowering the name for each bound box
    // at each move of the cursor took most of the time of the lookup.
    const auto asNamed = m_indexAsNamed.constFind(name);
    if (asNamed != m_indexAsNamed.cend())
        return *asNamed;
    return m_index.value(name.toLower(), -1);
}

int TableFields::size(int field) const
{
    return field >= 0 && field < m_sizes.size() ? m_sizes[field] : 0;
}

int TableFields::recordSize() const
{
    int sum = 0;
    for (int size : m_sizes)
        sum += size;
    return sum;
}

bool TableFields::load(TStrGrid &grid, const QString &fileName)
{
    const bool read = grid.LoadFromFile(fileName);
    if (grid.RowCount() > 0) {
        setNames(grid.Row(0));
        grid.DeleteRow(0);
    }
    return read;
}

void TableFields::addMissing(const QVector<Declared> &declared)
{
    QStringList names = m_names;
    for (const Declared &decl : declared) {
        if (decl.added && index(decl.name) < 0 && !names.contains(decl.name))
            names.append(decl.name);
    }
    if (names.size() != m_names.size())
        setNames(names);
}

std::optional<QString> TableFields::firstMissing(const QVector<Declared> &declared) const
{
    for (const Declared &decl : declared) {
        if (index(decl.name) < 0)
            return decl.name;
    }
    return std::nullopt;
}

void TableFields::measure(TStrGrid &grid, const QVector<Declared> &declared)
{
    const int cols = count();
    if (grid.ColCount() != cols)
        grid.setColCount(cols);
    // Each field is as wide as its longest text, its name included, plus 5.
    m_sizes = grid.LongestCells();
    for (int c = 0; c < cols; ++c)
        m_sizes[c] = qMax(m_sizes[c], static_cast<int>(m_names[c].size())) + 5;
    // A window may declare a field narrower than its longest text; reading cuts to it.
    for (const Declared &decl : declared) {
        const int c = index(decl.name);
        if (c >= 0 && decl.size > 0)
            m_sizes[c] = qMin(m_sizes[c], decl.size);
    }
}
