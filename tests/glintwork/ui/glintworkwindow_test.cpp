// The main window driven offscreen with fake services: enabling rules, the font list and
// its status line, tooltips, colour swatches, the reset, the output modes, the editing and
// size commands, printing, saving, the help commands, start-up and closing.
#include "core/publisher.h"
#include "fakes/namedchild.h"
#include "glintworkwindowfixture.h"
#include "platform/printcommands.h"
#include "platform/printservice.h"
#include "richtext/richtextbox.h"
#include "settings/settingsfile.h"
#include "ui/qtglintworkdialogs.h"
#include "widgets/platform/qtclipboard.h"
#include "widgets/richtext/richtextedit.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString kDefaultText = QStringLiteral("Type something here and click Refresh...");

QString artefactFolder()
{
    const QString folder =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("glintwork-screens"));
    QDir().mkpath(folder);
    return folder;
}

template <typename T> T *child(GlintworkWindow &w, const QString &name)
{
    return namedChild<T>(&w, name);
}

QRadioButton *option(GlintworkWindow &w, const char *group, int index)
{
    return child<QRadioButton>(w, QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index));
}

QAction *action(GlintworkWindow &w, const QString &name)
{
    return child<QAction>(w, name);
}

QListWidget *fontList(GlintworkWindow &w)
{
    return child<QListWidget>(w, QStringLiteral("ListFonts"));
}

QStringList listEntries(QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

QStringList selectedEntries(QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            names.append(list->item(i)->text());
    return names;
}

// Output text whose characters carry the given sizes.
void fillOutput(GlintworkWindow &w, const QString &text, const QList<double> &sizes)
{
    RichTextBox &box = w.output();
    box.setText(text);
    for (int i = 0; i < sizes.size(); ++i) {
        box.select(i, 1);
        box.setSelFontSize(sizes[i]);
    }
    box.select(0, 0);
}

QList<double> outputSizes(GlintworkWindow &w)
{
    QList<double> sizes;
    for (int i = 0; i < w.output().text().size(); ++i)
        sizes.append(w.output().formatAt(i).size);
    return sizes;
}

QStringList manyFonts(int n)
{
    QStringList names;
    for (int i = 0; i < n; ++i)
        names.append(QStringLiteral("Face %1").arg(i, 2, 10, QLatin1Char('0')));
    return names;
}

} // namespace

TEST(GlintworkWindowStartUp, WithoutAFileWritesTheDefaults)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    const QString path = QDir(f.files.programFolder()).filePath(QStringLiteral("Glintwork.ini"));
    EXPECT_EQ(w.settingsPath(), path);
    ASSERT_TRUE(QFile::exists(path));
    const auto lines = TextFile::readLines(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->value(0), QStringLiteral(" 0 "));
    EXPECT_TRUE(lines->contains(kDefaultText));
    EXPECT_EQ(w.inputText(), kDefaultText);
    EXPECT_EQ(w.outputMode(), OutputMode::Normal);
    EXPECT_TRUE(action(w, QStringLiteral("mnuTT"))->isChecked());
    EXPECT_TRUE(action(w, QStringLiteral("mnuMode_0"))->isChecked());
    EXPECT_EQ(listEntries(fontList(w)), GlintworkWindowFixture::fontNames());
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboS"))->currentText(), QStringLiteral("20"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboB"))->currentText(), QStringLiteral("32"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboPC"))->count(), 14);
    // The busy pointer ends where it started.
    EXPECT_FALSE(f.busy.screenBusy);
    EXPECT_FALSE(f.busy.windowBusy);
    EXPECT_EQ(f.busy.screenChanges.value(0), true);
}

TEST(GlintworkWindowStartUp, ADamagedFileIsKeptAndTheDefaultsApply)
{
    GlintworkWindowFixture f;
    const QString folder = f.files.programFolder();
    const QByteArray damaged = " 7 \r\nmy own text\r\n\xff\xfe garbage";
    {
        QFile file(QDir(folder).filePath(QStringLiteral("Glintwork.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    GlintworkWindow &w = f.start();
    QFile backup(QDir(folder).filePath(QStringLiteral("Glintwork.ini.bak")));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), damaged);
    EXPECT_EQ(w.inputText(), kDefaultText);
    EXPECT_TRUE(action(w, QStringLiteral("mnuTT"))->isChecked());
    const auto lines = TextFile::readLines(w.settingsPath());
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->value(0), QStringLiteral(" 0 "));
    // The automatic reset does not ask.
    EXPECT_TRUE(f.messages.shown.isEmpty());
}

TEST(GlintworkWindowStartUp, SettingsGoToTheUserFolderWhenTheProgramFolderIsReadOnly)
{
    GlintworkWindowFixture f;
    f.files.setProgramFolderWritable(false);
    GlintworkWindow &w = f.start();
    EXPECT_EQ(QDir(w.settingsFolder()).canonicalPath(),
              QDir(f.files.userConfigFolder()).canonicalPath());
    EXPECT_TRUE(QFile::exists(w.settingsPath()));
}

TEST(GlintworkWindowStartUp, WithNothingWritableItSaysSoOnceAndWritesNothing)
{
    GlintworkWindowFixture f;
    f.files.setProgramFolderWritable(false);
    f.files.setUserFoldersWritable(false);
    GlintworkWindow &w = f.start();
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_TRUE(
        f.messages.shown[0].text.startsWith("Glintwork cannot save your text and settings."));
    EXPECT_TRUE(w.settingsFolder().isEmpty());
    w.setInputText(QStringLiteral("kept while it runs"));
    w.mnuX_Click();
    EXPECT_EQ(f.messages.shown.size(), 1);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Glintwork.ini")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/Glintwork.ini")));
}

// The close-time save that fails: told once with the folder and the reason, tried again on
// request (the window and its text still there), or given up.
TEST(GlintworkWindowStartUp, AFailedSaveAtCloseTellsAndOffersToTryAgain)
{
    for (const bool roomMade : {false, true}) {
        GlintworkWindowFixture f;
        GlintworkWindow &w = f.start();
        const QString folder = w.settingsFolder();
        w.setInputText(QStringLiteral("typed before closing"));
        // The folder is gone and a plain file has its name: nothing can be written there.
        ASSERT_TRUE(QDir(folder).removeRecursively());
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.messages.answers = {MessageService::Answer::Retry, MessageService::Answer::Discard};
        f.messages.onShown = [&](const FakeMessageService::Shown &shown) {
            EXPECT_EQ(w.inputText(), QStringLiteral("typed before closing"));
            EXPECT_EQ(shown.buttons, MessageService::Buttons::RetryDiscard);
            EXPECT_TRUE(shown.text.contains(QDir::toNativeSeparators(folder)));
            if (roomMade && f.messages.shown.size() == 1) {
                QFile::remove(folder);
                QDir().mkpath(folder);
            }
        };
        w.mnuX_Click();
        EXPECT_EQ(f.messages.shown.size(), roomMade ? 1 : 2);
        EXPECT_TRUE(
            f.messages.shown[0].text.startsWith("Your text and settings could not be saved in"));
        EXPECT_EQ(TextFile::readAll(SettingsFile::path(folder))
                      .value_or("")
                      .contains("typed before closing"),
                  roomMade);
    }
}

