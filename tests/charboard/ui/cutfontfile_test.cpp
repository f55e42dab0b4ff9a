// Charboard with a font whose file is cut short while it is shown (truncate -s 0): run with a
// private fontconfig setup of two fonts, so that the font being shown has a file of its own that
// the test may cut. Qt's font engine maps font files into memory; without care the next resize
// reads the missing pages and the program dies of SIGBUS.
#include "fakes/fakebusypointer.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakefilelocations.h"
#include "fakes/fakeshell.h"
#include "ui/charboardwindow.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/grid/flexgrid.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

TEST(CutFontFile, ResizingAfterTheShownFontsFileWasCutKeepsTheProgramAlive)
{
    const QString file = qEnvironmentVariable("KERNCRAFT_CUT_FONT");
    const QString original = qEnvironmentVariable("KERNCRAFT_CUT_FONT_ORIGINAL");
    ASSERT_FALSE(file.isEmpty());
    // The file may be left cut by an earlier run that failed.
    QFile::remove(file);
    ASSERT_TRUE(QFile::copy(original, file));
    QtFontCatalog fonts;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeBusyPointer busy;
    FakeFileLocations locations;
    CharboardWindow window({fonts, clipboard, shell, busy, locations});
    window.show();
    window.Form_Load();
    auto *list = window.findChild<QListWidget *>("Fonts");
    list->setCurrentItem(list->findItems("DejaVu Serif", Qt::MatchExactly).value(0));
    window.Fonts_MouseUp();
    QCoreApplication::processEvents();
    auto *grid = window.findChild<FlexGrid *>("Grid");
    ASSERT_EQ(grid->gridFont().family(), "DejaVu Serif");
    ASSERT_EQ(FontGlyphNames::faceOf("DejaVu Serif").file, file);

    ASSERT_TRUE(QFile::resize(file, 0));
    for (int i = 0; i < 4; ++i) {
        window.resize(900 + 100 * i, 700 + 80 * i);
        QCoreApplication::processEvents();
        EXPECT_FALSE(window.grab().isNull());
    }
    // The grid goes on in another font; our own reading of the cut file finds nothing.
    EXPECT_NE(grid->gridFont().family(), "DejaVu Serif");
    EXPECT_TRUE(FontGlyphNames::codePoints(FontGlyphNames::faceOf("DejaVu Serif")).isEmpty());
    QFile::remove(file);
    EXPECT_TRUE(QFile::copy(original, file));
}

} // namespace
