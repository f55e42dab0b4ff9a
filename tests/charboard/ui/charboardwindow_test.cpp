// Charboard's window driven offscreen with fake services: start-up, fitting, the keypad hint,
// collecting and copying, help and the default button.
#include "charboard/ui/charboardwindowfixture.h"
#include "fakes/accessibilitywalk.h"
#include "logic/fontfitter.h"
#include "ui/glyphpreview.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CharboardWindowTest : public CharboardWindowFixture {
protected:
    CharboardWindowTest()
        : CharboardWindowFixture({"DejaVu Sans", "Arial", "D050000L", "Liberation Serif", "bravo",
                                  "Standard Symbols PS"})
    {}
    QLineEdit *textCopy() { return child<QLineEdit>("TextCopy"); }
    QLabel *labelAlt() { return child<QLabel>("LabelAlt"); }
};

TEST_F(CharboardWindowTest, StartsOnArialWithTheBlankSelected)
{
    start();
    EXPECT_EQ(window->windowTitle(), "Charboard - Arial");
    EXPECT_EQ(fontList()->item(0)->text(), "Arial");
    EXPECT_EQ(fontList()->item(1)->text(), "bravo");
    EXPECT_EQ(grid()->row(), 0);
    EXPECT_EQ(grid()->col(), 0);
    EXPECT_EQ(grid()->text(0, 0), " ");
    EXPECT_EQ(grid()->text(2, 0), "@");
    EXPECT_EQ(grid()->text(13, 15), QString(QChar(0x00FF)));
    EXPECT_EQ(child<QLineEdit>("SampleText")->text(), " ");
    EXPECT_EQ(labelAlt()->text(), "Alt + 32");
    EXPECT_TRUE(labelAlt()->toolTip().contains("press 3, then 2 on the KEYPAD"));
    EXPECT_FALSE(child<QPushButton>("CCopy")->isEnabled());
    EXPECT_FALSE(busy.windowBusy);
    // "(Blank)" is a gap before Help now, no longer an entry (see charboardunicode_test).
    EXPECT_EQ(window->menuBar()->actions().value(0)->text(), "&Help");
}

TEST_F(CharboardWindowTest, WithoutArialTheFirstFontIsShown)
{
    fonts.setNames({"Zeta", "bravo", "Alpha Sans"});
    start();
    EXPECT_EQ(window->windowTitle(), "Charboard - Alpha Sans");
}

TEST_F(CharboardWindowTest, ANameWithALineBreakIsOneRowAndStillTheFontUsed)
{
    fonts.setNames({"Arial", "Line\nBreak"});
    start();
    ASSERT_EQ(fontList()->count(), 2);
    const QString row = fontList()->item(1)->text();
    EXPECT_FALSE(row.contains(u'\n'));
    EXPECT_EQ(row, QString("Line\u21B5Break"));
    fontList()->setCurrentRow(1);
    window->Fonts_MouseUp();
    EXPECT_EQ(window->windowTitle(), "Charboard - Line\nBreak");
}

TEST_F(CharboardWindowTest, FittingKeepsCellsSquareAndRowsInsideTheGrid)
{
    start();
    FlexGrid *g = grid();
    EXPECT_LT(g->fontSize(), 31);
    EXPECT_GT(g->fontSize(), 1);
    EXPECT_GT(g->gridHeight(), g->rowHeight(0) * 14);
    // One point more would not have fitted.
    EXPECT_EQ(g->grid().columnWidth(0), g->rowHeight(0));
    EXPECT_EQ(g->grid().columnWidth(15), g->rowHeight(0));
    EXPECT_EQ(window->lastFitSteps(),
              int(FontFitter::startSizeFor(g->gridHeight(), 14) - g->fontSize()));
    EXPECT_FALSE(g->gridFont().bold());
}

TEST_F(CharboardWindowTest, ChoosingAFontRefitsAndNamesIt)
{
    start();
    chooseFont("D050000L");
    EXPECT_EQ(window->windowTitle(), "Charboard - D050000L");
    EXPECT_EQ(grid()->gridFont().family(), "D050000L");
    EXPECT_EQ(child<QLineEdit>("SampleText")->font().family(), "D050000L");
    fontList()->setCurrentRow(fontList()->currentRow() + 1);
    QTest::keyRelease(fontList(), Qt::Key_Down);
    EXPECT_EQ(window->windowTitle(), "Charboard - DejaVu Sans");
}