TEST(GlintworkWindowStartUp, ClosingSavesWhatTheUserChangedAndTheNextStartRestoresIt)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.setInputText(QStringLiteral("first line\r\nsecond line"));
    option(w, "Sizes", 6)->click();
    option(w, "Cap", 4)->click();
    w.CL_MouseDown(4, 2);
    fontList(w)->item(3)->setSelected(true);
    fontList(w)->item(5)->setSelected(true);
    child<QComboBox>(w, QStringLiteral("ComboS"))->setEditText(QStringLiteral("22"));
    action(w, QStringLiteral("mnuWW"))->trigger();
    action(w, QStringLiteral("mnuTT"))->trigger();
    const EffectSettings before = w.currentSettings();
    EXPECT_FALSE(before.toolTips);
    w.mnuX_Click();
    EXPECT_FALSE(w.isVisible());

    GlintworkWindowFixture again;
    // The second run reads the first run's file.
    QFile::copy(w.settingsPath(),
                QDir(again.files.programFolder()).filePath(QStringLiteral("Glintwork.ini")));
    GlintworkWindow &w2 = again.start();
    const EffectSettings after = w2.currentSettings();
    EXPECT_EQ(after.text, before.text);
    EXPECT_EQ(after.sizeEffect, EffectSettings::SizeWave);
    EXPECT_EQ(after.capitalisation, EffectSettings::CaseFirstLetters);
    EXPECT_EQ(after.alternateColours, before.alternateColours);
    EXPECT_EQ(selectedEntries(fontList(w2)), QStringList({GlintworkWindowFixture::fontNames()[3],
                                                          GlintworkWindowFixture::fontNames()[5]}));
    // A typed size is no list item: it comes back as no item and no text.
    EXPECT_EQ(after.minimumSizeIndex, -1);
    EXPECT_TRUE(after.formatWordByWord);
    EXPECT_FALSE(after.toolTips);
    EXPECT_TRUE(child<QPlainTextEdit>(w2, QStringLiteral("Text"))->toolTip().isEmpty());
}

TEST(GlintworkWindowEnabling, SizeAndPositionOptionsFollowEachOther)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    auto *wavelength = child<QLineEdit>(w, QStringLiteral("TextWL"));
    auto *wavelengthLabel = child<QLabel>(w, QStringLiteral("Label2"));
    EXPECT_FALSE(wavelength->isEnabled());
    option(w, "Sizes", 6)->click();
    EXPECT_TRUE(wavelength->isEnabled());
    EXPECT_TRUE(wavelengthLabel->isEnabled());
    option(w, "Pos", 2)->click();
    option(w, "Sizes", 0)->click();
    EXPECT_TRUE(option(w, "Pos", 0)->isChecked());
    EXPECT_FALSE(option(w, "Pos", 2)->isEnabled());
    EXPECT_FALSE(wavelength->isEnabled());
    option(w, "Sizes", 1)->click();
    EXPECT_TRUE(option(w, "Pos", 2)->isEnabled());
    EXPECT_FALSE(option(w, "Pos", 2)->isChecked());
}

TEST(GlintworkWindowEnabling, ColourOptionsEnableTheirControls)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    auto *random = child<QCheckBox>(w, QStringLiteral("CheckRandom"));
    auto *blend = child<QLineEdit>(w, QStringLiteral("TextBL"));
    auto *blendLabel = child<QLabel>(w, QStringLiteral("Label4"));
    auto *schemes = child<QComboBox>(w, QStringLiteral("ComboPC"));
    struct Case {
        int colouring;
        bool random, blend, schemes;
    };
    for (const Case c :
         {Case{0, false, false, false}, Case{2, true, false, false}, Case{3, false, true, false},
          Case{4, false, false, true}, Case{1, false, false, false}}) {
        option(w, "OC", c.colouring)->click();
        EXPECT_EQ(random->isEnabled(), c.random) << c.colouring;
        EXPECT_EQ(blend->isEnabled(), c.blend) << c.colouring;
        EXPECT_EQ(blendLabel->isEnabled(), c.blend) << c.colouring;
        EXPECT_EQ(schemes->isEnabled(), c.schemes) << c.colouring;
    }
}

TEST(GlintworkWindowEnabling, RefreshNeedsTextAndTheTintDeepensWithLength)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    auto *refresh = child<QPushButton>(w, QStringLiteral("cmdP"));
    auto *text = child<QPlainTextEdit>(w, QStringLiteral("Text"));
    struct Case {
        QString text;
        int red;
    };
    for (const Case &c :
         {Case{QString(), 0}, Case{QStringLiteral("abc"), 0},
          Case{QString(1023, QLatin1Char('a')), 255}, Case{QString(1024, QLatin1Char('a')), 255},
          Case{QString(400, QLatin1Char('a')), 100},
          // 99 characters and one line break, counted as CR LF: 101 / 4.
          Case{QString(99, QLatin1Char('a')) + QStringLiteral("\r\n"), 25}}) {
        w.setInputText(c.text);
        EXPECT_EQ(refresh->isEnabled(), !c.text.isEmpty());
        EXPECT_EQ(text->palette().color(QPalette::Text), QColor(c.red, 0, 0)) << c.text.size();
    }
}

TEST(GlintworkWindowFonts, StatusLineAndTheTwentyFontLimit)
{
    GlintworkWindowFixture f(manyFonts(25));
    GlintworkWindow &w = f.start();
    QListWidget *list = fontList(w);
    auto *status = child<QLabel>(w, QStringLiteral("LabelS"));
    auto *clear = child<QPushButton>(w, QStringLiteral("CommandCA"));
    auto *alternate = child<QCheckBox>(w, QStringLiteral("CheckAF"));
    EXPECT_EQ(status->text(), QStringLiteral(" All fonts selected."));
    EXPECT_FALSE(clear->isEnabled());

    list->setCurrentItem(list->item(0), QItemSelectionModel::Select);
    EXPECT_EQ(status->text(), QStringLiteral(" 1 font selected."));
    EXPECT_TRUE(clear->isEnabled());
    EXPECT_FALSE(alternate->isEnabled());
    list->setCurrentItem(list->item(1), QItemSelectionModel::Select);
    EXPECT_TRUE(alternate->isEnabled());
    for (int i = 2; i < 20; ++i)
        list->setCurrentItem(list->item(i), QItemSelectionModel::Select);
    EXPECT_EQ(status->text(), QStringLiteral(" 20 fonts selected."));
    EXPECT_EQ(f.messages.beeps, 0);

    list->setCurrentItem(list->item(22), QItemSelectionModel::Select);
    EXPECT_EQ(f.messages.beeps, 1);
    EXPECT_FALSE(list->item(22)->isSelected());
    EXPECT_EQ(status->text(), QStringLiteral(" 20 fonts selected."));

    clear->click();
    EXPECT_EQ(status->text(), QStringLiteral(" All fonts selected."));
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_FALSE(alternate->isEnabled());
    EXPECT_EQ(list->currentItem(), nullptr);
}

TEST(GlintworkWindowFonts, AutoSelectionIsShownDuringTheRunAndClearedAfter)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    QListWidget *list = fontList(w);
    qsizetype most = 0;
    QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                     [&] { most = qMax(most, list->selectedItems().size()); });
    w.setInputText(QStringLiteral("More than twenty characters of text."));
    w.cmdP_Click();
    EXPECT_GT(most, 0);
    EXPECT_LE(most, 14);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(w.outputWidget()->isVisible());
    EXPECT_TRUE(child<QPushButton>(w, QStringLiteral("cmdP"))->isEnabled());
    EXPECT_FALSE(w.progress().visible());
    EXPECT_EQ(w.output().text(), QStringLiteral("More than twenty characters of text."));
    EXPECT_FALSE(f.busy.screenBusy);
    // The run went busy and came back.
    EXPECT_GE(f.busy.screenChanges.count(true), 2);
}

