// Glyphmatch's table: the 96 keyboard characters in 8 groups of 12, the size rule, the column
// widths and the page title.
#pragma once

#include <QChar>
#include <QString>

namespace KeyboardTable {

constexpr int groups = 8;
constexpr int rowsPerGroup = 12;
constexpr int gridRows = rowsPerGroup;
constexpr int gridCols = 3 * groups - 1;
constexpr int spacerWidth = 200;

// A to Z, a to z, 1 to 9 and 0, then the punctuation; character 65 is the currency sign
// U+00A4 and character 96 the not sign U+00AC.
const QString &sequence();
// Character 12 * group + row + 1 of the sequence (1-based); a null QChar outside the table.
QChar character(int group, int row);

// The size text brought into 10 to 36: its whole-number part (floor), 24 when that is 0.
QString normaliseSizeText(const QString &text);

// Width in twips of the two character columns of a group at a size in points.
int characterColumnWidth(double points);

// The symbol font's name alone when the text font is Arial or Times New Roman (the reader
// knows those), otherwise "text font - symbol font".
QString pageTitle(const QString &textFont, const QString &symbolFont);

} // namespace KeyboardTable
