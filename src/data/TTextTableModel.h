#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class TTextTable;

// Shows a TTextTable to a grid view: one row per record of the table, one column per field,
// the field names as column titles. An edited cell is posted at once. The model follows the
// table (open, close, posted records, filter) by resetting itself.
class TTextTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The table is not owned; it must outlive the model or be destroyed first (the model
    // then shows nothing).
    explicit TTextTableModel(TTextTable *table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    void setReadOnly(bool on) { m_readOnly = on; }

private:
    void reset();

    QPointer<TTextTable> m_table;
    bool m_readOnly = false;
    bool m_posting = false;
};
