// Charboard's characters: the codes 32 to 255 in a 16 by 14 grid, the character each code
// stands for (Windows-1252), its numeric-keypad code and the hint that explains it.
#pragma once

#include <QString>

namespace CharCodes {

constexpr int rows = 14;
constexpr int cols = 16;
constexpr int firstCode = 32;

// The code in a cell, or -1 outside the grid.
int codeAt(int row, int col);

// The Windows-1252 character of a code 0 to 255 (the five codes the code page leaves undefined
// give the control character of the same number); an empty string for other codes.
QString character(int code);

// The digits typed on the keypad with Alt held down: a "0" in front above 127.
QString keypadCode(int code);
QString altCaption(int code);
QString altTooltip(int code);
QString initialAltTooltip();

// The collected text with the cell's character at its end, wherever the caret is. Every code
// adds its character, the five that Windows-1252 leaves undefined and DEL too: a symbol font
// may draw a glyph at such a code, and the text pasted in that font shows it.
QString appended(const QString &collected, const QString &character);

} // namespace CharCodes
