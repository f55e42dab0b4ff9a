// The grid's character sets: see charactersets.h.
#include "logic/charactersets.h"

#include "logic/unicodecharacter.h"

#include <algorithm>

#include <QCoreApplication>

namespace CharacterSets {

QString designedPageLabel()
{
    return QCoreApplication::translate("CharacterSets", "Windows-1252 (32–255)");
}

QString wholeFontLabel()
{
    return QCoreApplication::translate("CharacterSets", "All characters in this font");
}

QList<Choice> forFont(const QList<char32_t> &coverage, bool symbolFont)
{
    QList<Choice> choices{{Kind::DesignedPage, designedPageLabel(), {}, 0, 0}};
    if (symbolFont || coverage.isEmpty())
        return choices;
    choices.append({Kind::WholeFont, wholeFontLabel(), {}, 0, 0});
    const QList<UnicodeCharacter::Block> &blocks = UnicodeCharacter::blocks();
    // The coverage is in order, so each block's characters lie together.
    auto c = coverage.begin();
    while (c != coverage.end()) {
        const int index = UnicodeCharacter::blockIndex(*c);
        if (index < 0) {
            ++c;
            continue;
        }
        const UnicodeCharacter::Block &block = blocks.at(index);
        const auto end = std::upper_bound(c, coverage.end(), block.last);
        const auto count = end - c;
        choices.append({Kind::Block,
                        QCoreApplication::translate("CharacterSets", "%1 (%2 of %3)")
                            .arg(block.name)
                            .arg(count)
                            .arg(block.assigned),
                        block.name, block.first, block.last});
        c = end;
    }
    return choices;
}

QList<char32_t> characters(const Choice &choice, const QList<char32_t> &coverage)
{
    switch (choice.kind) {
    case Kind::DesignedPage:
        return {};
    case Kind::WholeFont:
        return coverage;
    case Kind::Block: {
        const auto begin = std::lower_bound(coverage.begin(), coverage.end(), choice.first);
        const auto end = std::upper_bound(begin, coverage.end(), choice.last);
        return QList<char32_t>(begin, end);
    }
    }
    return {};
}

int sameChoice(const QList<Choice> &choices, const Choice &wanted)
{
    for (qsizetype i = 0; i < choices.size(); ++i) {
        if (choices[i].kind == wanted.kind && choices[i].block == wanted.block)
            return int(i);
    }
    return -1;
}

} // namespace CharacterSets