TEST(GlintworkWindowFonts, RefreshShowsItsBusyStateAndMovesTheBar)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    fontList(w)->item(3)->setSelected(true);
    w.setInputText(QString(300, QLatin1Char('w')));
    struct Seen {
        bool refreshEnabled, listVisible, outputVisible, barVisible;
    };
    QList<Seen> seen;
    f.busy.onChange = [&](bool busy, BusyPointer::Scope scope) {
        if (busy && scope == BusyPointer::Scope::Screen)
            seen.append({child<QPushButton>(w, QStringLiteral("cmdP"))->isEnabled(),
                         fontList(w)->isVisible(), w.outputWidget()->isVisible(),
                         w.progress().visible()});
    };
    const int redrawsBefore = w.progress().redrawCount();
    w.cmdP_Click();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_FALSE(seen[0].refreshEnabled);
    EXPECT_FALSE(seen[0].listVisible);
    EXPECT_FALSE(seen[0].outputVisible);
    EXPECT_TRUE(seen[0].barVisible);
    // The bar moved many times, in steps of at least 25 twips.
    EXPECT_GT(w.progress().redrawCount() - redrawsBefore, 10);
    // The bar goes once the rest of the result, beyond the first screenful, is in the box.
    auto *edit = static_cast<RichTextEdit *>(w.outputWidget());
    for (int i = 0; i < 100 && edit->isLoading(); ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(w.progress().visible());
    EXPECT_EQ(w.output().text().size(), 300);
    // The single selected font is kept.
    EXPECT_EQ(selectedEntries(fontList(w)), QStringList({GlintworkWindowFixture::fontNames()[3]}));
}

// A result longer than the box shows goes in between events after Refresh; the bar stays
// over the box meanwhile, moves forward with every slice, and goes when all is laid out.
TEST(GlintworkWindowFonts, BarFollowsTheRestOfALongResultIntoTheBox)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    fontList(w)->item(3)->setSelected(true);
    w.setInputText(QStringLiteral("a line of the result\r\n").repeated(200));
    w.cmdP_Click();
    auto *edit = static_cast<RichTextEdit *>(w.outputWidget());
    ASSERT_TRUE(edit->isLoading());
    QList<qint32> values;
    for (int i = 0; i < 1000 && edit->isLoading(); ++i) {
        QCoreApplication::processEvents();
        if (edit->isLoading()) {
            EXPECT_TRUE(w.progress().visible());
            values.append(w.progress().value());
        }
    }
    EXPECT_FALSE(edit->isLoading());
    ASSERT_GT(values.size(), 3);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_LT(values.first(), w.progress().max());
    EXPECT_EQ(w.progress().value(), w.progress().max());
    EXPECT_FALSE(w.progress().visible());
    EXPECT_EQ(edit->document()->toPlainText().size(), 200 * 21);
}

TEST(GlintworkWindowFonts, TypedSizesAreNotAddedToTheLists)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    auto *combo = child<QComboBox>(w, QStringLiteral("ComboS"));
    const int items = combo->count();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("22"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->count(), items);
    EXPECT_EQ(w.currentSettings().minimumSizeIndex, -1);
    EXPECT_EQ(w.currentSettings().minimumSize, 22);
    combo->setEditText(QStringLiteral("24"));
    EXPECT_EQ(w.currentSettings().minimumSizeIndex, 6);
}

TEST(GlintworkWindowFonts, LongTextWarningCancelledChangesNothing)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.setInputText(QString(361, QLatin1Char('x')));
    f.messages.answers = {MessageService::Answer::Cancel};
    w.cmdP_Click();
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown[0].title, QStringLiteral("Warning!"));
    EXPECT_EQ(f.messages.shown[0].buttons, MessageService::Buttons::OkCancel);
    EXPECT_TRUE(w.output().text().isEmpty());
}

TEST(GlintworkWindowToolTips, OffAndOnAfterARefreshGiveTheOutputItsFirstText)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    auto *refresh = child<QPushButton>(w, QStringLiteral("cmdP"));
    EXPECT_EQ(w.outputWidget()->toolTip(), Formatter::firstToolTip());
    w.cmdP_Click();
    EXPECT_EQ(w.outputWidget()->toolTip(),
              QStringLiteral("This is the formatted text - copy and paste, save, or print it, or "
                             "change settings and click 'Refresh...' again."));
    w.mnuTT_Click();
    EXPECT_TRUE(w.outputWidget()->toolTip().isEmpty());
    EXPECT_TRUE(refresh->toolTip().isEmpty());
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("CL_3"))->toolTip(), QStringLiteral("Click"));
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1Col"))->toolTip(), QStringLiteral("Click"));
    w.mnuTT_Click();
    EXPECT_EQ(w.outputWidget()->toolTip(), Formatter::firstToolTip());
    EXPECT_EQ(refresh->toolTip(),
              QStringLiteral("Click here to format the text above.  Not sure what to do? - just "
                             "click and see what happens!"));
    EXPECT_EQ(option(w, "Sizes", 5)->toolTip(),
              QStringLiteral("Vary character sizes to make the text smaller in the middle, bigger "
                             "towards the ends (try it and see what it does)"));
}

TEST(GlintworkWindowColours, RightClicksExcludeAndRestoreRuns)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.CL_MouseDown(3, 2);
    EffectSettings s = w.currentSettings();
    EXPECT_EQ(s.colouring, EffectSettings::ColourAlternate);
    for (int k = 3; k < 9; ++k) {
        EXPECT_EQ(s.alternateColours[k].mark, QStringLiteral("X")) << k;
        EXPECT_EQ(s.alternateColours[k].colour, 0xBBBBBB) << k;
    }
    EXPECT_TRUE(s.alternateColours[2].inUse());
    w.CL_MouseDown(5, 2);
    s = w.currentSettings();
    EXPECT_EQ(s.alternateColours[5].colour, 0xFF0000); // its own colour again
    EXPECT_TRUE(s.alternateColours[5].inUse());
    EXPECT_EQ(s.alternateColours[6].mark, QStringLiteral("X"));
    // Swatch 0 is never excluded: the click selects "Single Color:".
    const auto rowBefore = w.currentSettings().blendColours;
    w.CB_MouseDown(0, 2);
    EXPECT_EQ(w.currentSettings().colouring, EffectSettings::ColourSingle);
    EXPECT_EQ(w.currentSettings().blendColours, rowBefore);
    EXPECT_TRUE(child<QCheckBox>(w, QStringLiteral("CheckRandom"))->isEnabled() == false);
}

TEST(GlintworkWindowColours, LeftClickRestoresThenAsksAndCancelKeepsTheRestore)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    f.dialogs.colours = {std::nullopt, 0x123456};
    w.CL_MouseDown(8, 1);
    EffectSettings s = w.currentSettings();
    EXPECT_EQ(f.dialogs.colourPresets.size(), 1);
    for (int k = 1; k < 9; ++k)
        EXPECT_TRUE(s.alternateColours[k].inUse()) << k;
    EXPECT_EQ(s.alternateColours[8].colour, 0xC0C0C0);
    w.CB_MouseDown(2, 1);
    s = w.currentSettings();
    EXPECT_EQ(s.blendColours[2].colour, 0x123456);
    EXPECT_EQ(s.blendColours[2].tag, QStringLiteral("1193046"));
    EXPECT_EQ(s.colouring, EffectSettings::ColourBlend);
}

TEST(GlintworkWindowColours, WordProcessorModeUsesTheSixteenColours)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.mnuMode_Click(2);
    f.dialogs.windowsColours = {0x800000};
    w.Label1Col_Click();
    EXPECT_EQ(f.dialogs.windowsColourCalls, 1);
    EXPECT_TRUE(f.dialogs.colourPresets.isEmpty());
    EXPECT_EQ(w.currentSettings().singleColour, 0x800000);
    // Only the platform dialog selects "Single Color:".
    EXPECT_EQ(w.currentSettings().colouring, EffectSettings::ColourRandom);
    w.mnuMode_Click(0);
    f.dialogs.colours = {0x00FF00};
    w.Label1Col_Click();
    EXPECT_EQ(w.currentSettings().colouring, EffectSettings::ColourSingle);
}

