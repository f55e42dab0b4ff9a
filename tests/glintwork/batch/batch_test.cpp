// The batch mode: the command line, each failure's line and exit code, repeatable output
// with a seed, the output read back as rich text, and the real program without a display.
#include "batch/batchrun.h"
#include "batch/commandline.h"
#include "fakes/fakefontcatalog.h"
#include "richtext/richdocument.h"
#include "settings/settingsfile.h"
#include "widgets/platform/qtprintservice.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QStringList kFonts = {"Arial", "Georgia", "Verdana", "Courier New"};

struct BatchFixture {
    QTemporaryDir dir;
    FakeFontCatalog fonts{kFonts};
    BatchRun batch{fonts};

    BatchFixture()
    {
        EffectSettings s; // the defaults: random sizes, colours, positions, bold and italic
        s.setFonts(kFonts);
        s.fontSelected = {true, true, true, false};
        s.text = QStringLiteral("Stored text");
        EXPECT_TRUE(SettingsFile::save(dir.path(), s).ok);
    }
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    QString settings() const { return SettingsFile::path(dir.path()); }
    BatchJob job(const QString &output, std::optional<QByteArray> input = std::nullopt) const
    {
        return {settings(), std::move(input), path(output), 1234, {}, {}};
    }
    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST(BatchCommandLine, Parses)
{
    using A = CommandLine::Action;
    const struct {
        QStringList args;
        A action;
        const char *error; // part of the error line
    } cases[] = {
        {{}, A::Window, ""},
        {{"--seed", "7"}, A::Window, ""},
        {{"--help"}, A::Help, ""},
        {{"-v"}, A::Version, ""},
        {{"--batch", "--settings", "s.ini", "--input", "-", "--output", "o.rtf"}, A::Batch, ""},
        {{"--batch", "--output", "o.rtf"}, A::Error, "--batch needs --settings FILE"},
        {{"--batch", "--settings", "s.ini"}, A::Error, "--batch needs --output FILE"},
        {{"--output", "o.rtf"}, A::Error, "--output needs --batch"},
        {{"--seed", "-1"}, A::Error, "--seed needs a whole number"},
        {{"--seed", "4294967296"}, A::Error, "--seed needs a whole number"},
        {{"--colour"}, A::Error, "colour"},
        {{"stray"}, A::Error, "unexpected argument \"stray\""},
    };
    for (const auto &c : cases) {
        const CommandLine line = CommandLine::parse(QStringList{"glintwork"} + c.args);
        EXPECT_EQ(line.action, c.action) << c.args.join(' ').toStdString();
        EXPECT_TRUE(line.error.contains(QLatin1String(c.error))) << line.error.toStdString();
        EXPECT_EQ(line.error.isEmpty(), c.action != A::Error);
    }
    const CommandLine batch =
        CommandLine::parse({"glintwork", "--batch", "--settings", "s.ini", "--input", "-",
                            "--output", "o.rtf", "--seed", "4294967295"});
    EXPECT_EQ(batch.inputPath, "-");
    EXPECT_EQ(batch.seed, 4294967295u);
}

TEST(BatchRun, EachFailureHasItsLineAndExitCode)
{
    BatchFixture f;
    QFile damaged(f.path("damaged.ini"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(" 7 \r\n");
    damaged.close();
    QDir(f.dir.path()).mkdir("folder.rtf");
    const auto withSettings = [&](const QString &settings, const QString &output) {
        BatchJob job = f.job(output);
        job.settingsPath = f.path(settings);
        return job;
    };
    const struct {
        BatchJob job;
        int exit;
        QString line;
    } cases[] = {
        {f.job("out.doc"), 7,
         QString("glintwork: the output \"%1\" must end in .rtf, .htm, .html or .pdf")
             .arg(QDir::toNativeSeparators(f.path("out.doc")))},
        {withSettings("missing.ini", "out.rtf"), 3,
         QString("glintwork: the settings file \"%1\" does not exist")
             .arg(QDir::toNativeSeparators(f.path("missing.ini")))},
        {withSettings("damaged.ini", "out.rtf"), 4,
         QString("glintwork: the settings file \"%1\" is damaged")
             .arg(QDir::toNativeSeparators(f.path("damaged.ini")))},
        {f.job("out.rtf", QByteArray("\xEF\xBB\xBF")), 6, "glintwork: the text to format is empty"},
        {f.job("out.rtf", QByteArray("caf\xE9")), 5, "glintwork: the input is not UTF-8 text"},
        {f.job("folder.rtf"), 8,
         QString("glintwork: cannot write the output \"%1\": A folder has that name.")
             .arg(QDir::toNativeSeparators(f.path("folder.rtf")))},
        {f.job("no/such/folder/out.htm"), 8, ""},
    };
    for (const auto &c : cases) {
        const BatchResult result = f.batch.run(c.job);
        EXPECT_EQ(result.exitCode, c.exit) << result.error.toStdString();
        if (!c.line.isEmpty()) {
            EXPECT_EQ(result.error, c.line);
        }
        EXPECT_FALSE(result.error.contains(QLatin1Char('\n')));
    }
    EXPECT_FALSE(QFile::exists(f.path("out.rtf")));
}

TEST(BatchRun, NeverWritesAFileItReads)
{
    BatchFixture f;
    ASSERT_TRUE(QFile::copy(f.settings(), f.path("s.rtf")));
    QFile text(f.path("in.rtf"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("the input text");
    text.close();
    ASSERT_TRUE(QFile::link(f.settings(), f.path("settings-link.rtf")));
    ASSERT_TRUE(QFile::link(f.path("in.rtf"), f.path("input-link.rtf")));
    const auto job = [&](const QString &settings, const QString &output, bool withInput) {
        BatchJob j = f.job(output);
        j.settingsPath = f.path(settings);
        if (withInput) {
            EXPECT_TRUE(BatchRun::readInput(f.path("in.rtf"), -1, j).ok());
        }
        return j;
    };
    const struct {
        const char *name;
        BatchJob job;
        QString protectedFile;
        const char *says;
    } cases[] = {
        {"output is the settings file", job("s.rtf", "s.rtf", false), "s.rtf", "settings file"},
        {"output links to the settings file",
         job(SettingsFile::kFileName, "settings-link.rtf", false), SettingsFile::kFileName,
         "settings file"},
        {"output is the input", job(SettingsFile::kFileName, "in.rtf", true), "in.rtf", "input"},
        {"output links to the input", job(SettingsFile::kFileName, "input-link.rtf", true),
         "in.rtf", "input"},
    };
    for (const auto &c : cases) {
        const QByteArray before = f.read(c.protectedFile);
        const BatchResult result = f.batch.run(c.job);
        EXPECT_EQ(result.exitCode, 2) << c.name;
        EXPECT_TRUE(result.error.contains(QDir::toNativeSeparators(c.job.outputPath))) << c.name;
        EXPECT_TRUE(result.error.contains(QLatin1String(c.says))) << c.name;
        EXPECT_EQ(f.read(c.protectedFile), before) << c.name;
    }
}

TEST(BatchRun, SettingsThatAreNoFileAreNamedAsSuch)
{
    BatchFixture f;
    const QString pipe = f.path("pipe.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        QString settings;
        const char *ending;
    } cases[] = {
        {f.dir.path(), "is a folder"},
        {pipe, "is not an ordinary file"},
        {"/dev/null", "is not an ordinary file"},
        {f.path("missing.ini"), "does not exist"},
    };
    for (const auto &c : cases) {
        BatchJob job = f.job("out.rtf");
        job.settingsPath = c.settings;
        const BatchResult result = f.batch.run(job);
        EXPECT_EQ(result.exitCode, 3) << c.ending;
        EXPECT_EQ(result.error, QString("glintwork: the settings file \"%1\" %2")
                                    .arg(QDir::toNativeSeparators(c.settings), c.ending));
    }
}

TEST(BatchRun, InputsBeyondTheLimitAreRefused)
{
    BatchFixture f;
    const QString big = f.path("big.txt");
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(BatchRun::kMaxInputBytes + 1));
    file.close();
    for (const QString &path : {QStringLiteral("/dev/zero"), big}) {
        BatchJob job = f.job("out.rtf");
        const BatchResult read = BatchRun::readInput(path, -1, job);
        EXPECT_EQ(read.exitCode, 5);
        EXPECT_EQ(read.error, QString("glintwork: the input \"%1\" is longer than 12000000 "
                                      "characters")
                                  .arg(path));
        EXPECT_FALSE(job.input);
    }
    // Within the bytes but beyond the characters once every lone LF is CR LF.
    const BatchResult lines =
        f.batch.run(f.job("out.rtf", QByteArray(BatchRun::kMaxCharacters / 2 + 1, '\n')));
    EXPECT_EQ(lines.exitCode, 5);
    EXPECT_FALSE(QFile::exists(f.path("out.rtf")));
}

TEST(BatchRun, ASeedRepeatsTheOutputWhichReadsBackAsTheText)
{
    BatchFixture f;
    const QByteArray settingsBefore = f.read(SettingsFile::kFileName);
    const QByteArray input("Line one\nline two\r\nthird \xE2\x82\xAC");
    ASSERT_TRUE(f.batch.run(f.job("a.rtf", input)).ok());
    ASSERT_TRUE(f.batch.run(f.job("b.rtf", input)).ok());
    BatchJob other = f.job("c.rtf", input);
    other.seed = 99;
    ASSERT_TRUE(f.batch.run(other).ok());
    EXPECT_EQ(f.read("a.rtf"), f.read("b.rtf"));
    EXPECT_NE(f.read("a.rtf"), f.read("c.rtf"));

    RichDocument back;
    back.setRtf(f.read("a.rtf"));
    EXPECT_EQ(back.text(), QStringLiteral("Line one\r\nline two\r\nthird \u20AC"));
    QSet<QString> faces;
    for (const RichRun &run : back.runs())
        faces.insert(run.format.face);
    EXPECT_GT(faces.size(), 1);                  // the effects ran
    EXPECT_FALSE(faces.contains("Courier New")); // only the selected fonts

    // Without --input the stored text; an HTML name gives the web page.
    ASSERT_TRUE(f.batch.run(f.job("page.htm")).ok());
    EXPECT_TRUE(f.read("page.htm").contains("<title>page.htm</title>"));
    EXPECT_TRUE(f.read("page.htm").contains("S"));
    EXPECT_EQ(f.read(SettingsFile::kFileName), settingsBefore); // never written
}

// The real program: no display and no platform chosen in its environment.
TEST(BatchProgram, RunsWithoutADisplay)
{
    BatchFixture f;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    const auto run = [&](const QStringList &args, const QByteArray &input = {}) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(GLINTWORK_EXE), args);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return std::tuple{p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    };
    const auto [versionExit, version, versionErr] = run({"--version"});
    EXPECT_EQ(versionExit, 0);
    EXPECT_TRUE(version.startsWith("glintwork ")) << version.toStdString();
    const auto [helpExit, help, helpErr] = run({"--help"});
    EXPECT_EQ(helpExit, 0);
    EXPECT_TRUE(help.contains("--batch --settings FILE"));
    EXPECT_TRUE(help.contains("At most 12000000"));
    const auto [usageExit, usageOut, usage] = run({"--bogus"});
    EXPECT_EQ(usageExit, 2);
    EXPECT_EQ(usage.count('\n'), 1) << usage.toStdString();

    const QStringList batch = {"--batch",  "--settings",      f.settings(), "--input", "-",
                               "--output", f.path("out.rtf"), "--seed",     "5"};
    const auto [batchExit, batchOut, batchErr] = run(batch, "from standard input");
    EXPECT_EQ(batchExit, 0) << batchErr.toStdString();
    EXPECT_TRUE(batchOut.isEmpty());
    EXPECT_TRUE(batchErr.isEmpty()) << batchErr.toStdString();
    RichDocument back;
    back.setRtf(f.read("out.rtf"));
    EXPECT_EQ(back.text(), QStringLiteral("from standard input"));
    const auto [emptyExit, emptyOut, emptyErr] = run(batch, "");
    EXPECT_EQ(emptyExit, 6);
    EXPECT_EQ(emptyErr, "glintwork: the text to format is empty\n");
    QStringList missing = batch;
    missing[4] = f.path("missing.txt");
    const auto [missingExit, missingOut, missingErr] = run(missing);
    EXPECT_EQ(missingExit, 5);
    EXPECT_TRUE(missingErr.startsWith("glintwork: cannot read the input "))
        << missingErr.toStdString();

    // Under a memory limit far below what an endless input would take.
    const QByteArray written = f.read("out.rtf");
    QProcess limited;
    limited.setProcessEnvironment(env);
    QStringList endless = batch;
    endless[4] = QStringLiteral("/dev/zero");
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of address space, so it cannot start under an
    // address-space limit; the refusal itself is still checked.
    limited.start(GLINTWORK_EXE, endless);
#else
    limited.start("prlimit", QStringList{"--as=2000000000", GLINTWORK_EXE} + endless);
#endif
    ASSERT_TRUE(limited.waitForFinished(60000));
    EXPECT_EQ(limited.exitCode(), 5) << limited.readAllStandardError().toStdString();
    EXPECT_EQ(f.read("out.rtf"), written);

    // A folder on standard input cannot be read; help to a full stdout is a failure.
    QProcess folder;
    folder.setProcessEnvironment(env);
    folder.start("sh", QStringList{"-c", "d=$1; shift; exec \"$@\" < \"$d\"", "sh", f.dir.path(),
                                   GLINTWORK_EXE} +
                           batch);
    ASSERT_TRUE(folder.waitForFinished(60000));
    EXPECT_EQ(folder.exitCode(), 5);
    EXPECT_EQ(folder.readAllStandardError(),
              QString("glintwork: cannot read the input \"-\": Is a directory.\n").toUtf8());
    QProcess full;
    full.setProcessEnvironment(env);
    full.setStandardOutputFile("/dev/full");
    full.start(QStringLiteral(GLINTWORK_EXE), {"--help"});
    ASSERT_TRUE(full.waitForFinished(60000));
    EXPECT_EQ(full.exitCode(), 1);
    EXPECT_TRUE(full.readAllStandardError().contains("No space left on device"));
}

TEST(BatchRun, WritesAPdfFileWithThePlatformsPdfWriter)
{
    BatchFixture f;
    // Without a PDF writer the ending is refused like any other unknown one.
    EXPECT_EQ(f.batch.run(f.job("out.pdf")).exitCode, BatchRun::UnknownExtension);
    f.batch.setPdfWriter(&QtPrintService::pdfBytes);
    ASSERT_EQ(f.batch.run(f.job("out.pdf", QByteArray("Batch to PDF"))).exitCode,
              BatchRun::Success);
    const QByteArray pdf = f.read("out.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {f.path("out.pdf"), QStringLiteral("-")});
    text.waitForFinished(30000);
    // Capitalisation and spacing effects aside, the letters are all there, then the number
    // of the one page.
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_EQ(extracted.toLower().remove(u' '), QStringLiteral("batchtopdf1"));
}