TEST_F(CharboardWindowTest, PreviewFallsBackForTextFontsOnlyAfterASymbolFont)
{
    start();
    QLineEdit *sample = child<QLineEdit>("SampleText");
    chooseFont("D050000L");
    EXPECT_TRUE(sample->font().styleStrategy() & QFont::NoFontMerging);
    chooseFont("DejaVu Sans");
    EXPECT_EQ(sample->font().family(), "DejaVu Sans");
    // A character the text font lacks is drawn from another font, as everywhere else.
    EXPECT_FALSE(sample->font().styleStrategy() & QFont::NoFontMerging);
    EXPECT_EQ(sample->font().pointSizeF(), 96);
}

TEST_F(CharboardWindowTest, EnteringACellShowsItsKeypadCode)
{
    start();
    grid()->setCurrentCell(6, 0); // code 128
    EXPECT_EQ(child<QLineEdit>("SampleText")->text(), QString(QChar(0x20AC)));
    EXPECT_EQ(labelAlt()->text(), "Alt + 0128");
    EXPECT_TRUE(labelAlt()->toolTip().contains("press 0, then 1, then 2, then 8 on the KEYPAD"));
    grid()->setCurrentCell(5, 15); // code 127
    EXPECT_EQ(labelAlt()->text(), "Alt + 127");
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(labelAlt()->text(), "Alt + 0143");
}