TEST(GlintworkWindowColours, RecolourWithoutSelectionColoursAllAndLeavesNoSelection)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.output().setText(QStringLiteral("abc"));
    w.output().select(0, 3);
    w.output().setSelColour(0x0000FF);
    w.output().select(0, 0);
    f.dialogs.colours = {0x00FF00};
    w.mnuColour_Click();
    ASSERT_EQ(f.dialogs.colourPresets.size(), 1);
    EXPECT_EQ(f.dialogs.colourPresets[0], std::optional<qint32>(0x0000FF));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.output().formatAt(i).colour, 0x00FF00);
    EXPECT_EQ(w.output().selLength(), 0);
    EXPECT_EQ(w.output().selStart(), 0);
}

TEST(GlintworkWindowReset, NoLeavesEverythingAndYesRestoresTheDefaultsFromHtmlMode)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.mnuMode_Click(1);
    w.CL_MouseDown(2, 2);
    w.CB_MouseDown(2, 2);
    w.CL_MouseDown(8, 2); // brings 1 to 8 back: 7 and 8 in use
    option(w, "Cap", 3)->click();
    w.setInputText(QStringLiteral("mine"));
    w.output().setText(QStringLiteral("output"));
    const EffectSettings before = w.currentSettings();
    const QByteArray fileBefore = TextFile::readAll(w.settingsPath()).value_or(QByteArray());

    f.messages.answers = {MessageService::Answer::No};
    w.mnuDS_Click();
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown[0].text,
              QStringLiteral("Are you sure you want to reset all settings?"));
    EXPECT_EQ(f.messages.shown[0].buttons, MessageService::Buttons::YesNo);
    EXPECT_EQ(w.currentSettings(), before);
    EXPECT_EQ(w.output().text(), QStringLiteral("output"));
    EXPECT_EQ(TextFile::readAll(w.settingsPath()).value_or(QByteArray()), fileBefore);

    f.messages.answers = {MessageService::Answer::Yes};
    w.mnuDS_Click();
    const EffectSettings after = w.currentSettings();
    EXPECT_EQ(w.outputMode(), OutputMode::Normal);
    EXPECT_EQ(after.minimumSize, 20);
    EXPECT_EQ(after.maximumSize, 32);
    // CL 7 and 8 were in use: the toggle at 7 excludes both (7 shows grey), then 8 takes
    // its default silver again.
    const auto alternate = EffectSettings::defaultAlternateLabels();
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(after.alternateColours[k].mark, alternate[k].mark) << k;
        EXPECT_EQ(after.alternateColours[k].tag, alternate[k].tag) << k;
        EXPECT_EQ(after.alternateColours[k].colour, k == 7 ? 0xBBBBBB : alternate[k].colour) << k;
    }
    EXPECT_EQ(after.blendColours, EffectSettings::defaultBlendLabels());
    EXPECT_EQ(after.colouring, EffectSettings::ColourRandom);
    EXPECT_EQ(after.capitalisation, EffectSettings::CaseNone);
    EXPECT_EQ(after.text, kDefaultText);
    EXPECT_EQ(after.selectedFontCount(), 0);
    EXPECT_EQ(listEntries(fontList(w)), GlintworkWindowFixture::fontNames());
    EXPECT_TRUE(w.output().text().isEmpty());
    EXPECT_FALSE(action(w, QStringLiteral("mnuHTML"))->isVisible());
    EXPECT_NE(TextFile::readAll(w.settingsPath()).value_or(QByteArray()), fileBefore);
}

TEST(GlintworkWindowModes, NormalToHtmlAndBack)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    QListWidget *list = fontList(w);
    list->item(4)->setSelected(true);
    option(w, "Pos", 2)->click();
    w.mnuMode_Click(1);
    EXPECT_EQ(listEntries(list), QStringList({QStringLiteral("Arial"), QStringLiteral("Georgia"),
                                              QStringLiteral("Verdana")}));
    EXPECT_EQ(selectedEntries(list),
              QStringList({QStringLiteral("Arial"), QStringLiteral("Verdana")}));
    EXPECT_TRUE(option(w, "Pos", 0)->isChecked());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(option(w, "Pos", i)->isEnabled());
    EXPECT_FALSE(child<QWidget>(w, QStringLiteral("FrameVA"))->isEnabled());
    EXPECT_TRUE(action(w, QStringLiteral("mnuHTML"))->isVisible());
    EXPECT_TRUE(action(w, QStringLiteral("mnuMode_1"))->isChecked());
    EXPECT_FALSE(action(w, QStringLiteral("mnuMode_0"))->isChecked());
    EXPECT_FALSE(action(w, QStringLiteral("mnuFS_2"))->isEnabled());
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboS"))->currentText(), QStringLiteral("5"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboB"))->currentText(), QStringLiteral("6"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboB"))->count(), 6);

    w.mnuMode_Click(0);
    EXPECT_EQ(listEntries(list), GlintworkWindowFixture::fontNames());
    EXPECT_TRUE(selectedEntries(list).isEmpty());
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboS"))->currentText(), QStringLiteral("20"));
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("ComboB"))->currentText(), QStringLiteral("32"));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(option(w, "Pos", i)->isEnabled());
    EXPECT_TRUE(option(w, "Pos", 0)->isChecked());
    EXPECT_FALSE(action(w, QStringLiteral("mnuHTML"))->isVisible());
    EXPECT_TRUE(f.messages.shown.isEmpty());
}

TEST(GlintworkWindowModes, WordProcessorModeTellsAndKeepsTheFonts)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    fontList(w)->item(4)->setSelected(true);
    f.busy.screenChanges.clear();
    w.mnuMode_Click(0); // already Normal: nothing, not even the pointer
    EXPECT_TRUE(f.busy.screenChanges.isEmpty());
    w.mnuMode_Click(2);
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown[0].icon, MessageService::Icon::Information);
    EXPECT_EQ(selectedEntries(fontList(w)), QStringList({GlintworkWindowFixture::fontNames()[4]}));
    EXPECT_TRUE(action(w, QStringLiteral("mnuMode_2"))->isChecked());
}

TEST(GlintworkWindowEditing, SizeStepsKeepFiveToNineHundredNinetyNine)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    fillOutput(w, QStringLiteral("abcd"), {5, 9, 10, 999});
    w.mnuFS_Click(3); // -5
    EXPECT_EQ(outputSizes(w), QList<double>({5, 9, 5, 994}));
    fillOutput(w, QStringLiteral("abcd"), {5, 9, 10, 999});
    w.mnuFS_Click(0); // +1
    EXPECT_EQ(outputSizes(w), QList<double>({6, 10, 11, 999}));
    fillOutput(w, QStringLiteral("ab"), {5, 6});
    w.mnuFS_Click(1); // -1
    EXPECT_EQ(outputSizes(w), QList<double>({5, 5}));
    EXPECT_FALSE(w.progress().visible());
    EXPECT_TRUE(w.outputWidget()->isVisible());
    EXPECT_EQ(w.output().selLength(), 0);
}

