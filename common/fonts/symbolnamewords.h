// The two word lists by which a font's name marks it as a symbol, dingbat or special font.
// Glintwork's Refresh and Facelister's symbol-font filter each have their own list: the
// filter's holds two words more ("ANDALE MONO IPA", "MAESTRO"), so a font the filter leaves
// out of Facelister's list may still be drawn at random by the Refresh.
#pragma once

#include <QString>
#include <QStringList>

namespace SymbolNameWords {

// The fonts the Refresh never draws at random, in the order they are tested (20 words).
const QStringList &randomFontExclusions();
// The fonts Facelister's symbol-font filter leaves out of the list (22 words).
const QStringList &fontListFilter();

// Whether any of the words occurs anywhere in the upper-cased name.
bool named(const QString &fontName, const QStringList &words);

} // namespace SymbolNameWords
