// The settings file: its exact bytes, the round trip of every field, the read failures,
// short files, text outside Windows-1252, and the start-up that falls back to the reset.
#include "core/progressstate.h"
#include "core/randomsource.h"
#include "fakes/fakefontcatalog.h"
#include "files/textfile.h"
#include "settings/modeswitch.h"
#include "settings/resetsequence.h"
#include "settings/settingsfile.h"
#include "settings/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class QuietModeHost : public ModeSwitchHost {
public:
    QStringList events;
    void setBusy(bool busy) override { events << (busy ? "busy" : "idle"); }
    void processEvents() override {}
    void showOutput(bool) override {}
    void showFontList(bool) override {}
    void informWordProcessorMode() override { events << "wp"; }
};

// The reset as the program wires it: the mode switch and the settings writer.
class ProgramReset : public RecordResetOperations {
public:
    ProgramReset(ModeSwitch &modes, ModeSwitchHost &host, QString folder)
        : m_modes(modes), m_host(host), m_folder(std::move(folder))
    {}
    void switchMode(EffectSettings &s, OutputMode mode) override
    {
        m_modes.switchTo(s, mode, m_host);
    }
    void saveSettings(const EffectSettings &s) override { SettingsFile::saveQuietly(m_folder, s); }

private:
    ModeSwitch &m_modes;
    ModeSwitchHost &m_host;
    QString m_folder;
};

struct Program {
    QTemporaryDir dir;
    FakeFontCatalog fonts{{"Arial", "Georgia", "Wingdings", "Verdana", "impact "}};
    ProgressState progress;
    ModeSwitch modes{fonts, progress};
    QuietModeHost host;
    ProgramReset reset{modes, host, dir.path()};
    EffectSettings settings = StartUp::initialState();

    StartUp::Outcome start()
    {
        return StartUp::loadSettings(dir.path(), settings, modes, host, reset);
    }
    QString file() const { return SettingsFile::path(dir.path()); }
    QByteArray bytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray &bytes) const
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

QList<QByteArray> firstRunLines()
{
    QList<QByteArray> lines = {" 0 ",
                               " 1 ",
                               " 0 ",
                               " 1 ",
                               " 1 ",
                               " 1 ",
                               " 0 ",
                               "5",
                               "20",
                               " 0 ",
                               " 0 ",
                               "\xA3$EOHT",
                               "Type something here and click Refresh...",
                               "\xA3$EOHT",
                               " 5 ",
                               " 7 "};
    for (const char *c : {"255", "33023", "65535", "65280", "16776960", "16711680", "16711935"})
        lines << QByteArray(" ") + c + " " << c << "";
    for (int k = 0; k < 2; ++k)
        lines << " 12632256 "
              << "12632256"
              << "X";
    for (const char *c : {"255", "65280", "16711680", "255"})
        lines << QByteArray(" ") + c + " " << c << "";
    for (int k = 0; k < 5; ++k)
        lines << " 0 ";
    lines << " 0 "
          << " 1 "
          << " 0 "
          << " 0 ";
    return lines;
}

} // namespace

TEST(SettingsFile, NumberLines)
{
    EXPECT_EQ(SettingsFile::numberLine(5), QStringLiteral(" 5 "));
    EXPECT_EQ(SettingsFile::numberLine(-1), QStringLiteral("-1 "));
    EXPECT_EQ(SettingsFile::numberLine(0), QStringLiteral(" 0 "));
}

// Wavelength and blend length are read as numbers once, where the file's text enters, and
// written back as the numbers' own texts.
TEST(SettingsFile, NumberFieldsAreReadOnceAndWrittenAsNumbers)
{
    QList<QByteArray> lines = firstRunLines();
    lines[7] = " 7x";
    lines[8] = "2.50";
    const auto loaded = SettingsFile::parseBytes(crlf(lines), [](OutputMode) { return 5; });
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->wavelength, 7);
    EXPECT_EQ(loaded->blendLength, 2.5);
    EffectSettings s;
    loaded->applyTo(s);
    const QStringList written = SettingsFile::lines(s);
    EXPECT_EQ(written[7], QStringLiteral("7"));
    EXPECT_EQ(written[8], QStringLiteral("2.5"));
}

