#include "sets/GridCopy.h"

#include <QAbstractItemModel>
#include <QHash>
#include <map>

QString cellsAsText(const QModelIndexList &cells)
{
    if (cells.isEmpty())
        return {};
    int left = cells.first().column();
    int right = left;
    // Row by row, in model order, with the texts of the cells given.
    std::map<int, QHash<int, QString>> rows;
    for (const QModelIndex &cell : cells) {
        left = qMin(left, cell.column());
        right = qMax(right, cell.column());
        rows[cell.row()].insert(cell.column(), cell.data().toString());
    }
    QString text;
    for (const auto &[row, texts] : rows) {
        for (int c = left; c <= right; ++c) {
            if (c > left)
                text += QLatin1Char('\t');
            text += quotedCell(texts.value(c), QLatin1Char('\t'));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString quotedCell(const QString &text, QChar divider)
{
    if (!text.contains(divider) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('"')))
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}
