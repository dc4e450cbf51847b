#include "table/ElementSearch.h"

#include <algorithm>
#include <array>

namespace {

// The kinds of match, best first.
enum Rank { Exact, NamePrefix, EnglishPrefix, OtherPrefix, NameInside, EnglishInside, None };

bool allDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

Rank rankOf(const ElementSearch::Entry &entry, const QString &number, const QString &text,
            bool numeric)
{
    if (numeric)
        return number == text ? Exact : number.startsWith(text) ? OtherPrefix : None;
    if (entry.symbol == text)
        return Exact;
    if (entry.name.startsWith(text))
        return NamePrefix;
    if (entry.englishName.startsWith(text))
        return EnglishPrefix;
    if (entry.symbol.startsWith(text))
        return OtherPrefix;
    if (entry.name.contains(text))
        return NameInside;
    if (entry.englishName.contains(text))
        return EnglishInside;
    return None;
}

} // namespace

ElementSearch::ElementSearch(const std::vector<Entry> &entries)
{
    m_folded.reserve(entries.size());
    for (const Entry &entry : entries)
        m_folded.push_back(
            {entry.z, fold(entry.name), fold(entry.englishName), fold(entry.symbol)});
}

QString ElementSearch::fold(const QString &text)
{
    const QString decomposed = text.trimmed().toLower().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    }
    return folded;
}

std::vector<int> ElementSearch::find(const QString &text) const
{
    const QString wanted = fold(text);
    if (wanted.isEmpty())
        return {};
    const bool numeric = allDigits(wanted);
    std::array<std::vector<int>, None> byRank;
    for (const Entry &entry : m_folded) {
        const Rank rank = rankOf(entry, QString::number(entry.z), wanted, numeric);
        if (rank != None)
            byRank[rank].push_back(entry.z);
    }
    std::vector<int> found;
    for (std::vector<int> &kind : byRank) {
        std::sort(kind.begin(), kind.end());
        found.insert(found.end(), kind.begin(), kind.end());
    }
    return found;
}
