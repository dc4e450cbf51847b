#pragma once

#include "data/TableChanges.h"

#include <QString>
#include <QStringList>
#include <optional>

class TStrGrid;

// How an open table gives back what it posted: the cells it changed since it read its file,
// written onto the file as it then stands (TableChanges), under the file's lock, the observer
// told of each step of the write. A closing lets the resolver decide conflicts and then forgets
// the changes whatever came of the write; SavePosted writes without the resolver and, when the
// write succeeds, starts again from what it wrote.
class TableWriteBack
{
public:
    void setObserver(TableChanges::Observer observer) { m_observer = std::move(observer); }
    void setResolver(TableChanges::Resolver resolve) { m_resolver = std::move(resolve); }

    // Starts afresh on a table just read from its file (TableChanges::start).
    void startFromFile(const QStringList &names, int records, int keyField,
                       const QStringList &fileNames = {})
    {
        m_changes.start(names, records, keyField, fileNames);
    }
    // Starts afresh on records that did not come from the file: a write gives the whole copy.
    void startWithoutFile() { m_changes.startWithoutFile(); }
    void noteCell(int tag, int field, const QString &before)
    {
        m_changes.noteCell(tag, field, before);
    }
    void noteRows() { m_changes.noteRows(); }

    // A table with fields and a file name that changed something since it started.
    bool hasWork(const QString &fileName, const QStringList &names) const
    {
        return !names.isEmpty() && !fileName.isEmpty() && !m_changes.isEmpty();
    }
    // The closing's write, when there is work; the trouble for the user, as TableChanges::write
    // says it. Written or reported, the changes are then forgotten: a later closing must not lay
    // these values again over what other tables have written since.
    std::optional<QString> writeAtClose(const QString &fileName, TStrGrid &grid,
                                        const QStringList &names);
    // SavePosted's write (there must be work). Nothing when it succeeded, the file then holding
    // the grid's records in their order, which the next write starts from; else the trouble, the
    // changes being kept to be tried again.
    std::optional<QString> writeNow(const QString &fileName, TStrGrid &grid,
                                    const QStringList &names);

private:
    TableChanges m_changes;
    TableChanges::Observer m_observer;
    TableChanges::Resolver m_resolver;
};
