// Which characters the grid shows: the designed page of codes 32 to 255, every character of the
// font, or one Unicode block the font covers, with how many of the block's characters the font
// has. The font's coverage is the ascending list of code points its character map holds.
#pragma once

#include <QList>
#include <QString>

namespace CharacterSets {

enum class Kind { DesignedPage, WholeFont, Block };

struct Choice {
    Kind kind = Kind::DesignedPage;
    QString label;
    // The block's name and range (Kind::Block only).
    QString block;
    char32_t first = 0;
    char32_t last = 0;
};

QString designedPageLabel();
QString wholeFontLabel();

// The chooser's entries for a font: the designed page first; then, unless the font is
// symbol-encoded (its codes are not Unicode characters) or covers nothing, the whole font and
// each block it covers, in Unicode's order, labelled "Arrows (112 of 112)".
QList<Choice> forFont(const QList<char32_t> &coverage, bool symbolFont);

// The characters a choice shows from the coverage, in order (empty for the designed page,
// whose cells are its codes).
QList<char32_t> characters(const Choice &choice, const QList<char32_t> &coverage);

// The entry of the list that stands for the same choice (same kind, same block), or -1.
int sameChoice(const QList<Choice> &choices, const Choice &wanted);

} // namespace CharacterSets