TEST(GlintworkWindowEditing, SizeShortcutWinsOverTheLineEditAndDoesNothingOnAnEmptyBox)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    QApplication::setActiveWindow(&w);
    auto *wave = child<QLineEdit>(w, QStringLiteral("TextWL"));
    option(w, "Sizes", 6)->click();
    wave->setText(QStringLiteral("7"));
    wave->setFocus();
    QTest::keyClick(wave, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(wave->text(), QStringLiteral("7"));
    EXPECT_TRUE(w.output().text().isEmpty());

    w.cmdP_Click();
    fillOutput(w, QStringLiteral("ab"), {10, 20});
    wave->setFocus();
    QTest::keyClick(wave, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(outputSizes(w), QList<double>({15, 25}));
    EXPECT_EQ(wave->text(), QStringLiteral("7"));
}

TEST(GlintworkWindowEditing, CopyAndCutTakeTheSelectionOrEverything)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.output().setText(QStringLiteral("hello\r\nworld"));
    w.output().select(0, 0);
    w.mnuCopy_Click();
    // Three flavours: RTF, an HTML fragment and plain text with the platform's line breaks.
    ASSERT_TRUE(f.clipboard.hasRtf());
    EXPECT_TRUE(f.clipboard.rtf().contains("world"));
    EXPECT_EQ(f.clipboard.text(), QStringLiteral("hello\nworld"));
    EXPECT_TRUE(f.clipboard.html().contains(QStringLiteral("hello<br>world</span>")));

    w.output().select(7, 5);
    w.mnuCut_Click();
    EXPECT_TRUE(f.clipboard.rtf().contains("world"));
    EXPECT_FALSE(f.clipboard.rtf().contains("hello"));
    EXPECT_EQ(f.clipboard.text(), QStringLiteral("world"));
    EXPECT_FALSE(f.clipboard.html().contains(QStringLiteral("hello")));
    EXPECT_EQ(w.output().text(), QStringLiteral("hello\r\n"));

    w.output().select(0, 0);
    w.mnuCut_Click();
    EXPECT_TRUE(w.output().text().isEmpty());
    EXPECT_TRUE(f.clipboard.rtf().contains("hello"));
}

TEST(GlintworkWindowEditing, PasteFormattedTextOrPlainTextWhenThatIsAll)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.output().setText(QStringLiteral("ab"));
    w.output().select(0, 1);
    w.output().setSelBold(true);
    w.output().select(0, 2);
    w.mnuCopy_Click();
    w.output().setText(QStringLiteral("XY"));
    w.output().select(1, 0);
    w.mnuPRTF_Click();
    EXPECT_EQ(w.output().text(), QStringLiteral("XabY"));
    EXPECT_TRUE(w.output().formatAt(1).bold);
    EXPECT_FALSE(w.output().formatAt(2).bold);
    EXPECT_EQ(w.output().selLength(), 0);

    f.clipboard.clear();
    f.clipboard.setText(QStringLiteral("plain\nline"));
    w.output().select(0, 4);
    w.mnuPRTF_Click();
    EXPECT_EQ(w.output().text(), QStringLiteral("plain\r\nline"));
}

TEST(GlintworkWindowEditing, PasteTextGoesIntoTheInputBoxAsPlainText)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.setInputText(QStringLiteral("one three"));
    auto *text = child<QPlainTextEdit>(w, QStringLiteral("Text"));
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    f.clipboard.setText(QStringLiteral("two\r\nthree"));
    w.mnuPaste_Click();
    EXPECT_EQ(w.inputText(), QStringLiteral("one two\r\nthree"));
    EXPECT_EQ(w.output().text(), QString());
}

TEST(GlintworkWindowEditing, ClearTakesTheSelectionOrEverything)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.output().setText(QStringLiteral("abcdef"));
    w.output().select(1, 2);
    w.mnuClear_Click();
    EXPECT_EQ(w.output().text(), QStringLiteral("adef"));
    w.output().select(0, 0);
    w.mnuClear_Click();
    EXPECT_TRUE(w.output().text().isEmpty());
}

TEST(GlintworkWindowEditing, FontDialogCancelChangesNothingAndOkApplies)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.output().setText(QStringLiteral("ab"));
    w.output().select(0, 1);
    w.output().setSelBold(true);
    w.output().select(0, 0);
    const CharFormat a = w.output().formatAt(0);
    const CharFormat b = w.output().formatAt(1);
    w.mnuFont_Click(); // cancelled: no answer scripted
    ASSERT_EQ(f.dialogs.fontPresets.size(), 1);
    EXPECT_FALSE(f.dialogs.fontPresets[0].bold.has_value()); // mixed
    EXPECT_EQ(w.output().formatAt(0), a);
    EXPECT_EQ(w.output().formatAt(1), b);
    EXPECT_EQ(w.output().selLength(), 0);

    f.dialogs.fonts = {FontChoice{QStringLiteral("DejaVu Serif"), 1000, false, true}};
    w.mnuFont_Click();
    EXPECT_EQ(w.output().formatAt(0).face, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(w.output().formatAt(1).size, b.size); // 1000 is refused
    EXPECT_TRUE(w.output().formatAt(1).italic);
    EXPECT_FALSE(w.output().formatAt(0).bold);
}

TEST(GlintworkWindowEditing, MenuRulesAndDoubleSpacing)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.output().setText(QString());
    w.mnufile_Open();
    w.mnuTools_Open();
    EXPECT_FALSE(action(w, QStringLiteral("mnuSave"))->isEnabled());
    EXPECT_FALSE(action(w, QStringLiteral("mnuPrint"))->isEnabled());
    EXPECT_FALSE(action(w, QStringLiteral("mnuFS_0"))->isEnabled());
    w.mnuEdit_Open();
    EXPECT_FALSE(action(w, QStringLiteral("mnuPRTF"))->isEnabled());
    f.clipboard.setText(QStringLiteral("x"));
    w.mnuEdit_Open();
    EXPECT_TRUE(action(w, QStringLiteral("mnuPaste"))->isEnabled());

    w.setInputText(QStringLiteral("one line"));
    w.mnuTools_Open();
    EXPECT_FALSE(action(w, QStringLiteral("mnuDoubleS"))->isEnabled());
    w.setInputText(QStringLiteral("\r\nstarts with a break"));
    w.mnuTools_Open();
    EXPECT_FALSE(action(w, QStringLiteral("mnuDoubleS"))->isEnabled());
    w.setInputText(QStringLiteral("one\r\ntwo"));
    w.mnuTools_Open();
    EXPECT_TRUE(action(w, QStringLiteral("mnuDoubleS"))->isEnabled());
    w.mnuDoubleS_Click();
    w.mnuDoubleS_Click();
    EXPECT_EQ(w.inputText(), QStringLiteral("one\r\n\r\n\r\n\r\ntwo"));
}

TEST(GlintworkWindowEditing, RightClickMenuOmitsPasteTextAndNotInHtmlMode)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    auto *edit = child<QMenu>(w, QStringLiteral("mnuEdit"));
    QStringList offered;
    int pops = 0;
    auto watch = [&] {
        QTimer::singleShot(0, edit, [&] {
            if (!edit->isVisible())
                return;
            ++pops;
            for (QAction *a : edit->actions())
                if (a->isVisible() && !a->isSeparator())
                    offered.append(a->objectName());
            edit->close();
        });
    };
    watch();
    w.R_MouseDown(2);
    EXPECT_EQ(pops, 1);
    EXPECT_FALSE(offered.contains(QStringLiteral("mnuPaste")));
    EXPECT_TRUE(offered.contains(QStringLiteral("mnuPRTF")));
    EXPECT_TRUE(action(w, QStringLiteral("mnuPaste"))->isVisible());

    w.mnuMode_Click(1);
    watch();
    w.R_MouseDown(2);
    QTest::qWait(20);
    EXPECT_EQ(pops, 1);
    w.R_MouseDown(1);
}

struct PrintCase {
    const char *name;
    int inputLength;
    int lineBreaks;
    bool printer;
    std::optional<MessageService::Answer> answer;
    bool printOk;
    bool asks;
    int prints;
    int messagesAfter; // messages besides the question
};

void PrintTo(const PrintCase &c, std::ostream *os)
{
    *os << c.name;
}

class GlintworkWindowPrint : public ::testing::TestWithParam<PrintCase> {};

