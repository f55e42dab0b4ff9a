// The Qt side of the platform layer: font family names, twips, the progress bar widget.
#include "fakes/fakefilelocations.h"
#include "files/textfile.h"
#include "widgets/controls/progressindicator.h"
#include "widgets/fonts/drawnfamily.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/platform/programidentity.h"
#include "widgets/richtext/twips.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

TEST(QtFontCatalog, FoundryNamesAreShownAsTheFamilyOnce)
{
    EXPECT_EQ(QtFontCatalog::familyName("Nimbus Sans [UKWN]"), "Nimbus Sans");
    EXPECT_EQ(QtFontCatalog::familyName("Arial"), "Arial");
    EXPECT_EQ(QtFontCatalog::familyName("Odd [Name"), "Odd [Name");
    EXPECT_EQ(QtFontCatalog::familyName("[Brackets]"), "[Brackets]");
    EXPECT_EQ(QtFontCatalog::familyNames({"B [x]", "A", "B [y]", "C"}),
              (QStringList{"B", "A", "C"}));
}

TEST(QtFontCatalog, ListsTheInstalledTestFonts)
{
    QtFontCatalog fonts;
    ASSERT_GT(fonts.count(), 0);
    EXPECT_TRUE(fonts.names().contains("DejaVu Sans"));
    EXPECT_EQ(fonts.name(fonts.count()), QString());
    EXPECT_EQ(fonts.name(-1), QString());
    for (const QString &name : fonts.names())
        EXPECT_FALSE(name.endsWith(']')) << name.toStdString();
    // Only real families.
    for (const char *alias : {"Sans Serif", "Serif", "Monospace"})
        EXPECT_FALSE(fonts.names().contains(alias)) << alias;
}

TEST(QtFontCatalog, KnowsTheSymbolEncodedFontsByTheirCharacterMaps)
{
    QtFontCatalog fonts;
    const QStringList symbols = fonts.symbolFontNames();
    EXPECT_TRUE(symbols.contains("D050000L")); // a dingbat font with an ordinary name
    EXPECT_TRUE(symbols.contains("Standard Symbols PS"));
    EXPECT_FALSE(symbols.contains("DejaVu Sans"));
    EXPECT_FALSE(symbols.contains("Liberation Serif"));
    EXPECT_FALSE(fonts.isSymbolFont(-1));
}

TEST(QtFontCatalog, ReadsThePrivateRangeFromTheFileAsQtDoes)
{
    // Symbol fonts' private codes (U+F020..U+F0FF) are read from the file's maps; Qt's own
    // font engine must say the same for every installed family.
    const QtFontCatalog fonts;
    for (const QString &family : fonts.names()) {
        QFont font(family);
        font.setStyleStrategy(QFont::NoFontMerging);
        const QRawFont raw = QRawFont::fromFont(font);
        bool qtCovers = false;
        for (uint code = 0x20; code <= 0xFF && raw.isValid(); ++code)
            qtCovers = qtCovers || raw.supportsCharacter(0xF000 + code);
        const FontGlyphNames::SymbolClues clues =
            FontGlyphNames::symbolClues(FontGlyphNames::faceOf(family));
        EXPECT_TRUE(clues.read) << family.toStdString();
        EXPECT_EQ(clues.privateRange, qtCovers) << family.toStdString();
    }
}

TEST(FontGlyphNames, KnowsFamiliesWhoseItalicQtSlants)
{
    EXPECT_TRUE(FontGlyphNames::hasOnlyUprightOutlines("DejaVu Math TeX Gyre"));
    EXPECT_FALSE(FontGlyphNames::hasOnlyUprightOutlines("DejaVu Sans"));      // has an oblique face
    EXPECT_FALSE(FontGlyphNames::hasOnlyUprightOutlines("Noto Color Emoji")); // bitmaps
    EXPECT_FALSE(FontGlyphNames::hasOnlyUprightOutlines("No Such Family 4711"));
}