TEST_F(CharboardWindowTest, DoubleClickEnterAndSelectEachAppendOneCharacter)
{
    start();
    grid()->setCurrentCell(2, 1); // A
    textCopy()->setText("x");
    textCopy()->setCursorPosition(0);
    const QRect cell = grid()->visualRect(grid()->model()->index(2, 1));
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(textCopy()->text(), "xA");
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(textCopy()->text(), "xAA");
    QTest::keyClick(grid(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(textCopy()->text(), "xAAA");
    child<QPushButton>("CSelect")->click();
    EXPECT_EQ(textCopy()->text(), "xAAAA");
}

TEST_F(CharboardWindowTest, CellsOfUndefinedCodesAppendTheirCodeToo)
{
    start();
    chooseFont("D050000L"); // draws a bracket at 0x81
    textCopy()->clear();
    grid()->setCurrentCell(6, 1); // code 129
    const QRect cell = grid()->visualRect(grid()->model()->index(6, 1));
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    grid()->setCurrentCell(5, 15); // code 127
    child<QPushButton>("CSelect")->click();
    EXPECT_EQ(textCopy()->text(), QString(QChar(0x81)) + QChar(0x7F));
    EXPECT_TRUE(child<QPushButton>("CCopy")->isEnabled());
}

TEST_F(CharboardWindowTest, EnterElsewherePressesSelect)
{
    start();
    grid()->setCurrentCell(3, 2); // R
    QTest::keyClick(textCopy(), Qt::Key_Return);
    EXPECT_EQ(textCopy()->text(), "R");
    QTest::keyClick(fontList(), Qt::Key_Return);
    EXPECT_EQ(textCopy()->text(), "RR");
}

TEST_F(CharboardWindowTest, TypingLettersInTheGridDoesNothing)
{
    start();
    grid()->setCurrentCell(1, 1);
    QTest::keyClicks(grid(), "Zq7");
    EXPECT_EQ(grid()->row(), 1);
    EXPECT_EQ(grid()->col(), 1);
    EXPECT_EQ(textCopy()->text(), "");
}

TEST_F(CharboardWindowTest, CopyFollowsTheTextAndCopiesItInTheChosenFont)
{
    start();
    chooseFont("D050000L");
    QPushButton *copy = child<QPushButton>("CCopy");
    QTest::keyClicks(textCopy(), "ab");
    EXPECT_TRUE(copy->isEnabled());
    copy->click();
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.text(), "ab");
    // RTF and HTML beside the plain text, in the font the characters were picked from.
    ASSERT_TRUE(clipboard.hasRtf() && clipboard.hasHtml());
    EXPECT_TRUE(clipboard.rtf().contains("D050000L"));
    EXPECT_TRUE(clipboard.html().contains(QLatin1String("'D050000L'")));
    QTest::keyClick(textCopy(), Qt::Key_Backspace);
    QTest::keyClick(textCopy(), Qt::Key_Backspace);
    EXPECT_FALSE(copy->isEnabled());
}

TEST_F(CharboardWindowTest, CopyAsUnicodeReplacesEachSymbolByItsEquivalent)
{
    start();
    chooseFont("D050000L");
    QPushButton *copyUnicode = child<QPushButton>("CCopyUnicode");
    EXPECT_FALSE(copyUnicode->isEnabled());
    for (const auto &cell : {QPoint(1, 0), QPoint(1, 2), QPoint(0, 1)}) { // codes 33, 65, 48
        grid()->setCurrentCell(cell.y(), cell.x());
        child<QPushButton>("CSelect")->click();
    }
    grid()->setCurrentCell(6, 1); // code 129: D050000L draws a bracket there
    child<QPushButton>("CSelect")->click();
    textCopy()->setText(textCopy()->text() + QChar(0x2603)); // has no code: stays
    EXPECT_EQ(child<QLabel>("LabelUnicode")->text(), "Unicode: " + QString(QChar(0x2769)));
    copyUnicode->click();
    // a1, a10, a105 and a90 in the ITC Zapf Dingbats Glyph List.
    EXPECT_EQ(clipboard.text(), QString(QChar(0x2701)) + QChar(0x2721) + QChar(0x2710) +
                                    QChar(0x2769) + QChar(0x2603));
}

TEST_F(CharboardWindowTest, CopyAsUnicodeConvertsEachCharacterWithItsOwnFont)
{
    start();
    auto collect = [this](int row, int column) {
        grid()->setCurrentCell(row, column);
        child<QPushButton>("CSelect")->click();
    };
    chooseFont("Liberation Serif");
    collect(8, 9); // code 169
    collect(6, 0); // code 128
    chooseFont("D050000L");
    collect(2, 1); // code 65
    collect(0, 1); // code 33
    QTest::keyClicks(textCopy(), "C!");
    child<QPushButton>("CCopyUnicode")->click();
    // The text font's characters and the typed ones stay; a10 and a1 for the dingbats.
    EXPECT_EQ(clipboard.text(), QStringLiteral("\u00A9\u20AC\u2721\u2701C!"));
    child<QPushButton>("CCopy")->click();
    EXPECT_EQ(clipboard.text(), QStringLiteral("\u00A9\u20ACA!C!"));
}

TEST_F(CharboardWindowTest, PreviewAndInfoFollowTheFontsOwnGlyphs)
{
    start();
    auto *preview = child<GlyphPreview>("SampleText");
    QLabel *info = child<QLabel>("LabelInfo");
    grid()->setCurrentCell(8, 9); // code 169
    EXPECT_TRUE(info->text().startsWith("U+00A9\n&copy;"));
    grid()->setCurrentCell(6, 0); // code 128
    EXPECT_TRUE(info->text().contains("U+0080 is a control character"));
    chooseFont("DejaVu Sans");
    grid()->setCurrentCell(8, 13); // code 173, the soft hyphen that text layout hides
    EXPECT_FALSE(preview->isMissing());
    const QImage image = preview->grab().toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    EXPECT_GT(ink, 50);
    chooseFont("Standard Symbols PS");
    grid()->setCurrentCell(6, 1); // code 129: no glyph
    EXPECT_TRUE(preview->isMissing());
    EXPECT_EQ(child<QLabel>("LabelUnicode")->text(), "");
    grid()->setCurrentCell(0, 2); // code 34, "universal"
    EXPECT_FALSE(preview->isMissing());
    EXPECT_TRUE(info->text().startsWith("U+2200\n&forall;"));
}

TEST_F(CharboardWindowTest, HelpOpensTheBundledPageOnce)
{
    start();
    QAction *help = window->findChild<QAction *>("mnuHelp");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
    help->trigger();
    ASSERT_EQ(shell.addresses.size(), 1);
    EXPECT_TRUE(shell.addresses[0].endsWith("/charboard.html"));
    // Releasing F1 in the font list re-fits without opening help a second time.
    QTest::keyRelease(fontList(), Qt::Key_F1);
    EXPECT_EQ(shell.addresses.size(), 1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (QWidget *target : {static_cast<QWidget *>(fontList()), static_cast<QWidget *>(grid()),
                            static_cast<QWidget *>(textCopy())}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F1);
    }
    EXPECT_EQ(shell.addresses.size(), 4);
}

TEST_F(CharboardWindowTest, TheGridTakesTheWindowsRoomAndNothingOverlapsAtTheSmallest)
{
    start();
    QCoreApplication::processEvents();
    FlexGrid *g = grid();
    const int firstCell = g->grid().columnWidth(0);
    const QSize preview = child<QLineEdit>("SampleText")->size();
    window->resize(1500, 1100);
    QCoreApplication::processEvents();
    EXPECT_GT(g->grid().columnWidth(0), firstCell * 3 / 2);
    EXPECT_EQ(g->grid().columnWidth(0), g->rowHeight(0));
    EXPECT_GT(g->gridHeight(), g->rowHeight(0) * 14);
    EXPECT_GE(g->gridWidth(), g->grid().columnWidth(0) * 16);
    EXPECT_EQ(child<QLineEdit>("SampleText")->size(), preview);

    window->resize(200, 150);
    QCoreApplication::processEvents();
    EXPECT_GE(g->gridWidth(), g->grid().columnWidth(0) * 16);
    QList<QWidget *> controls = {fontList(), g, textCopy(), labelAlt()};
    for (const char *name : {"SampleText", "LabelInfo", "LabelUnicode"})
        controls.append(child<QWidget>(name));
    for (const char *name : {"CSelect", "CCopy", "CCopyUnicode"})
        controls.append(child<QWidget>(name));
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and "
                << controls[j]->objectName().toStdString();
        }
    }
}