TEST_P(GlintworkWindowPrint, RestoresTheWindowWhateverHappens)
{
    const PrintCase &c = GetParam();
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    QString text(c.inputLength - 2 * c.lineBreaks, QLatin1Char('a'));
    for (int i = 0; i < c.lineBreaks; ++i)
        text.insert(3 * i + 1, QStringLiteral("\r\n"));
    ASSERT_EQ(text.size(), c.inputLength);
    w.setInputText(text);
    w.output().setText(QStringLiteral("printed text"));
    f.dialogs.printerInstalled = c.printer;
    f.dialogs.printResult = {c.printOk, c.printOk ? QString() : QStringLiteral("Paper jam.")};
    if (c.answer)
        f.messages.answers = {*c.answer};
    QRect enlarged;
    f.dialogs.whilePrinting = [&](QWidget *widget) { enlarged = widget->geometry(); };
    QTest::qWait(10);
    const QRect boxBefore = w.outputWidget()->geometry();
    const int heightBefore = w.height();

    w.mnuPrint_Click();

    EXPECT_EQ(f.dialogs.prints, c.prints);
    EXPECT_EQ(w.outputWidget()->geometry(), boxBefore);
    EXPECT_EQ(w.height(), heightBefore);
    const bool asked =
        !f.messages.shown.isEmpty() && f.messages.shown[0].title == QStringLiteral("Print Preview");
    EXPECT_EQ(asked, c.asks);
    EXPECT_EQ(f.messages.shown.size(), (c.asks ? 1 : 0) + c.messagesAfter);
    if (c.prints > 0) {
        EXPECT_EQ(enlarged.topLeft(), QPoint(0, 0));
        EXPECT_GT(enlarged.height(), boxBefore.height());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, GlintworkWindowPrint,
    ::testing::Values(
        PrintCase{"ShortTextPrintsWithoutAsking", 360, 10, true, {}, true, false, 1, 0},
        PrintCase{"LongTextAsksAndYesPrints", 361, 0, true, MessageService::Answer::Yes, true, true,
                  1, 0},
        PrintCase{"ElevenBreaksAskAndNoDeclines", 40, 11, true, MessageService::Answer::No, true,
                  true, 0, 0},
        PrintCase{"FailureIsReported", 20, 0, true, {}, false, false, 1, 1},
        PrintCase{"NoPrinterSaysSo", 20, 0, false, {}, true, false, 0, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GlintworkWindowSave, RtfAndHtmlAndTheWrongEnding)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.setInputText(QStringLiteral("a<b & c"));
    w.cmdP_Click();
    const QDir folder(f.files.userCacheFolder());
    const QString rtf = folder.filePath(QStringLiteral("out.RTF"));
    const QString html = folder.filePath(QStringLiteral("page.Html"));
    f.dialogs.fileNames = {folder.filePath(QStringLiteral("notes.txt")), rtf};
    w.mnuSave_Click();
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_TRUE(f.messages.shown[0].text.startsWith(QStringLiteral("Please save files in RTF")));
    const auto rtfBytes = TextFile::readAll(rtf);
    ASSERT_TRUE(rtfBytes.has_value());
    EXPECT_TRUE(rtfBytes->startsWith("{\\rtf"));
    EXPECT_TRUE(rtfBytes->endsWith("\r\n"));

    f.dialogs.fileNames = {html};
    f.messages.inputs = {QStringLiteral("My page")};
    w.mnuSave_Click();
    const auto htmlBytes = TextFile::readAll(html);
    ASSERT_TRUE(htmlBytes.has_value());
    EXPECT_TRUE(htmlBytes->contains("<title>My page</title>"));
    EXPECT_TRUE(htmlBytes->contains("&lt;"));
    EXPECT_EQ(f.messages.prompts, QStringList({QStringLiteral("Please enter a title:")}));
    EXPECT_TRUE(w.outputWidget()->isVisible());
    EXPECT_FALSE(w.progress().visible());
}

TEST(GlintworkWindowWebFonts, HtmlModeShowsTheStandInAndSaysWhenThereIsNoFont)
{
    GlintworkWindowFixture f({QStringLiteral("Liberation Sans"), QStringLiteral("Foo")});
    f.fonts.setMetricAliases({{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}});
    GlintworkWindow &w = f.start();
    w.mnuMode_Click(1);
    auto *list = namedChild<QListWidget>(&w, QStringLiteral("ListFonts"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Arial (Liberation Sans)"));
    w.setInputText(QStringLiteral("ab"));
    w.cmdP_Click();
    // The formatter names its faces in capitals; the web name, not the stand-in.
    EXPECT_EQ(w.output().formatAt(0).face.toUpper(), QStringLiteral("ARIAL"));

    GlintworkWindowFixture bare({QStringLiteral("Foo")});
    GlintworkWindow &other = bare.start();
    other.mnuMode_Click(1);
    EXPECT_EQ(namedChild<QListWidget>(&other, QStringLiteral("ListFonts"))->count(), 0);
    EXPECT_EQ(namedChild<QLabel>(&other, QStringLiteral("LabelS"))->text(),
              QStringLiteral(" No fonts to choose from."));
}

TEST(GlintworkWindowSave, SaveAsOffersTheCurrentModesFormatFirst)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.cmdP_Click();
    w.mnuSave_Click();
    w.mnuMode_Click(1);
    w.cmdP_Click();
    w.mnuSave_Click();
    ASSERT_EQ(f.dialogs.filters.size(), 2);
    EXPECT_TRUE(f.dialogs.filters[0].startsWith(QLatin1String("RTF")));
    EXPECT_TRUE(f.dialogs.filters[1].startsWith(QLatin1String("HTML")));
}

TEST(GlintworkWindowSave, PreviewAndPdfTakeTheWholeResult)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("Line %1 of a result longer than the screen\r\n").arg(i);
    w.setInputText(text);
    w.cmdP_Click();
    f.printer.chosenPdfName = QDir(f.files.userCacheFolder()).filePath(QStringLiteral("r.pdf"));
    w.mnuPdf_Click();
    w.mnuPreview_Click();
    ASSERT_EQ(f.printer.written.size(), 1);
    ASSERT_EQ(f.printer.previewed.size(), 1);
    for (const PrintJob &job : {f.printer.written[0], f.printer.previewed[0]}) {
        QString printed;
        for (const RichRun &run : job.runs)
            printed += run.text;
        EXPECT_EQ(printed, w.output().text());
    }
}

TEST(GlintworkWindowSave, PrintWithoutAPrinterOffersThePdf)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.cmdP_Click();
    f.dialogs.printerInstalled = false;
    f.printer.chosenPdfName = QDir(f.files.userCacheFolder()).filePath(QStringLiteral("r.pdf"));
    w.mnuPrint_Click();
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown[0].text, PrintCommands::noPrinterMessage());
    EXPECT_EQ(f.printer.written.size(), 1); // answered Yes
    EXPECT_EQ(f.dialogs.prints, 0);
}

TEST(GlintworkWindowSave, EditMenuShowsTheKeysOfCutCopyPasteAndClear)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    const QList<std::pair<const char *, QKeySequence>> keys = {{"mnuCut", QKeySequence::Cut},
                                                               {"mnuCopy", QKeySequence::Copy},
                                                               {"mnuPRTF", QKeySequence::Paste},
                                                               {"mnuClear", QKeySequence::Delete}};
    for (const auto &[name, sequence] : keys)
        EXPECT_EQ(action(w, QString::fromLatin1(name))->shortcut(), QKeySequence(sequence)) << name;
    // Ctrl+C in the input box still copies the input, not the output.
    w.setInputText(QStringLiteral("typed"));
    w.cmdP_Click();
    f.clipboard = FakeClipboard();
    QWidget *input = namedChild<QWidget>(&w, QStringLiteral("Text"));
    input->setFocus();
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(f.clipboard.hasRtf());
}