// A stored text beyond the limit is set aside with the file, and the start-up says why.
TEST(SettingsFile, TextBeyondTheLimitIsKeptAsABackupAndToldApart)
{
    Program p;
    p.start();
    p.settings.text = QString(EffectSettings::kMaxTextLength + 1, QLatin1Char('x'));
    ASSERT_TRUE(SettingsFile::save(p.dir.path(), p.settings).ok);
    p.settings = StartUp::initialState();
    EXPECT_EQ(p.start(), StartUp::Outcome::ResetTooLong);
    EXPECT_TRUE(QFileInfo(QDir(p.dir.path()).filePath(SettingsFile::kBackupName)).size() >
                EffectSettings::kMaxTextLength);
}

TEST(SettingsFile, FirstRunWritesTheDefaultsByteForByte)
{
    Program p;
    EXPECT_EQ(p.start(), StartUp::Outcome::Reset);
    // The lines of the written rule, byte for byte, then the font-name trailer.
    EXPECT_EQ(p.bytes(), crlf(firstRunLines()) + crlf({"\xA3$FONTS", "Arial", "Georgia",
                                                       "Wingdings", "Verdana", "impact "}));
    EXPECT_FALSE(QFile::exists(QDir(p.dir.path()).filePath(SettingsFile::kBackupName)));
    EXPECT_EQ(p.settings.fonts.size(), 5);
    EXPECT_TRUE(p.settings.toolTips);
}

TEST(SettingsFile, RoundTripRestoresEveryField)
{
    Program p;
    p.start();
    EffectSettings &s = p.settings;
    s.text = QStringLiteral("line one\r\n\r\nline three \u00E9\u20AC");
    s.sizeEffect = 6;
    s.capitalisation = 5;
    s.colouring = 3;
    s.characterPosition = 2;
    s.randomBoldItalic = 0;
    s.alternateSelectedFonts = 1;
    s.wavelength = 7.5;
    s.blendLength = 0;
    s.randomAlternateColours = 1;
    s.predefinedScheme = 13;
    s.minimumSize = 0;
    s.minimumSizeIndex = -1;
    s.maximumSize = 120;
    s.maximumSizeIndex = 16;
    s.alternateColours[3].colour = 0x010203;
    s.alternateColours[3].tag = "66051";
    ColourLabels::rightClick(s.alternateColours, 5, ColourLabels::Row::Alternate);
    ColourLabels::rightClick(s.blendColours, 1, ColourLabels::Row::Blend);
    s.fontSelected = {false, true, false, true, true};
    s.singleColour = 0xABCDEF;
    s.toolTips = false;
    s.formatWordByWord = true;
    s.colourWordByWord = true;
    ASSERT_TRUE(SettingsFile::save(p.dir.path(), s).ok);
    EXPECT_TRUE(p.bytes().contains("three \xE9\x80")); // Windows-1252 bytes
    EXPECT_FALSE(p.bytes().startsWith("\xEF\xBB\xBF"));

    Program q;
    QFile::copy(p.file(), q.file());
    EXPECT_EQ(q.start(), StartUp::Outcome::Loaded);
    EXPECT_EQ(q.settings, s);
}

TEST(SettingsFile, HtmlModeRoundTripKeepsTheWebFontSelection)
{
    Program p;
    p.start();
    p.modes.switchTo(p.settings, OutputMode::Html, p.host);
    ASSERT_EQ(p.settings.fonts, QStringList({"Arial", "Georgia", "Verdana", "impact "}));
    EXPECT_EQ(p.settings.fontSelected, QList<bool>({true, false, true, false}));
    p.settings.fontSelected = {false, true, false, true};
    ASSERT_TRUE(SettingsFile::save(p.dir.path(), p.settings).ok);
    Program q;
    QFile::copy(p.file(), q.file());
    EXPECT_EQ(q.start(), StartUp::Outcome::Loaded);
    EXPECT_EQ(q.settings.outputMode, OutputMode::Html);
    EXPECT_EQ(q.settings.fontSelected, QList<bool>({false, true, false, true}));
    EXPECT_EQ(q.settings.minimumSize, 5);
    EXPECT_EQ(q.settings.maximumSize, 6);
}

