// Tests of the recently used characters and their file.
#include "logic/recentcharacters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RecentCharacters, NewestFirstEachOnceAtMostSixteen)
{
    RecentCharacters recent;
    for (const char *c : {"a", "b", "a", "", "ab"})
        recent.add(QString::fromUtf8(c));
    EXPECT_EQ(recent.items(), (QStringList{"a", "b"}));
    for (int i = 0; i < 20; ++i)
        recent.add(QString(QChar(u'A' + i)));
    EXPECT_EQ(recent.items().size(), RecentCharacters::capacity);
    EXPECT_EQ(recent.items().first(), "T");
    EXPECT_EQ(recent.items().last(), "E");
}

TEST(RecentCharacters, KeptInTheirFileWithCharactersBeyondTheBmp)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("recent.txt");
    RecentCharacters recent;
    recent.add(QString::fromUtf8("©"));
    recent.add(QString::fromUtf8("😀"));
    ASSERT_TRUE(recent.save(path));
    RecentCharacters again;
    again.load(path);
    EXPECT_EQ(again.items(), recent.items());
    // A damaged file gives what it can, a missing one nothing.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("xy\n\xff\xfe\nz\n");
    file.close();
    again.load(path);
    EXPECT_EQ(again.items(), (QStringList{"z"}));
    again.load(folder.filePath("missing.txt"));
    EXPECT_TRUE(again.items().isEmpty());
    EXPECT_FALSE(recent.save(folder.filePath("no/such/folder/recent.txt")));
}

} // namespace