TEST_F(CharboardWindowTest, Screenshots)
{
    QDir().mkpath(QDir::tempPath() + "/kerncraft-screenshots");
    fonts.setNames({"DejaVu Sans", "D050000L", "Standard Symbols PS"});
    start();
    grid()->setCurrentCell(2, 1);
    window->CSelect_Click();
    const auto shot = [&](const QString &font, const char *file) {
        chooseFont(font);
        const QImage image = window->grab().toImage();
        EXPECT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(QDir::tempPath() + "/kerncraft-screenshots/" + file));
    };
    shot("DejaVu Sans", "charboard-text.png");
    shot("D050000L", "charboard-dingbats.png");
    grid()->setCurrentCell(9, 5); // code 181, "proportional to" in the symbol encoding
    shot("Standard Symbols PS", "charboard-symbols.png");
}

} // namespace

namespace {

// For a screen reader and without a mouse: every control named, Tab from the fonts through
// the grid to Select, Copy and the collected text, and the main job with keys alone: a font
// chosen with the arrows, a character collected with Enter, copied with the Copy button.
TEST_F(CharboardWindowTest, EveryControlIsNamedAndTheMainJobNeedsNoMouse)
{
    start();
    EXPECT_EQ(AccessibilityWalk::unnamedControls(window.get()).join(u' ').toStdString(), "");
    const QStringList names = AccessibilityWalk::tabChainNames(window.get());
    EXPECT_TRUE(AccessibilityWalk::inOrder(
        names, {"Fonts", "ComboChars", "TextFind", "Grid", "GridRecent", "CSelect", "TextCopy"}))
        << names.join(u' ').toStdString();

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    fontList()->setFocus();
    QTest::keyClick(fontList(), Qt::Key_Down);
    EXPECT_EQ(window->windowTitle(), "Charboard - bravo");
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(textCopy()->text(), "1");
    auto *copy = child<QPushButton>("CCopy");
    ASSERT_TRUE(copy->isEnabled());
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Space);
    EXPECT_EQ(clipboard.plain, QStringLiteral("1"));
    // The recently used row names its characters as the grid does, with the Unicode name.
    QAccessibleInterface *recent =
        QAccessible::queryAccessibleInterface(child<FlexGrid>("GridRecent"));
    EXPECT_EQ(recent->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
              QStringLiteral("1, U+0031 DIGIT ONE"));
}

} // namespace