TEST(SettingsFile, TextOutsideWindows1252SurvivesAsUtf8)
{
    Program p;
    p.start();
    p.settings.text = QStringLiteral("\u3042\u3044 ") + QString::fromUcs4(U"\U0001F600");
    ASSERT_TRUE(SettingsFile::save(p.dir.path(), p.settings).ok);
    EXPECT_TRUE(p.bytes().startsWith("\xEF\xBB\xBF"));
    Program q;
    QFile::copy(p.file(), q.file());
    EXPECT_EQ(q.start(), StartUp::Outcome::Loaded);
    EXPECT_EQ(q.settings.text, p.settings.text);
}

TEST(SettingsFile, TrailingLineBreaksOfTheTextAreDropped)
{
    Program p;
    p.start();
    for (const QString &text : {QStringLiteral("abc\r\n\r\n"), QStringLiteral("\r\n\r\n")}) {
        p.settings.text = text;
        ASSERT_TRUE(SettingsFile::save(p.dir.path(), p.settings).ok);
        Program q;
        QFile::copy(p.file(), q.file());
        q.start();
        EXPECT_EQ(q.settings.text, text.trimmed());
    }
}

namespace {

struct Damage {
    const char *name;
    int line; // 0-based index of the line to replace
    QByteArray content;
    bool loads;
};

class SettingsDamageTest : public ::testing::TestWithParam<Damage> {};

} // namespace

TEST_P(SettingsDamageTest, LoadsOrFallsBackToTheReset)
{
    const Damage &d = GetParam();
    Program p;
    QList<QByteArray> lines = firstRunLines();
    lines[3] = " 2 "; // OC 2, so that a reset is visible
    lines[d.line] = d.content;
    p.write(crlf(lines));
    const auto outcome = p.start();
    EXPECT_EQ(outcome == StartUp::Outcome::Loaded, d.loads);
    EXPECT_EQ(p.settings.colouring, d.loads ? 2 : 1);
    const QString backup = QDir(p.dir.path()).filePath(SettingsFile::kBackupName);
    EXPECT_EQ(QFile::exists(backup), !d.loads);
}

INSTANTIATE_TEST_SUITE_P(SettingsFile, SettingsDamageTest,
                         ::testing::Values(Damage{"ModeNotANumber", 0, "abc", false},
                                           Damage{"ModeOutOfRange", 0, " 3 ", false},
                                           Damage{"ModeHuge", 0, " 99999999999999999999 ", false},
                                           Damage{"OptionTextSelectsZero", 1, "abc", true},
                                           Damage{"OptionOutOfGroup", 4, " 3 ", false},
                                           Damage{"CheckBoxTwo", 5, " 2 ", false},
                                           Damage{"CheckBoxText", 6, "x", false},
                                           Damage{"ComboPCIgnored", 10, " 20 ", true},
                                           Damage{"ComboPCTextIgnored", 10, "junk", true},
                                           Damage{"SizeListPastTheEnd", 14, " 17 ", false},
                                           Damage{"SizeListNone", 15, "-1 ", true},
                                           Damage{"ColourNegative", 16, "-5 ", false},
                                           Damage{"ColourTooLarge", 19, " 16777216 ", false},
                                           Damage{"TruthValueText", 55, "maybe", false},
                                           Damage{"TruthValueTrueWord", 55, "True", true},
                                           // Taken for a changed font set: only the
                                           // font selection is dropped.
                                           Damage{"Label1ColText", 60, "black", true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SettingsFile, DamagedFilesAreKeptByteForByteAndNeverReplaceABackup)
{
    Program p;
    // Valid UTF-8 but for one Windows-1252 letter in the text.
    QList<QByteArray> lines = firstRunLines();
    lines[11] = lines[13] = "\xC2\xA3$EOHT";
    lines[12] = "caf\xE9";
    const QByteArray badUtf8 = "\xEF\xBB\xBF" + crlf(lines);
    const QList<QByteArray> damaged = {badUtf8, "abc\r\n", QByteArray("\xEF\xBB\xBF\xFF", 4)};
    const QStringList backups = {"Glintwork.ini.bak", "Glintwork.ini.2.bak", "Glintwork.ini.3.bak"};
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        p.write(damaged[i]);
        EXPECT_EQ(p.start(), StartUp::Outcome::Reset);
    }
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        QFile backup(QDir(p.dir.path()).filePath(backups[i]));
        ASSERT_TRUE(backup.open(QIODevice::ReadOnly)) << backups[i].toStdString();
        EXPECT_EQ(backup.readAll(), damaged[i]);
    }
}