TEST(GlintworkWindowSave, EveryCopyPathOffersRtfHtmlAndText)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.setInputText(QStringLiteral("abc"));
    w.cmdP_Click();
    w.mnuCopy_Click();
    EXPECT_TRUE(f.clipboard.hasRtf() && f.clipboard.hasHtml() && f.clipboard.hasText());
    f.clipboard = FakeClipboard();
    w.mnuCut_Click();
    EXPECT_TRUE(f.clipboard.hasRtf() && f.clipboard.hasHtml() && f.clipboard.hasText());
    // The box's own keys go through Qt's clipboard.
    w.setInputText(QStringLiteral("abc"));
    w.cmdP_Click();
    auto *box = static_cast<RichTextEdit *>(w.outputWidget());
    box->selectAll();
    box->copy();
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasHtml() && data->hasText() && data->hasFormat(QtClipboard::rtfMimeType()));
}

TEST(GlintworkWindowSave, AFailedWriteSaysSoAndKeepsTheOldFile)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.cmdP_Click();
    const QDir folder(f.files.userCacheFolder());
    // A name that is a folder cannot be written.
    const QString dirName = folder.filePath(QStringLiteral("taken.rtf"));
    ASSERT_TRUE(QDir().mkpath(dirName));
    f.dialogs.fileNames = {dirName};
    w.mnuSave_Click();
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_TRUE(f.messages.shown[0].text.contains(QDir::toNativeSeparators(dirName)));
    EXPECT_TRUE(QFileInfo(dirName).isDir());

    // A folder that does not exist: the reason is named, no file appears.
    const QString missing = folder.filePath(QStringLiteral("no/such/folder/out.htm"));
    f.dialogs.fileNames = {missing};
    w.mnuSave_Click();
    ASSERT_EQ(f.messages.shown.size(), 2);
    EXPECT_TRUE(f.messages.shown[1].text.contains(QStringLiteral("out.htm")));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(w.outputWidget()->isVisible());
}

TEST(GlintworkWindowSave, SaveAsNeverWritesTheSettingsFile)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.cmdP_Click();
    const QByteArray before = TextFile::readAll(w.settingsPath()).value_or("");
    // Only another name can end in .rtf or .htm: a link, or a second hard link.
    const QDir cache(f.files.userCacheFolder());
    const QString link = cache.filePath(QStringLiteral("link.rtf"));
    const QString hard = cache.filePath(QStringLiteral("hard.htm"));
    ASSERT_TRUE(QFile::link(w.settingsPath(), link));
    ASSERT_EQ(::link(QFile::encodeName(w.settingsPath()).constData(),
                     QFile::encodeName(hard).constData()),
              0);
    f.messages.inputs = {QStringLiteral("title")};
    for (const QString &name : {link, hard}) {
        f.messages.shown.clear();
        f.dialogs.fileNames = {name};
        w.mnuSave_Click();
        ASSERT_EQ(f.messages.shown.size(), 1);
        EXPECT_TRUE(f.messages.shown[0].text.endsWith("It is Glintwork's own settings file."));
    }
    EXPECT_EQ(TextFile::readAll(w.settingsPath()).value_or(""), before);
}

TEST(GlintworkWindowInput, ATextBeyondTheLimitIsRefusedWithAMessage)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    EXPECT_EQ(w.maxInputLength(), EffectSettings::kMaxTextLength);
    // A small limit stands for the real one, which takes seconds to paste.
    w.setMaxInputLength(1000);
    auto *box = child<QPlainTextEdit>(w, QStringLiteral("Text"));
    box->setPlainText(QStringLiteral("short"));
    box->selectAll();
    box->insertPlainText(QString(1001, QLatin1Char('x')));
    EXPECT_EQ(w.inputText(), QStringLiteral("short"));
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_TRUE(f.messages.shown[0].text.contains("longer than 1000 characters"));
    EXPECT_TRUE(f.messages.shown[0].text.contains("The change was not made."));
    box->selectAll();
    box->insertPlainText(QString(1000, QLatin1Char('x')));
    EXPECT_EQ(w.inputText().size(), 1000);
    EXPECT_EQ(f.messages.shown.size(), 1);
}

TEST(GlintworkWindowSave, CopyHtmlPutsTheSourceOnTheClipboard)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.mnuMode_Click(1);
    w.setInputText(QStringLiteral("one\r\ntwo"));
    w.cmdP_Click();
    w.mnuHTML_Click();
    ASSERT_TRUE(f.clipboard.hasText());
    const QString html = f.clipboard.text();
    EXPECT_TRUE(html.startsWith(QStringLiteral("<!--Shimmer FX created by Kerncraft")));
    // The comment names a public address, not the bundled help page's local path.
    EXPECT_FALSE(html.contains(QStringLiteral("file:")));
    EXPECT_TRUE(html.contains(QStringLiteral("download from http")));
    EXPECT_EQ(html.count(QStringLiteral("<br>")), 1);
    EXPECT_TRUE(w.outputWidget()->isVisible());
}

TEST(GlintworkWindowHelp, HelpAboutAndFonts)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    // Without a configured address the bundled page beside the program is opened.
    QDir(f.files.programFolder()).mkpath(QStringLiteral("../help"));
    QFile page(QDir(f.files.programFolder()).filePath(QStringLiteral("../help/glintwork.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();
    w.mnuOH_Click();
    ASSERT_FALSE(f.shell.addresses.isEmpty());
    EXPECT_TRUE(f.shell.addresses.last().startsWith(QStringLiteral("file:")));
    EXPECT_TRUE(f.shell.addresses.last().endsWith(QStringLiteral("/help/glintwork.html")));

    w.mnuAbout_Click();
    ASSERT_EQ(f.messages.shown.size(), 1);
    const QStringList lines = f.messages.shown[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].isEmpty());
    EXPECT_TRUE(lines[1].contains(QStringLiteral("Glintwork")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("We are always looking for suggestions")));
    EXPECT_TRUE(
        lines[3].endsWith(QStringLiteral("email ") + GlintworkWindow::suggestionsAddress() + "."));
    EXPECT_TRUE(GlintworkWindow::suggestionsAddress().contains(QLatin1Char('@')));
    EXPECT_EQ(f.messages.shown[0].title, QStringLiteral("Glintwork"));

    w.mnuDLFonts_Click();
    EXPECT_EQ(f.messages.shown[1].title, QStringLiteral("Sites with cool fonts to download"));
    EXPECT_EQ(f.messages.shown[1].icon, MessageService::Icon::Information);
}

TEST(GlintworkWindowScreens, AfterRefreshInEachMode)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    for (int mode : {0, 1, 2}) {
        w.mnuMode_Click(mode);
        w.setInputText(QStringLiteral("Glintwork makes every letter shine.\r\nType, click Refresh, "
                                      "and watch the colours dance!"));
        w.cmdP_Click();
        ASSERT_FALSE(w.output().text().isEmpty());
        const QString path =
            QDir(artefactFolder()).filePath(QStringLiteral("glintworkwindow-mode%1.png").arg(mode));
        EXPECT_TRUE(w.grab().save(path));
    }
    // The progress bar over the bottom of the output box, as a long command shows it.
    w.progress().setMax(100);
    w.progress().setValue(0);
    w.progress().setVisible(true);
    w.progress().setValue(40);
    auto *bar = child<QWidget>(w, QStringLiteral("LabelPB"));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry().bottom(), w.outputWidget()->geometry().bottom());
    EXPECT_EQ(bar->width(), w.outputWidget()->width());
    EXPECT_TRUE(w.grab().save(
        QDir(artefactFolder()).filePath(QStringLiteral("glintworkwindow-progress.png"))));
    w.progress().setVisible(false);
}