TEST(DrawnFamily, NamesTheFamilyQtDrawsWith)
{
    // Installed families stay; the generic aliases and a missing family are drawn with
    // what Qt itself would choose for them, in each style.
    EXPECT_EQ(DrawnFamily::of("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(DrawnFamily::of("dejavu sans"), "dejavu sans");
    for (const char *family : {"Sans Serif", "Serif", "Monospace", "No Such Family 4711"}) {
        for (const QFont::Style style : {QFont::StyleNormal, QFont::StyleItalic}) {
            QFont font(family);
            font.setStyle(style);
            const QFont drawn = DrawnFamily::resolved(font);
            EXPECT_EQ(drawn.family(), QFontInfo(font).family()) << family;
            EXPECT_EQ(drawn.style(), style);
            EXPECT_TRUE(FontGlyphNames::faceOf(drawn.family()).isValid()) << family;
        }
    }
}

TEST(Twips, ConvertsBothWays)
{
    EXPECT_EQ(Twips::toPixels(1440, 15.0), 96);
    EXPECT_EQ(Twips::fromPixels(96, 15.0), 1440);
    EXPECT_EQ(Twips::toPixels(11505, 15.0), 767);
    EXPECT_EQ(Twips::toPixels(100, 0.0), 7); // a broken screen reads as 96 dpi
    EXPECT_GT(Twips::perPixel(), 0.0);
}

TEST(ProgressIndicator, FollowsTheState)
{
    ProgressState state;
    ProgressIndicator bar(state);
    EXPECT_EQ(bar.objectName(), "LabelPB");
    EXPECT_EQ(bar.shape()->objectName(), "ShapePB");
    EXPECT_TRUE(bar.isHidden());
    bar.resize(bar.sizeHint());
    state.setVisible(true);
    EXPECT_FALSE(bar.isHidden());
    state.setMax(10);
    state.setValue(10);
    const int full = bar.shape()->width();
    state.setValue(5);
    EXPECT_NEAR(bar.shape()->width(), full / 2, 2);
    state.setVisible(false);
    EXPECT_TRUE(bar.isHidden());
}

// The bar as a screen reader sees it: a progress bar whose value follows the filling.
TEST(ProgressIndicator, TellsAScreenReaderItsValue)
{
    ProgressState state;
    ProgressIndicator bar(state);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ProgressBar);
    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
    QAccessibleValueInterface *value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    state.setVisible(true);
    state.setMax(10);
    state.setValue(4);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 10);
    EXPECT_EQ(value->currentValue().toInt(), 4);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("40%"));
    state.setValue(25); // beyond the maximum: the full bar
    EXPECT_EQ(value->currentValue().toInt(), 10);
}

struct LayoutCase {
    const char *name;
    const char *program;     // the program's folder below the root
    const char *alsoCreated; // another folder below the root, or empty
    bool writable;
    bool installed; // so the files go to the user's folders
};

class FileLocationsLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(FileLocationsLayout, InstalledOrUnwritableMeansTheUsersFolders)
{
    const LayoutCase c = GetParam();
    FakeFileLocations places;
    places.setProgramFolder(QString::fromLatin1(c.program));
    if (*c.alsoCreated)
        places.makeFolder(QString::fromLatin1(c.alsoCreated));
    places.setProgramFolderWritable(c.writable);
    EXPECT_EQ(places.isInstalled(), c.installed);
    const bool beside = c.writable && !c.installed;
    const QString program = QDir(places.programFolder()).absolutePath();
    EXPECT_EQ(places.dataFolder(),
              beside ? program : QDir(places.userCacheFolder()).absolutePath());
    EXPECT_EQ(places.configFolder(),
              beside ? program : QDir(places.userConfigFolder()).absolutePath());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FileLocationsLayout,
    ::testing::Values(LayoutCase{"BuildTree", "build/bin", "", true, false},
                      LayoutCase{"Unwritable", "build/bin", "", false, false},
                      LayoutCase{"Installed", "usr/bin", "usr/share/kerncraft", true, true},
                      LayoutCase{"ShareWithoutTheSuite", "usr/bin", "usr/share/fonts", true, false},
                      LayoutCase{"SuiteButNotInBin", "opt/tools", "opt/share/kerncraft", true,
                                 false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FileLocations, HomeIsAFolderOtherThanTheRoot)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    QFile(file).open(QIODevice::WriteOnly);
    const struct {
        const char *name;
        QString environment;
        QString account;
        QString home;
    } cases[] = {
        {"HOME is used", dir.path(), "/nonexistent", dir.path()},
        {"HOME unset: the account's", "", dir.path(), dir.path()},
        {"HOME a file: the account's", file, dir.path(), dir.path()},
        {"HOME relative: the account's", "relative/home", dir.path(), dir.path()},
        {"the root is nobody's home", "/", "/", ""},
        {"no home at all", "", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileLocations::homeFolder(c.environment, c.account), c.home) << c.name;
}

#ifdef Q_OS_LINUX
// The settings of a folder that cannot be written (a read-only mount, which stops root as
// well) are still the ones read; nothing is written anywhere else.
TEST(FileLocations, ReadOnlySettingsAreReadAndNothingIsWritten)
{
    FakeFileLocations places;
    places.setProgramFolderWritable(false);
    const QString config = places.userConfigFolder();
    ASSERT_TRUE(TextFile::writeAtomically(QDir(config).filePath("Glintwork.ini"), "saved").ok);
    if (::geteuid() != 0 || QProcess::execute("mount", {"--bind", "-o", "ro", config, config}) != 0)
        GTEST_SKIP() << "a read-only mount needs root";
    QProcess::execute("mount", {"-o", "remount,bind,ro", config});
    const QString folder = places.configFileFolder("Glintwork.ini");
    const QString writable = places.configFolder();
    QProcess::execute("umount", {config});
    EXPECT_EQ(writable, QString());
    EXPECT_EQ(folder, QDir(config).absolutePath());
}
#endif

} // namespace

#include "widgets/platform/qtbusypointer.h"
#include "widgets/platform/qtclipboard.h"

#include <QApplication>

namespace {

TEST(QtClipboard, CarriesRtfAndTextTogether)
{
    QtClipboard clipboard;
    clipboard.setRtfAndText("{\\rtf1 x}", "x");
    EXPECT_TRUE(clipboard.hasRtf());
    EXPECT_EQ(clipboard.rtf(), QByteArray("{\\rtf1 x}"));
    EXPECT_EQ(clipboard.text(), "x");
    clipboard.setText("plain only");
    EXPECT_FALSE(clipboard.hasRtf());
    EXPECT_EQ(clipboard.rtf(), QByteArray());
    EXPECT_EQ(clipboard.text(), "plain only");
    clipboard.clear();
    EXPECT_FALSE(clipboard.hasText());
}

TEST(QtClipboard, RichCopyOffersThreeFlavours)
{
    QtClipboard clipboard;
    clipboard.setRich("{\\rtf1 x}", "<b>x</b>", "x");
    EXPECT_EQ(clipboard.rtf(), QByteArray("{\\rtf1 x}"));
    EXPECT_TRUE(clipboard.hasHtml());
    EXPECT_EQ(clipboard.html(), "<b>x</b>");
    EXPECT_EQ(clipboard.text(), "x");
    clipboard.setText("plain only");
    EXPECT_FALSE(clipboard.hasHtml());
}

TEST(QtBusyPointer, ScreenPointerIsRestoredOnceWhateverTheCalls)
{
    {
        QtBusyPointer busy;
        busy.setBusy(true, BusyPointer::Scope::Screen);
        busy.setBusy(true, BusyPointer::Scope::Screen);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        busy.setBusy(false, BusyPointer::Scope::Screen);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        busy.setBusy(true, BusyPointer::Scope::Screen);
    }
    // Destroyed while busy: the pointer comes back.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtBusyPointer, WindowPointer)
{
    QWidget window;
    QtBusyPointer busy(&window);
    busy.setBusy(true, BusyPointer::Scope::Window);
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    busy.setBusy(false, BusyPointer::Scope::Window);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

} // namespace

namespace {

// Each program announces the name of a menu entry the package installs, and has its icon.
TEST(ProgramIdentity, EveryProgramMatchesAnInstalledEntryAndHasItsIcon)
{
    for (const char *program : {"glintwork", "facelister", "glyphmatch", "charboard"}) {
        SCOPED_TRACE(program);
        const QString name = ProgramIdentity::desktopFileName(QString::fromLatin1(program));
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(KERNCRAFT_PACKAGING_DIR "/") + name +
                                      QStringLiteral(".desktop")));
        const QList<QSize> sizes =
            ProgramIdentity::icon(QString::fromLatin1(program)).availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        EXPECT_TRUE(sizes.contains(QSize(256, 256)));
    }
    EXPECT_TRUE(ProgramIdentity::icon(QStringLiteral("nothing")).isNull());
}

} // namespace