TEST(SettingsFile, ShortFilesAfterTheFontBlockLoad)
{
    const QList<QByteArray> all = firstRunLines();
    for (int keep : {int(all.size()) - 4, int(all.size()) - 3, 56, 55}) {
        Program p;
        QList<QByteArray> lines = all;
        lines[60] = " 255 ";
        lines[58] = "-1 ";
        p.write(crlf(lines.mid(0, keep)));
        EXPECT_EQ(p.start(), StartUp::Outcome::Loaded) << keep;
        EXPECT_EQ(p.settings.singleColour, keep > 60 ? 255 : 0);
        EXPECT_EQ(p.settings.fontSelected[3], keep > 58);
        EXPECT_FALSE(p.settings.toolTips); // unchecked from start-up
    }
}

namespace {

struct FontSetChange {
    const char *name;
    bool trailer;       // the file was written with the font-name trailer
    QStringList before; // the fonts when the file was written
    QStringList after;  // the fonts at the next start
    QList<bool> selected;
};

class FontSetChangeTest : public ::testing::TestWithParam<FontSetChange> {};

} // namespace

// Selected: Georgia and the last font; Label1Col red; tooltips on, word by word off, colour
// word by word on. A font set changed between runs must not move any of them.
TEST_P(FontSetChangeTest, KeepsTheFixedValuesAndSelectsByNameOrDrops)
{
    const FontSetChange &c = GetParam();
    QList<QByteArray> lines = firstRunLines().mid(0, 55);
    for (const QString &font : c.before)
        lines << (font == "Georgia" || font == c.before.last() ? "-1 " : " 0 ");
    lines << " 255 "
          << " 1 "
          << " 0 "
          << " 1 ";
    if (c.trailer) {
        lines << "\xA3$FONTS";
        for (const QString &font : c.before)
            lines << font.toLatin1();
    }
    Program p;
    p.fonts.setNames(c.after);
    p.write(crlf(lines));
    EXPECT_EQ(p.start(), StartUp::Outcome::Loaded);
    EXPECT_EQ(p.settings.fontSelected, c.selected);
    EXPECT_EQ(p.settings.singleColour, 255);
    EXPECT_TRUE(p.settings.toolTips);
    EXPECT_FALSE(p.settings.formatWordByWord);
    EXPECT_TRUE(p.settings.colourWordByWord);
}

