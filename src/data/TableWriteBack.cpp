#include "data/TableWriteBack.h"

#include "data/TStrGrid.h"

std::optional<QString> TableWriteBack::writeAtClose(const QString &fileName, TStrGrid &grid,
                                                    const QStringList &names)
{
    std::optional<QString> trouble;
    if (hasWork(fileName, names))
        trouble = m_changes.write(fileName, grid, names, m_observer, m_resolver);
    m_changes.startWithoutFile();
    return trouble;
}

std::optional<QString> TableWriteBack::writeNow(const QString &fileName, TStrGrid &grid,
                                                const QStringList &names)
{
    std::optional<QString> trouble = m_changes.write(fileName, grid, names, m_observer);
    if (!trouble)
        m_changes.start(names, grid.RowCount());
    return trouble;
}
