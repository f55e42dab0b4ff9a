// The two symbol-font word lists: the filter's is the Refresh's and two words more.
#include "fonts/symbolnamewords.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(SymbolNameWords, TheListFilterAddsTwoWordsToTheRefreshExclusions)
{
    const QStringList &refresh = SymbolNameWords::randomFontExclusions();
    const QStringList &filter = SymbolNameWords::fontListFilter();
    EXPECT_EQ(refresh.size(), 20);
    EXPECT_EQ(filter.size(), 22);
    QSet<QString> extra(filter.begin(), filter.end());
    for (const QString &word : refresh) {
        EXPECT_TRUE(filter.contains(word)) << word.toStdString();
        extra.remove(word);
    }
    EXPECT_EQ(extra, QSet<QString>({QStringLiteral("ANDALE MONO IPA"), QStringLiteral("MAESTRO")}));
}

TEST(SymbolNameWords, NamesAreMatchedAnywhereWhateverTheCase)
{
    struct Case {
        const char *name;
        bool refresh;
        bool filter;
    };
    const Case cases[] = {
        {"Wingdings", true, true},        {"Cambria Math", true, true},
        {"Fixedsys", true, true},         {"MS Reference Sans Serif", true, true},
        {"Andale Mono IPA", false, true}, {"Maestro", false, true},
        {"Arial", false, false},          {"Lucida Sans Unicode", false, false},
    };
    for (const Case &c : cases) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(SymbolNameWords::named(name, SymbolNameWords::randomFontExclusions()), c.refresh)
            << c.name;
        EXPECT_EQ(SymbolNameWords::named(name, SymbolNameWords::fontListFilter()), c.filter)
            << c.name;
    }
}
