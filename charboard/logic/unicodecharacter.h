// What Unicode says about a character, from ICU's character properties: its name, the block it
// lies in, its general category, and how UTF-8 and UTF-16 write it. Also the list of Unicode
// blocks with their ranges and how many characters each has assigned.
#pragma once

#include <QList>
#include <QString>

namespace UnicodeCharacter {

struct Block {
    QString name; // "Box Drawing"
    char32_t first = 0;
    char32_t last = 0;
    int assigned = 0; // characters Unicode has assigned in the block
};

// "COPYRIGHT SIGN"; a character without a name (a control, an unassigned code) gets its
// label, "<control-0009>".
QString name(char32_t c);
// "Latin 1 Supplement"; "No Block" outside every block.
QString blockName(char32_t c);
// "Other Symbol", "Nonspacing Mark".
QString categoryName(char32_t c);
// "C2 A9"; "F0 9F 98 80".
QString utf8Bytes(char32_t c);
// "00A9"; "D83D DE00".
QString utf16Units(char32_t c);

// Every Unicode block in order of its range; read once.
const QList<Block> &blocks();
// The position of the block holding c in blocks(), or -1.
int blockIndex(char32_t c);

} // namespace UnicodeCharacter
