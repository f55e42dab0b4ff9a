// The batch mode: the command line, each failure's line and exit code, repeatable output
// with a seed, the output read back as rich text, and the real program without a display.
#include "batchrun.h"
#include "commandline.h"
#include "fakefontcatalog.h"
#include "richdocument.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        SaveSettings(dir.path(), s);
    }
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    QString settings() const { return SettingsFile::path(dir.path()); }
    BatchJob job(const QString &output, std::optional<QByteArray> input = std::nullopt) const
    {
        return {settings(), std::move(input), path(output), 1234};
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
         QString("glintwork: the output \"%1\" must end in .rtf, .htm or .html")
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
}
