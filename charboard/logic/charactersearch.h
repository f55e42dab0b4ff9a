// What the search box finds: a code point typed as "U+2701" or "2701", characters pasted into
// the box, or characters whose names hold the typed words.
#pragma once

#include <QList>
#include <QString>

class NameIndex;

namespace CharacterSearch {

// The characters a query finds, best first, each once. Hex digits alone ("2701") give that
// code point first and then the names that hold them; a query with characters beyond ASCII
// gives those characters themselves. Only a word search reads the name index.
QList<char32_t> find(const QString &query, const NameIndex &names);

// The code point a query names as "U+2701", "u+1f600" or plain hex digits (4 to 6 of them);
// -1 when it names none.
int codePointOf(const QString &query);

// Whether the query is a search by name, which needs the name index.
bool searchesNames(const QString &query);

} // namespace CharacterSearch
