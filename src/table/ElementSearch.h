#pragma once

#include <QString>

#include <vector>

// Finds elements as the user types: by French name, English name, symbol or atomic number,
// without regard to case or accents ("etain" finds Étain). A pure rule over a plain list of
// the elements' texts, fed from whatever table the window holds.
class ElementSearch
{
public:
    struct Entry
    {
        int z = 0;
        QString name; // French
        QString englishName;
        QString symbol;
    };

    explicit ElementSearch(const std::vector<Entry> &entries);

    // The atomic numbers of the elements that `text` finds, best first: the element whose
    // symbol or atomic number is the text, then those whose French name, English name,
    // symbol or atomic number begin with it, then those whose names hold it elsewhere; by
    // atomic number within each kind. Nothing for a text of blanks.
    std::vector<int> find(const QString &text) const;

    // `text` in lower case without accents or surrounding blanks, as the search compares it.
    static QString fold(const QString &text);

private:
    std::vector<Entry> m_folded; // the entries as fold() gives them
};