TEST(GlintworkWindowLayout, BoxesSitInsideTheirCaptionsInReadingOrder)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    // "Blend over [box] characters." and "Min. size: [box] Max. size: [box]": each piece of a
    // caption is shown whole, and the boxes lie between them, left to right.
    struct Row {
        QStringList parts;
        QStringList pieces;
    };
    for (const Row &row :
         {Row{{"Label4", "TextBL", "Label4_1"}, {"Blend over", "characters."}},
          Row{{"Label1", "ComboS", "Label1_1", "ComboB"}, {"&Min. size:", "Max. size:"}}}) {
        int right = -1;
        QStringList shown;
        for (const QString &name : row.parts) {
            auto *part = child<QWidget>(w, name);
            const QRect place(part->mapTo(&w, QPoint(0, 0)), part->size());
            EXPECT_GT(place.left(), right) << name.toStdString();
            EXPECT_GE(part->width(), part->minimumSizeHint().width()) << name.toStdString();
            right = place.right();
            if (auto *label = qobject_cast<QLabel *>(part))
                shown.append(label->text());
        }
        EXPECT_EQ(shown, row.pieces);
    }
    // The label's access letter takes the user to its box.
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1"))->buddy(),
              child<QWidget>(w, QStringLiteral("ComboS")));
}

TEST(GlintworkWindowFaults, MenuRulesFollowTheOutputBoxAndEveryModeSwitch)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    const QStringList needOutput = {QStringLiteral("mnuSave"), QStringLiteral("mnuPrint"),
                                    QStringLiteral("mnuFS_2"), QStringLiteral("mnuFS_3")};
    auto enabled = [&] {
        QStringList on;
        for (const QString &name : needOutput)
            if (action(w, name)->isEnabled())
                on.append(name);
        return on;
    };
    w.output().setText(QString());
    EXPECT_TRUE(enabled().isEmpty());
    // Typing into the empty box, no menu opened.
    QTest::keyClicks(w.outputWidget(), QStringLiteral("a"));
    EXPECT_EQ(enabled(), needOutput);
    // Leaving HTML mode brings Ctrl+U and Ctrl+D back at once.
    w.mnuMode_Click(1);
    EXPECT_EQ(enabled(), QStringList({QStringLiteral("mnuSave"), QStringLiteral("mnuPrint")}));
    w.mnuMode_Click(0);
    EXPECT_EQ(enabled(), needOutput);
}

TEST(GlintworkWindowFaults, AccessLetterSharedWithAControlOpensTheMenu)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    QApplication::setActiveWindow(&w);
    fontList(w)->item(1)->setSelected(true);
    fontList(w)->item(2)->setSelected(true);
    auto *alternate = child<QCheckBox>(w, QStringLiteral("CheckAF"));
    // A control that shares a menu title's letter (as a translation may make it) gives way.
    alternate->setText(QStringLiteral("Alternate selected &fonts"));
    ASSERT_TRUE(alternate->isEnabled());
    QTest::keyClick(&w, Qt::Key_H, Qt::AltModifier);
    auto *help = child<QMenu>(w, QStringLiteral("mnuHelp"));
    EXPECT_TRUE(help->isVisible());
    help->close();
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    auto *file = child<QMenu>(w, QStringLiteral("mnufile"));
    ASSERT_TRUE(file->isVisible());
    EXPECT_FALSE(alternate->hasFocus());
    QTest::keyClick(file, Qt::Key_X);
    EXPECT_FALSE(w.isVisible());
}

TEST(GlintworkWindowFaults, FontsMessageEndsWithTheHomePage)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.mnuDLFonts_Click();
    ASSERT_EQ(f.messages.shown.size(), 1);
    const QString text = f.messages.shown[0].text;
    EXPECT_TRUE(text.endsWith(Publisher::homePageAddress() + QLatin1Char('.')))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("file:")));
}

TEST(GlintworkWindowFaults, InputKeepsNoBreakSpacesAndSurvivesAModeSwitch)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    const QString typed = QStringLiteral("one\u00A0two\r\nthree");
    w.setInputText(typed);
    EXPECT_EQ(w.inputText(), typed);
    EXPECT_EQ(w.currentSettings().text, typed);

    auto *input = child<QPlainTextEdit>(w, QStringLiteral("Text"));
    QTextCursor cursor = input->textCursor();
    cursor.setPosition(3);
    input->setTextCursor(cursor);
    QTest::keyClicks(input, QStringLiteral("X"));
    w.mnuMode_Click(1);
    EXPECT_EQ(input->textCursor().position(), 4);
    EXPECT_TRUE(input->document()->isUndoAvailable());
}

TEST(GlintworkWindowFaults, SchemeBoxShowsTheLongestNameWholeAtAnyFontSize)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    auto *schemes = child<QComboBox>(w, QStringLiteral("ComboPC"));
    auto fieldWidth = [schemes] {
        QStyleOptionComboBox option;
        option.initFrom(schemes);
        return schemes->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, schemes)
            .width();
    };
    for (int points : {8, 14, 22}) {
        QFont font = schemes->font();
        font.setPointSize(points);
        schemes->setFont(font);
        int needed = 0;
        for (const QString &name : GlintworkWindow::schemeNames())
            needed = qMax(needed, schemes->fontMetrics().horizontalAdvance(name));
        // Each layout level asks its parent in turn, through the event loop.
        EXPECT_TRUE(QTest::qWaitFor([&] { return fieldWidth() >= needed; }, 2000))
            << points << ": " << fieldWidth() << " < " << needed;
    }
}

TEST(GlintworkWindowFaults, WordProcessorStartUpFillsTheListsBeforeItsMessage)
{
    GlintworkWindowFixture first;
    GlintworkWindow &w = first.start();
    w.mnuMode_Click(2);
    w.mnuX_Click();

    GlintworkWindowFixture again;
    QFile::copy(w.settingsPath(),
                QDir(again.files.programFolder()).filePath(QStringLiteral("Glintwork.ini")));
    int listed = -1, sizes = -1;
    again.messages.onShown = [&](const FakeMessageService::Shown &) {
        GlintworkWindow &w2 = *again.window;
        listed = fontList(w2)->count();
        sizes = child<QComboBox>(w2, QStringLiteral("ComboS"))->count();
    };
    GlintworkWindow &w2 = again.start();
    ASSERT_EQ(again.messages.shown.size(), 1);
    EXPECT_EQ(again.messages.shown[0].text, ModeSwitch::wordProcessorMessage());
    EXPECT_EQ(listed, GlintworkWindowFixture::fontNames().size());
    EXPECT_GT(sizes, 0);
    EXPECT_EQ(w2.outputMode(), OutputMode::WordProcessor);
}

TEST(QtGlintworkDialogs, SaveFilterInQtForm)
{
    EXPECT_EQ(QtGlintworkDialogs::qtFilter(
                  QStringLiteral("RTF (any word processor)|*.rtf|HTML (web page)|*.htm")),
              QStringLiteral("RTF (any word processor) (*.rtf);;HTML (web page) (*.htm)"));
}

TEST(QtGlintworkDialogs, RendersTheOutputBoxOnAPage)
{
    GlintworkWindowFixture f;
    GlintworkWindow &w = f.start();
    w.setInputText(QStringLiteral("Printed at the printer's resolution"));
    w.cmdP_Click();
    const QString pdf = QDir(artefactFolder()).filePath(QStringLiteral("printed-page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const PrintResult result = QtGlintworkDialogs::renderWidget(w.outputWidget(), printer);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    // Drawn as text in its fonts, not as a picture of the screen.
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("/FontFile")) << "no embedded font";
    EXPECT_FALSE(bytes.contains("/Subtype /Image"));
    EXPECT_FALSE(QtGlintworkDialogs::renderWidget(nullptr, printer).ok);
}
