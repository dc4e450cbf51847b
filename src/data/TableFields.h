#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class TStrGrid;

// The fields of a table as its file's first line names them, which opening reads and measures:
// found by name without regard to case, each as wide as its longest text plus 5, or narrower
// where a window declares it so.
class TableFields
{
public:
    // A field a window binds; size 0 keeps the size measured at opening. An added field is one
    // that files written before it existed lack: opening gives such a file the field, after
    // its own, empty in every record.
    struct Declared
    {
        QString name;
        int size = 0;
        bool added = false;
    };

    const QStringList &names() const { return m_names; }
    void setNames(const QStringList &names);
    int count() const { return static_cast<int>(m_names.size()); }
    int index(const QString &name) const; // -1 when unknown
    int size(int field) const;            // 0 for a field out of range or before measuring
    int recordSize() const;

    // Replaces the grid by the file's table (TStrGrid::LoadFromFile), false when the file cannot
    // be read, and takes the grid's first row off as the names: when the file could not be
    // read, that of the cells held in memory.
    bool load(TStrGrid &grid, const QString &fileName);
    // Appends the added fields that the names lack, in their declared order.
    void addMissing(const QVector<Declared> &declared);
    // The first declared field that the names lack.
    std::optional<QString> firstMissing(const QVector<Declared> &declared) const;
    // Gives the grid a column per name and each field its size.
    void measure(TStrGrid &grid, const QVector<Declared> &declared);
    void forgetSizes() { m_sizes.clear(); }

private:
    QStringList m_names;
    QVector<int> m_sizes;
    QHash<QString, int> m_index;        // lower-case name -> column
    QHash<QString, int> m_indexAsNamed; // the file's own spelling -> the same column
};
