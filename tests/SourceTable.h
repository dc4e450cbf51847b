#pragma once

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

// The maintainers' source table, tools/data/sources.tsv, read as the tests' own reference for
// what the boxes must say: the unit and source of each column and the cells' own sources.
class SourceTable
{
public:
    struct Row
    {
        QString unit;
        QString source;
    };

    SourceTable()
    {
        QFile file(QStringLiteral(MIRELON_SHARE_DIR "/../tools/data/sources.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (const QString &line : lines.mid(1)) {
            const QStringList cells = line.split(u'\t');
            if (cells.size() < 4)
                continue;
            m_rows.insert(cells[0] + u'\n' + cells[1], {cells[2], cells[3]});
        }
    }

    bool isEmpty() const { return m_rows.isEmpty(); }
    // The column row of `field`, or the own row of element z's cell (an empty row for none).
    Row column(const QString &field) const { return m_rows.value(field + u'\n'); }
    Row cell(const QString &field, int z) const
    {
        return m_rows.value(field + u'\n' + QString::number(z));
    }

private:
    QHash<QString, Row> m_rows; // "<field>\n<Z or nothing>"
};
