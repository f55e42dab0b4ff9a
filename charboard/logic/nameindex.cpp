// The character name index: see nameindex.h.
#include "logic/nameindex.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <string_view>

namespace {

UBool addName(void *context, UChar32 code, UCharNameChoice, const char *name, int32_t length)
{
    auto *names = static_cast<std::vector<std::pair<char32_t, std::string>> *>(context);
    names->emplace_back(char32_t(code), std::string(name, std::size_t(length)));
    return true;
}

bool startsWord(std::string_view name, std::size_t at)
{
    return at == 0 || name[at - 1] == ' ' || name[at - 1] == '-';
}

// Whether the word occurs in the name, and whether one occurrence begins a word of it.
struct Occurrence {
    bool found = false;
    bool atWordStart = false;
};

Occurrence occurrence(std::string_view name, std::string_view word)
{
    Occurrence result;
    for (std::size_t at = name.find(word); at != std::string_view::npos;
         at = name.find(word, at + 1)) {
        result.found = true;
        if (startsWord(name, at)) {
            result.atWordStart = true;
            break;
        }
    }
    return result;
}

} // namespace

const NameIndex &NameIndex::shared()
{
    static const NameIndex index;
    return index;
}

NameIndex::NameIndex()
{
    std::vector<std::pair<char32_t, std::string>> names;
    names.reserve(160000);
    UErrorCode error = U_ZERO_ERROR;
    u_enumCharNames(0, 0x110000, addName, &names, U_UNICODE_CHAR_NAME, &error);
    std::size_t bytes = 0;
    for (const auto &[code, name] : names)
        bytes += name.size() + 1;
    m_text.reserve(bytes);
    m_starts.reserve(names.size());
    m_codes.reserve(names.size());
    for (const auto &[code, name] : names) {
        m_starts.push_back(uint32_t(m_text.size()));
        m_codes.push_back(code);
        m_text += name;
        m_text += '\n';
    }
}

qsizetype NameIndex::memoryBytes() const
{
    return qsizetype(m_text.capacity() + m_starts.capacity() * sizeof(uint32_t) +
                     m_codes.capacity() * sizeof(char32_t));
}

std::string_view NameIndex::nameAt(std::size_t entry) const
{
    const std::size_t start = m_starts[entry];
    const std::size_t end =
        entry + 1 < m_starts.size() ? m_starts[entry + 1] - 1 : m_text.size() - 1;
    return std::string_view(m_text).substr(start, end - start);
}

QList<char32_t> NameIndex::find(const QStringList &words) const
{
    std::vector<std::string> wanted;
    for (const QString &word : words) {
        const QByteArray upper = word.toUpper().toLatin1();
        if (!upper.isEmpty() && !upper.contains('\n'))
            wanted.emplace_back(upper.constData(), std::size_t(upper.size()));
    }
    if (wanted.empty() || m_codes.empty())
        return {};
    // The words as typed, to know a name typed in full.
    std::string joined;
    for (const std::string &w : wanted)
        joined += (joined.empty() ? "" : " ") + w;
    // The longest word is the rarest: the text is searched for it, the other words only in
    // the names it turns up in.
    std::sort(wanted.begin(), wanted.end(),
              [](const std::string &a, const std::string &b) { return a.size() > b.size(); });

    QList<char32_t> exact;
    // Shorter names first: the plain character before its many variants.
    std::vector<std::pair<std::size_t, char32_t>> wordStarts;
    std::vector<std::pair<std::size_t, char32_t>> inside;
    const std::string_view text(m_text);
    std::size_t at = text.find(wanted.front());
    while (at != std::string_view::npos) {
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), uint32_t(at));
        const std::size_t entry = std::size_t(next - m_starts.begin()) - 1;
        const std::string_view name = nameAt(entry);
        bool all = true;
        bool starts = true;
        for (const std::string &w : wanted) {
            const Occurrence found = occurrence(name, w);
            all = all && found.found;
            starts = starts && found.atWordStart;
        }
        if (all) {
            if (name == joined)
                exact.append(m_codes[entry]);
            else
                (starts ? wordStarts : inside).emplace_back(name.size(), m_codes[entry]);
        }
        // On to the next name: one hit per name.
        if (next == m_starts.end())
            break;
        at = text.find(wanted.front(), *next);
    }
    std::sort(wordStarts.begin(), wordStarts.end());
    std::sort(inside.begin(), inside.end());
    QList<char32_t> found = exact;
    found.reserve(qsizetype(exact.size() + wordStarts.size() + inside.size()));
    for (const auto &tier : {&wordStarts, &inside}) {
        for (const auto &[length, code] : *tier)
            found.append(code);
    }
    return found;
}
