// Text files: CR LF lines, lone LF accepted, the encoding chosen by content, atomic writes.
#include "files/diskfilereplacer.h"
#include "files/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The real steps, except that one of them fails as a full disk would (a write that stops
// half-way, a flush or a rename refused).
class FullDiskReplacer : public FileReplacer {
public:
    enum class Step { Begin, Write, Flush, Commit };
    explicit FullDiskReplacer(Step failing) : m_failing(failing) {}
    bool begin(const QString &path) override
    {
        return m_failing == Step::Begin ? refuse() : m_disk.begin(path);
    }
    bool write(const QByteArray &bytes) override
    {
        if (m_failing != Step::Write)
            return m_disk.write(bytes);
        m_disk.write(bytes.left(bytes.size() / 2));
        return refuse();
    }
    bool flush() override { return m_failing == Step::Flush ? refuse() : m_disk.flush(); }
    bool commit() override { return m_failing == Step::Commit ? refuse() : m_disk.commit(); }
    void cancel() override { m_disk.cancel(); }
    QString errorString() const override { return QStringLiteral("No space left on device"); }

private:
    bool refuse() { return false; }
    Step m_failing;
    DiskFileReplacer m_disk;
};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
}

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

TEST(TextFile, AFailingStepKeepsTheOldFileOrNoneAndSaysWhy)
{
    using Step = FullDiskReplacer::Step;
    for (Step step : {Step::Begin, Step::Write, Step::Flush, Step::Commit}) {
        for (bool existed : {true, false}) {
            QTemporaryDir dir;
            const QString path = dir.filePath("out.rtf");
            if (existed) {
                ASSERT_TRUE(TextFile::writeAtomically(path, "old bytes").ok);
            }
            FullDiskReplacer full(step);
            const WriteResult r = TextFile::writeAtomically(path, QByteArray(10000, 'n'), full);
            SCOPED_TRACE(int(step));
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.error, "No space left on device.");
            EXPECT_EQ(TextFile::readAll(path),
                      existed ? std::optional<QByteArray>("old bytes") : std::nullopt);
            EXPECT_EQ(filesIn(dir.path()), existed ? QStringList{"out.rtf"} : QStringList{});
        }
    }
}

#ifdef Q_OS_LINUX
// A file system of 64 KiB mounted for the test; needs root (CI runs as root).
class TinyFileSystem {
public:
    TinyFileSystem()
    {
        m_mounted = ::geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k",
                                                                    "tmpfs", m_dir.path()}) == 0;
    }
    ~TinyFileSystem()
    {
        if (m_mounted)
            QProcess::execute("umount", {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

TEST(TextFile, FullFileSystemKeepsEveryEarlierFile)
{
    TinyFileSystem fs;
    if (!fs.mounted())
        GTEST_SKIP() << "no tmpfs could be mounted (that needs root)";
    const QString old = fs.filePath("Glintwork.ini");
    ASSERT_TRUE(TextFile::writeAtomically(old, "the user's text").ok);
    // Larger than the file system, then small once another file took every free block.
    for (const QByteArray &bytes : {QByteArray(1 << 20, 'x'), QByteArray(3000, 'y')}) {
        if (bytes.size() < 10000) {
            QFile filler(fs.filePath("filler"));
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(1 << 20, 'f'));
        }
        for (const QString &name : {QStringLiteral("Glintwork.ini"), QStringLiteral("new.htm")}) {
            const WriteResult r = TextFile::writeAtomically(fs.filePath(name), bytes);
            EXPECT_FALSE(r.ok) << name.toStdString() << " " << bytes.size();
            // Part of the bytes fit before the disk was full: the cause is still named.
            EXPECT_EQ(r.error, "No space left on device.");
        }
        EXPECT_EQ(TextFile::readAll(old), QByteArray("the user's text"));
        EXPECT_FALSE(QFile::exists(fs.filePath("new.htm")));
    }
}
#endif

#ifdef Q_OS_UNIX
TEST(TextFile, ReplacingKeepsTheFileMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mode.htm");
    // A read-only file can be replaced only by root; others are told it is not writable.
    for (mode_t mode : {0600, 0640, 0604, 0444}) {
        ASSERT_TRUE(TextFile::writeAtomically(path, "old").ok);
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        const bool canWrite = (mode & 0200) || ::geteuid() == 0;
        EXPECT_EQ(TextFile::writeAtomically(path, "new").ok, canWrite);
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        ::chmod(QFile::encodeName(path).constData(), 0600);
        QFile::remove(path);
    }
}

TEST(TextFile, LeftoversOfKilledSavesGoAtTheNextSave)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("out.rtf");
    const auto make = [&](const char *name) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("partial");
    };
    make("out.rtf.kc-Ab3dE9.tmp");   // its writer was killed: nobody holds its lock
    make("out.rtf.kc-live01.tmp");   // another save is writing it
    make("out.rtf.backup");          // the user's own file
    make("other.rtf.kc-Ab3dE9.tmp"); // belongs to another file
    const int live = ::open(QFile::encodeName(dir.filePath("out.rtf.kc-live01.tmp")), O_RDONLY);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    ASSERT_TRUE(TextFile::writeAtomically(target, "new").ok);
    ::close(live);
    EXPECT_EQ(filesIn(dir.path()), (QStringList{"other.rtf.kc-Ab3dE9.tmp", "out.rtf",
                                                "out.rtf.backup", "out.rtf.kc-live01.tmp"}));
}

