#pragma once

#include "data/DataFolder.h"
#include "data/ElementRecords.h"
#include "data/OriginalValues.h"
#include "data/TableChanges.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class ElementSources;
class TTextTable;

// The element table of the whole program: read once from the folder's prop.yop, handed to
// every window that shows or edits element data. Windows read its records, a value that
// never changes, and send every edit through post(); each edit makes a new set of records
// and is seen at once by every window. What was posted is written onto the file as it then
// stands (the merge of changed cells under the file's lock) by save() and by close().
class ElementStore : public QObject
{
    Q_OBJECT
public:
    // A record's texts to post, by field name (without regard to case).
    using Texts = QHash<QString, QString>;

    explicit ElementStore(const DataFolder &folder, QObject *parent = nullptr);
    ~ElementStore() override;

    const DataFolder &folder() const { return m_folder; }

    // How open() reads the table: as the program's start does (ElementTable::openWhole), a
    // table that is missing, damaged or incomplete raising an error naming the file and what
    // is wrong; or as it stands, whatever its columns and number of records.
    enum class Opening { Whole, AsItStands };
    void open(Opening how = Opening::Whole);

    const ElementRecords &records() const { return m_records; }
    // The declared size of a field (by name, without regard to case); 0 for none.
    int fieldSize(const QString &field) const;

    // Posts texts into element z's record, checked together as one record: nothing when they
    // are taken (in the form they are stored in), else the refusal for the user naming the
    // element and the value, and the record stays as it was.
    std::optional<QString> post(int z, const Texts &texts);
    // Writes what was posted since the last write onto the file as it stands; a failure is
    // reported through writeFailed() and tried again by the next write.
    void save();
    // The last write, when the program ends; the store then holds no records.
    void close();

    // Where the values come from, read from the folder's sources file at the first call: the
    // tool tips need it, the program's start does not.
    const ElementSources &sources() const;

    // The values of the table as shipped with the program.
    const OriginalValues &originals() const { return m_originals; }
    // The cells whose text is not the shipped one.
    QVector<OriginalValues::Change> differences() const;
    // Puts the shipped texts of `changes` back and writes them; a shipped text longer than its
    // field raises ETxtTblError and nothing is posted.
    void restore(const QVector<OriginalValues::Change> &changes);

    // Called at the points of a write (the wait for another copy's lock); decides a cell that
    // another copy changed too since this one read it (see TTextTable).
    void setWriteObserver(TableChanges::Observer observer);
    void setConflictResolver(TableChanges::Resolver resolve);

signals:
    // The records changed: a post, a restore, the opening or the closing.
    void changed();
    // A write could not be made as it should (see TTextTable::writeFailed).
    void writeFailed(const QString &message);

private:
    void refresh();

    const DataFolder m_folder;
    const OriginalValues m_originals;
    std::unique_ptr<TTextTable> m_table;
    ElementRecords m_records;
    mutable std::unique_ptr<const ElementSources> m_sources;
};
