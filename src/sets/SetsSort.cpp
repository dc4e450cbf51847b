#include "sets/SetsSort.h"

#include "data/Numbers.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <optional>

namespace SetsSort {

namespace {

struct Key
{
    bool empty = false;
    std::optional<double> number;
    QString text;
};

// Below zero when a comes first in ascending order; empty cells are dealt with apart.
int compareKeys(const Key &a, const Key &b, const QCollator &collator)
{
    if (a.number && b.number)
        return *a.number < *b.number ? -1 : (*b.number < *a.number ? 1 : 0);
    if (a.number != std::nullopt || b.number != std::nullopt)
        return a.number ? -1 : 1;
    return collator.compare(a.text, b.text);
}

} // namespace

QVector<int> sortedOrder(const QStringList &texts, Qt::SortOrder order)
{
    QVector<Key> keys;
    keys.reserve(texts.size());
    for (const QString &text : texts) {
        const QString trimmed = text.trimmed();
        keys.append({trimmed.isEmpty(), Numbers::parseDecimal(trimmed), trimmed});
    }
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    QVector<int> positions(texts.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        const Key &left = keys[a];
        const Key &right = keys[b];
        if (left.empty || right.empty)
            return !left.empty && right.empty;
        const int c = compareKeys(left, right, collator);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    return positions;
}

} // namespace SetsSort