TEST(TextFile, LinksAreFollowedAndLoopsRefused)
{
    QTemporaryDir dir;
    const QString real = dir.filePath("real.rtf");
    ASSERT_TRUE(TextFile::writeAtomically(real, "old").ok);
    ASSERT_TRUE(QFile::link(real, dir.filePath("link.rtf")));
    ASSERT_TRUE(TextFile::writeAtomically(dir.filePath("link.rtf"), "through").ok);
    EXPECT_TRUE(QFileInfo(dir.filePath("link.rtf")).isSymLink());
    EXPECT_EQ(TextFile::readAll(real), QByteArray("through"));

    ASSERT_TRUE(QFile::link(dir.filePath("b.rtf"), dir.filePath("a.rtf")));
    ASSERT_TRUE(QFile::link(dir.filePath("a.rtf"), dir.filePath("b.rtf")));
    const WriteResult loop = TextFile::writeAtomically(dir.filePath("a.rtf"), "x");
    EXPECT_FALSE(loop.ok);
    EXPECT_EQ(loop.error, "Too many levels of symbolic links.");
    EXPECT_TRUE(QFileInfo(dir.filePath("a.rtf")).isSymLink());
}

TEST(TextFile, BoundedReadsStopAtTheLimit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TextFile::writeAtomically(dir.filePath("ten"), "0123456789").ok);
    const struct {
        const char *name;
        QString path;
        qint64 limit;
        bool tooLong;
        const char *bytes; // nullptr: none
    } cases[] = {
        {"within the limit", dir.filePath("ten"), 10, false, "0123456789"},
        {"one byte over", dir.filePath("ten"), 9, true, nullptr},
        {"an endless device", "/dev/zero", 1 << 20, true, nullptr},
        {"an empty device", "/dev/null", 10, false, ""},
        {"a folder", dir.path(), 10, false, nullptr},
        {"a missing file", dir.filePath("missing"), 10, false, nullptr},
    };
    for (const auto &c : cases) {
        const ReadResult r = TextFile::readBounded(c.path, c.limit);
        EXPECT_EQ(r.tooLong, c.tooLong) << c.name;
        EXPECT_EQ(r.bytes.has_value(), c.bytes != nullptr) << c.name;
        if (c.bytes)
            EXPECT_EQ(*r.bytes, QByteArray(c.bytes)) << c.name;
        else
            EXPECT_TRUE(r.error.endsWith('.')) << c.name;
    }
    EXPECT_EQ(TextFile::readBounded(dir.path(), 10).error, "It is a folder.");
}

TEST(TextFile, SpecialFilesAreNeverReplaced)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("x.rtf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const WriteResult r = TextFile::writeAtomically(pipe, "new");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "It is not an ordinary file.");
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_TRUE(QFileInfo(pipe).exists());
}
#endif

TEST(TextFile, InvalidUtf8AfterTheMarkIsDamage)
{
    EXPECT_EQ(TextFile::decodeLines("\xEF\xBB\xBF"
                                    "caf\xC3\xA9\r\nx"),
              (QStringList{"café", "x"}));
    EXPECT_EQ(TextFile::decodeLines("\xEF\xBB\xBF"
                                    "caf\xE9\r\n"),
              std::nullopt);
    EXPECT_EQ(TextFile::decodeLines("\xEF\xBB\xBF"
                                    "ab\xF0\x9F"),
              std::nullopt);
    EXPECT_EQ(TextFile::decodeLines("caf\xE9"), QStringList{"café"});
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