INSTANTIATE_TEST_SUITE_P(SettingsFile, FontSetChangeTest,
                         ::testing::Values(FontSetChange{"Unchanged",
                                                         true,
                                                         {"Arial", "Georgia", "Tahoma"},
                                                         {"Arial", "Georgia", "Tahoma"},
                                                         {false, true, true}},
                                           FontSetChange{"OneRemoved",
                                                         true,
                                                         {"Arial", "Georgia", "Tahoma"},
                                                         {"Georgia", "Tahoma"},
                                                         {true, true}},
                                           FontSetChange{"OneInstalled",
                                                         true,
                                                         {"Arial", "Georgia", "Tahoma"},
                                                         {"Arial", "Courier", "Georgia", "Tahoma"},
                                                         {false, false, true, true}},
                                           FontSetChange{"OldFileUnchanged",
                                                         false,
                                                         {"Arial", "Georgia", "Tahoma"},
                                                         {"Arial", "Georgia", "Tahoma"},
                                                         {false, true, true}},
                                           FontSetChange{"OldFileOneRemoved",
                                                         false,
                                                         {"Arial", "Georgia", "Tahoma"},
                                                         {"Georgia", "Tahoma"},
                                                         {false, false}},
                                           FontSetChange{
                                               "OldFileTwoInstalled",
                                               false,
                                               {"Arial", "Georgia", "Tahoma"},
                                               {"Arial", "Courier", "Georgia", "Tahoma", "Verdana"},
                                               {false, false, false, false, false}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SettingsFile, TruncatedBeforeTheFontBlockFails)
{
    const QList<QByteArray> all = firstRunLines();
    for (int keep : {0, 1, 11, 13, 15, 54}) {
        Program p;
        p.write(crlf(all.mid(0, keep)));
        EXPECT_EQ(p.start(), StartUp::Outcome::Reset) << keep;
    }
}

// Any text comes back as it was typed: lines that look like the separator (with pound
// signs in front, or not) included; the file of any other text is laid out as designed.
TEST(SettingsFile, AnyTextLineSurvivesTheFile)
{
    const QString sep = SettingsFile::kSeparator;
    const QStringList pool{sep,
                           QString(u'\u00A3') + sep,
                           "\u00A3\u00A3" + sep,
                           sep + "x",
                           "x" + sep,
                           "",
                           "plain",
                           SettingsFile::kFontTrailer,
                           " 5 ",
                           sep + "\r",
                           "\u00A3",
                           "\u00A3$EOH"};
    RandomSource random(27);
    for (int round = 0; round < 150; ++round) {
        QStringList picked;
        for (int i = random.below(8); i >= 0; --i)
            picked << pool[random.below(int(pool.size()))];
        QString text = picked.join("\r\n");
        Program p;
        p.start();
        p.settings.text = text;
        ASSERT_TRUE(SettingsFile::save(p.dir.path(), p.settings).ok);
        Program q;
        QFile::copy(p.file(), q.file());
        ASSERT_EQ(q.start(), StartUp::Outcome::Loaded) << text.toStdString();
        while (text.endsWith(u'\r') || text.endsWith(u'\n'))
            text.chop(1);
        EXPECT_EQ(q.settings.text, text) << text.toStdString();
        bool separatorLine = false;
        for (const QString &line : picked)
            separatorLine =
                separatorLine || SettingsFile::isSeparatorLike(QStringView(line).trimmed());
        if (!separatorLine) {
            EXPECT_EQ(SettingsFile::storedText(p.settings.text), p.settings.text);
        }
    }
}

TEST(SettingsFile, FontNamesWithLineBreaksKeepTheTrailerWhole)
{
    const QStringList fonts{"Arial", "Line\nBreak", "Two\r\nLines", "Verdana"};
    EffectSettings s;
    s.setFonts(fonts);
    s.fontSelected = {false, true, true, false};
    const QStringList lines = SettingsFile::lines(s);
    EXPECT_EQ(lines.size() - lines.indexOf(SettingsFile::kFontTrailer) - 1, fonts.size());
    const auto loaded =
        SettingsFile::parseBytes(TextFile::encodeLines(lines), [&](OutputMode) { return 4; });
    ASSERT_TRUE(loaded);
    EffectSettings back;
    back.setFonts(fonts);
    loaded->applyTo(back);
    EXPECT_EQ(back.fontSelected, (QList<bool>{false, true, true, false}));
}

TEST(SettingsFile, MissingClosingSeparatorFails)
{
    Program p;
    QList<QByteArray> lines = firstRunLines().mid(0, 13);
    p.write(crlf(lines));
    EXPECT_EQ(p.start(), StartUp::Outcome::Reset);
}

TEST(SettingsFile, MoreThanTwentySelectedFontsAreCapped)
{
    LoadedSettings loaded;
    loaded.fontSelection = QList<bool>(25, true);
    EffectSettings s;
    QStringList names;
    for (int i = 0; i < 30; ++i)
        names << QString::number(i);
    s.setFonts(names);
    loaded.applyTo(s);
    EXPECT_EQ(s.selectedFontCount(), 20);
    EXPECT_TRUE(s.fontSelected[19]);
    EXPECT_FALSE(s.fontSelected[20]);
}

TEST(ModeSwitch, HtmlModeListsWebFontsThatAMetricAliasDraws)
{
    // Liberation Sans alone stands in (for Arial); Verdana has no stand-in.
    FakeFontCatalog fonts({"Liberation Sans", "Georgia", "Foo"});
    fonts.setMetricAliases({{"Arial", "Liberation Sans"}});
    ProgressState progress;
    ModeSwitch modes(fonts, progress);
    QuietModeHost host;
    EffectSettings s;
    modes.switchTo(s, OutputMode::Normal, host);
    modes.switchTo(s, OutputMode::Html, host);
    // Installed under its name first, then the stand-ins; written to the page by the web name.
    EXPECT_EQ(s.fonts, QStringList({"Georgia", "Arial"}));
    EXPECT_EQ(s.fontSelected, QList<bool>({false, true}));
    EXPECT_EQ(modes.webFontStandIns(), (QHash<QString, QString>{{"Arial", "Liberation Sans"}}));
    EXPECT_EQ(modes.fontCountFor(OutputMode::Html), 2);
}

namespace {

QStringList g_logged;
void collectLog(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1StringView(context.category) == QLatin1StringView("kerncraft.glintwork.settings"))
        g_logged << message;
}

} // namespace

// The writes on closing and after a reset stay quiet towards the user; their failure still
// reaches the log, with the file and the reason.
TEST(SettingsFile, QuietSaveThatFailsIsLogged)
{
    QTemporaryDir dir;
    const QString blocker = QDir(dir.path()).filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString folder = QDir(blocker).filePath(QStringLiteral("sub"));
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectLog);
    const bool saved = SettingsFile::saveQuietly(folder, EffectSettings{});
    qInstallMessageHandler(previous);
    EXPECT_FALSE(saved);
    ASSERT_EQ(g_logged.size(), 1);
    EXPECT_TRUE(g_logged[0].contains(SettingsFile::path(folder))) << g_logged[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(SettingsFile::path(folder)));
}

