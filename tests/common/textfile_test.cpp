// Text files: CR LF lines, lone LF accepted, the encoding chosen by content, atomic writes.
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TextFile, SplitsOnCrLfAndLoneLf)
{
    EXPECT_EQ(TextFile::splitLines("a\r\nb\nc"), (QList<QByteArray>{"a", "b", "c"}));
    EXPECT_EQ(TextFile::splitLines("a\r\n\r\n"), (QList<QByteArray>{"a", ""}));
    EXPECT_EQ(TextFile::splitLines(""), QList<QByteArray>{});
    EXPECT_EQ(TextFile::splitLines("x\ry\r\n"), (QList<QByteArray>{"x\ry"}));
}

TEST(TextFile, WritesWindows1252WhenEverythingFits)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    ASSERT_TRUE(TextFile::writeLines(path, {"£$EOHT", "café"}).ok);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xA3$EOHT\r\ncaf\xE9\r\n"));
    EXPECT_EQ(TextFile::readLines(path), (QStringList{"£$EOHT", "café"}));
}

TEST(TextFile, FallsBackToUtf8WithByteOrderMark)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("b.ini");
    ASSERT_TRUE(TextFile::writeLines(path, {"日本語", "£"}).ok);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(TextFile::readLines(path), (QStringList{"日本語", "£"}));
}

TEST(TextFile, FailedWriteKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.txt");
    ASSERT_TRUE(TextFile::writeAtomically(path, "old").ok);
    // A folder where the file should be: the write fails and says why.
    const QString folder = dir.filePath("folder.txt");
    QDir().mkpath(folder);
    const WriteResult r = TextFile::writeAtomically(folder, "new");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    // Writing into a missing folder fails and leaves nothing behind.
    EXPECT_FALSE(TextFile::writeAtomically(dir.filePath("missing/x.txt"), "new").ok);
    EXPECT_EQ(TextFile::readAll(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});
}

TEST(TextFile, MissingFileReadsAsNothing)
{
    EXPECT_EQ(TextFile::readLines("/nonexistent/kerncraft.ini"), std::nullopt);
    QTemporaryDir dir;
    EXPECT_EQ(TextFile::readAll(dir.path()), std::nullopt);
}

TEST(TextFile, FirstWritableFolderSkipsUnusableOnes)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    ASSERT_TRUE(TextFile::writeAtomically(file, "x").ok);
    const QString fallback = dir.filePath("fallback/deeper");
    EXPECT_EQ(TextFile::firstWritableFolder({file, "", fallback}), QDir(fallback).absolutePath());
    EXPECT_TRUE(QDir(fallback).exists());
    EXPECT_EQ(TextFile::firstWritableFolder({file}), QString());
}

} // namespace
