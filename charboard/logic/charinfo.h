// What Charboard tells about a character besides its keypad code: the Unicode code point, the
// HTML entity that writes it, the Ctrl+Shift+U input hint of Linux desktops, and for the codes
// 128 to 159 how Windows-1252 and Unicode differ there.
#pragma once

#include <QString>

namespace CharInfo {

// "U+00A9"; code points of a text of several characters joined by spaces.
QString codePoints(const QString &text);

// "&copy;" where HTML names the character, else "&#169;"; one entity per code point.
QString htmlEntities(const QString &text);

// "Ctrl+Shift+U a9" for a single character, empty otherwise.
QString inputHint(const QString &text);

// The info line: code points, entities and, when asked for, the input hint, each part
// separated from the next by the separator.
QString line(const QString &text, bool withInputHint,
             const QString &separator = QStringLiteral("   "));

// For the codes 128 to 159, which Unicode gives to control characters: the character
// Windows-1252 puts there, or that it leaves the code undefined. Empty for other codes.
QString codePageNote(int code);

} // namespace CharInfo
