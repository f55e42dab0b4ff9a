// The settings file: its exact bytes, the round trip of every field, the read failures,
// short files, text outside Windows-1252, and the start-up that falls back to the reset.
#include "fakefontcatalog.h"
#include "modeswitch.h"
#include "progressstate.h"
#include "resetsequence.h"
#include "settingsfile.h"
#include "startup.h"

#include <QDir>
#include <QFile>
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
    void saveSettings(const EffectSettings &s) override { SaveSettings(m_folder, s); }

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

TEST(SettingsFile, FirstRunWritesTheDefaultsByteForByte)
{
    Program p;
    EXPECT_EQ(p.start(), StartUp::Outcome::Reset);
    // The lines of the written rule, byte for byte, then the font-name trailer.
    EXPECT_EQ(p.bytes(), crlf(firstRunLines()) + crlf({"\xA3$FONTS", "Arial", "Georgia",
                                                       "Wingdings", "Verdana", "impact "}));
    EXPECT_FALSE(QFile::exists(QDir(p.dir.path()).filePath(SettingsFile::kBackupName)));
    EXPECT_EQ(p.settings.fonts.size(), 5);
    EXPECT_TRUE(p.settings.mnuTT);
}

TEST(SettingsFile, RoundTripRestoresEveryField)
{
    Program p;
    p.start();
    EffectSettings &s = p.settings;
    s.text = QStringLiteral("line one\r\n\r\nline three \u00E9\u20AC");
    s.sizes = 6;
    s.cap = 5;
    s.oc = 3;
    s.pos = 2;
    s.checkBI = 0;
    s.checkAF = 1;
    s.textWL = "7.5";
    s.textBL = " x";
    s.checkRandom = 1;
    s.comboPC = 13;
    s.comboS = "";
    s.comboSIndex = -1;
    s.comboB = "120";
    s.comboBIndex = 16;
    s.cl[3].colour = 0x010203;
    s.cl[3].tag = "66051";
    ColourLabels::rightClick(s.cl, 5, ColourLabels::Row::Alternate);
    ColourLabels::rightClick(s.cb, 1, ColourLabels::Row::Blend);
    s.fontSelected = {false, true, false, true, true};
    s.label1Col = 0xABCDEF;
    s.mnuTT = false;
    s.mnuWW = true;
    s.mnuCW = true;
    ASSERT_TRUE(SaveSettings(p.dir.path(), s).ok);
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
    SaveSettings(p.dir.path(), p.settings);
    Program q;
    QFile::copy(p.file(), q.file());
    EXPECT_EQ(q.start(), StartUp::Outcome::Loaded);
    EXPECT_EQ(q.settings.outputMode, OutputMode::Html);
    EXPECT_EQ(q.settings.fontSelected, QList<bool>({false, true, false, true}));
    EXPECT_EQ(q.settings.comboS, "5");
    EXPECT_EQ(q.settings.comboB, "6");
}

TEST(SettingsFile, TextOutsideWindows1252SurvivesAsUtf8)
{
    Program p;
    p.start();
    p.settings.text = QStringLiteral("\u3042\u3044 ") + QString::fromUcs4(U"\U0001F600");
    SaveSettings(p.dir.path(), p.settings);
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
        SaveSettings(p.dir.path(), p.settings);
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
    EXPECT_EQ(p.settings.oc, d.loads ? 2 : 1);
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
        EXPECT_EQ(p.settings.label1Col, keep > 60 ? 255 : 0);
        EXPECT_EQ(p.settings.fontSelected[3], keep > 58);
        EXPECT_FALSE(p.settings.mnuTT); // unchecked from start-up
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
    EXPECT_EQ(p.settings.label1Col, 255);
    EXPECT_TRUE(p.settings.mnuTT);
    EXPECT_FALSE(p.settings.mnuWW);
    EXPECT_TRUE(p.settings.mnuCW);
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

TEST(SettingsFile, SeparatorInsideTheTextEndsTheBlock)
{
    Program p;
    p.start();
    p.settings.text = QStringLiteral("first\r\n\u00A3$EOHT\r\nsecond");
    SaveSettings(p.dir.path(), p.settings);
    Program q;
    QFile::copy(p.file(), q.file());
    EXPECT_EQ(q.start(), StartUp::Outcome::Reset);
    // The damaged file is kept for the user.
    QFile backup(QDir(q.dir.path()).filePath(SettingsFile::kBackupName));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_TRUE(backup.readAll().contains("second"));
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
    s.comboS = "33";
    EXPECT_TRUE(modes.switchTo(s, OutputMode::WordProcessor, host));
    EXPECT_TRUE(host.events.contains("wp"));
    EXPECT_TRUE(s.fontSelected[5]);
    EXPECT_EQ(s.comboS, "33");

    s.pos = EffectSettings::PosCentre;
    EXPECT_TRUE(modes.switchTo(s, OutputMode::Html, host));
    EXPECT_EQ(s.fonts, QStringList({"arial", "Georgia", "Times New Roman"}));
    EXPECT_EQ(s.fontSelected, QList<bool>({true, false, true}));
    EXPECT_EQ(s.pos, EffectSettings::PosNone);
    EXPECT_EQ(s.comboS, "5");
    EXPECT_EQ(s.comboB, "6");

    EXPECT_TRUE(modes.switchTo(s, OutputMode::Normal, host));
    EXPECT_EQ(s.fonts.size(), 6);
    EXPECT_EQ(s.selectedFontCount(), 0);
    EXPECT_EQ(s.comboS, "20");
    EXPECT_EQ(s.comboB, "32");
    EXPECT_EQ(s.pos, EffectSettings::PosNone);
    EXPECT_EQ(host.events.last(), "idle");
    EXPECT_FALSE(progress.visible());
}
