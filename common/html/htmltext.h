// Text for the suite's HTML pages, which are written in Windows-1252: the markup
// characters become entities, characters outside the code page numeric references, and
// the control characters (C0 and C1, and DEL) other than tab, CR and LF become the
// replacement character "&#xFFFD;". Browsers read C1 references as Windows-1252 letters
// ("&#133;" shows "…") and the C0 bytes as nothing or as errors.
#pragma once

#include <QString>

namespace HtmlText {

// What else a value must escape: the quote that delimits its attribute.
enum class Quote { None, Double, Single };

// True for the characters written as the replacement character.
bool isUnwantedControl(char32_t c);

// Appends the character at i escaped; a surrogate pair is one reference, and i is then
// left on its low half.
void append(QString &out, const QString &text, qsizetype &i, Quote quote = Quote::None);

QString escaped(const QString &text, Quote quote = Quote::None);

} // namespace HtmlText
