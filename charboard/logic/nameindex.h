// The names of every named Unicode character, held once in one block of text, for finding
// characters by the words of their names. Built on first use (a few hundred milliseconds),
// never at start-up.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class NameIndex {
public:
    // The program's one index, built on the first call.
    static const NameIndex &shared();

    // Reads every character name from ICU.
    NameIndex();

    int size() const { return int(m_codes.size()); }
    // The bytes the index holds.
    qsizetype memoryBytes() const;

    // The characters whose names hold every word (in any order and case, each word anywhere in
    // the name): exact names first, then those where every word begins a word of the name,
    // then the rest; shorter names first within each, then by code point.
    QList<char32_t> find(const QStringList &words) const;

private:
    std::string_view nameAt(std::size_t entry) const;

    // Every name in upper case, each followed by a line feed.
    std::string m_text;
    std::vector<uint32_t> m_starts;
    std::vector<char32_t> m_codes;
};
