// The collected text remembers the font of each character through edits by hand.
#include "logic/collectedtext.h"

#include <gtest/gtest.h>

TEST(CollectedText, EachRunConvertsWithItsOwnFontTypedTextStays)
{
    // "Dings" turns every letter into a star; other fonts have no equivalents.
    const auto equivalents = [](const QString &font) {
        QStringList table;
        if (font == "Dings") {
            for (int code = 0; code < 256; ++code)
                table << (QChar(code).isLetter() ? QStringLiteral("*") : QString());
        }
        return table;
    };
    struct Case {
        const char *name;
        QList<std::pair<QString, QString>> steps; // the box's text and the font it came from
        QString unicode;
    };
    const Case cases[] = {
        {"text font then symbol font", {{"ab", "Serif"}, {"abcd", "Dings"}}, "ab**"},
        {"typed after collecting", {{"cd", "Dings"}, {"cdef", ""}}, "**ef"},
        {"typed in the middle", {{"cd", "Dings"}, {"cxd", ""}}, "*x*"},
        {"collected letters deleted", {{"ab", "Dings"}, {"abz", "Serif"}, {"z", ""}}, "z"},
    };
    for (const Case &c : cases) {
        CollectedText collected;
        for (const auto &[text, font] : c.steps)
            collected.follow(text, font);
        EXPECT_EQ(collected.unicodeText(equivalents), c.unicode) << c.name;
    }
}