TEST(ModeSwitch, TablesAndTransitions)
{
    FakeFontCatalog fonts({"Wingdings", "arial", " Arial ", "Georgia", "Times New Roman", "Foo"});
    ProgressState progress;
    ModeSwitch modes(fonts, progress);
    QuietModeHost host;
    EffectSettings s;
    EXPECT_TRUE(modes.switchTo(s, OutputMode::Normal, host));
    EXPECT_EQ(s.fonts.size(), 6);
    EXPECT_EQ(modes.webFontPositions(), QList<int>({1, 3, 4}));
    EXPECT_FALSE(modes.switchTo(s, OutputMode::Normal, host));

    s.fontSelected[5] = true;
    s.minimumSize = 33;
    EXPECT_TRUE(modes.switchTo(s, OutputMode::WordProcessor, host));
    EXPECT_TRUE(host.events.contains("wp"));
    EXPECT_TRUE(s.fontSelected[5]);
    EXPECT_EQ(s.minimumSize, 33);

    s.characterPosition = EffectSettings::PositionCentre;
    EXPECT_TRUE(modes.switchTo(s, OutputMode::Html, host));
    EXPECT_EQ(s.fonts, QStringList({"arial", "Georgia", "Times New Roman"}));
    EXPECT_EQ(s.fontSelected, QList<bool>({true, false, true}));
    EXPECT_EQ(s.characterPosition, EffectSettings::PositionNone);
    EXPECT_EQ(s.minimumSize, 5);
    EXPECT_EQ(s.maximumSize, 6);

    EXPECT_TRUE(modes.switchTo(s, OutputMode::Normal, host));
    EXPECT_EQ(s.fonts.size(), 6);
    EXPECT_EQ(s.selectedFontCount(), 0);
    EXPECT_EQ(s.minimumSize, 20);
    EXPECT_EQ(s.maximumSize, 32);
    EXPECT_EQ(s.characterPosition, EffectSettings::PositionNone);
    EXPECT_EQ(host.events.last(), "idle");
    EXPECT_FALSE(progress.visible());
}
