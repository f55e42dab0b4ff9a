// The flex grid widget offscreen: rows follow the font, twips, events, symbol-font drawing.
#include "core/helppage.h"
#include "widgets/fonts/symbolfont.h"
#include "widgets/grid/flexgrid.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(FlexGrid, RowsFollowTheLineHeightOfTheGridFont)
{
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(2);
    grid.setFontName("DejaVu Sans");
    grid.setFontSize(24);
    const int large = grid.rowHeight(0);
    grid.setFontSize(8);
    const int small = grid.rowHeight(0);
    EXPECT_LT(small, large);
    EXPECT_EQ(grid.rowHeight(2), small);
    EXPECT_EQ(grid.rowHeight(3), 0);
    grid.setRows(5); // new rows get the same height
    EXPECT_EQ(grid.rowHeight(4), small);
    grid.setCurrentCell(1, 1);
    EXPECT_EQ(grid.cellHeight(), small);
}

TEST(FlexGrid, ColumnWidthsAreTwips)
{
    FlexGrid grid;
    grid.setRows(1);
    grid.setCols(2);
    grid.setColWidth(1, 1440);
    grid.setCurrentCell(0, 1);
    EXPECT_EQ(grid.cellWidth(), 1440);
    EXPECT_NEAR(grid.columnWidth(1), grid.logicalDpiX(), 1);
}

TEST(FlexGrid, ReportsCellEnteredDoubleClickAndKeys)
{
    FlexGrid grid;
    grid.setRows(3);
    grid.setCols(3);
    grid.resize(400, 300);
    grid.show();
    QSignalSpy entered(&grid, &FlexGrid::cellEntered);
    QSignalSpy keys(&grid, &FlexGrid::keyPressed);
    QSignalSpy doubles(&grid, &FlexGrid::dblClicked);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(entered.count(), 1);
    QTest::keyClick(&grid, Qt::Key_A);
    QTest::keyClick(&grid, Qt::Key_Return);
    ASSERT_EQ(keys.count(), 2);
    EXPECT_EQ(keys[0][0].value<QChar>(), u'a');
    EXPECT_EQ(keys[1][0].value<QChar>(), u'\r');
    EXPECT_EQ(grid.row(), 1); // typing neither searches nor moves
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       grid.visualRect(grid.model()->index(2, 2)).center());
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 2);
}

// A screen reader reads a cell as Qt's table interface gives it: the character and its code.
TEST(FlexGrid, CellsTellAScreenReaderTheirCharacterAndCode)
{
    FlexGrid grid;
    grid.setRows(2);
    grid.setCols(2);
    grid.setText(1, 1, QStringLiteral("A"));
    grid.show();
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    QAccessibleInterface *cell = table->tableInterface()->cellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("A, U+0041"));
}

TEST(FlexGrid, ProgramSetRangeIsHighlighted)
{
    FlexGrid grid;
    grid.setRows(4);
    grid.setCols(4);
    grid.setCurrentCell(1, 1);
    grid.setSelectionEnd(2, 3);
    EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 6);
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(1, 1));
}

TEST(SymbolFont, DingbatFontsGetTheirOwnCodes)
{
    EXPECT_TRUE(SymbolFont::isSymbolEncoded("D050000L"));
    EXPECT_TRUE(SymbolFont::isSymbolEncoded("Standard Symbols PS"));
    EXPECT_FALSE(SymbolFont::isSymbolEncoded("DejaVu Sans"));
    // Windows-1252 characters become their single-byte codes for the symbol map.
    const QString codes = QString("A") + QChar(0x20AC) + QChar(0x00AD);
    EXPECT_EQ(SymbolFont::displayText("D050000L", codes),
              QString("A") + QChar(0x0080) + QChar(0x00AD));
    EXPECT_TRUE(SymbolFont::drawingFont(QFont("D050000L")).styleStrategy() & QFont::NoFontMerging);
    EXPECT_FALSE(SymbolFont::drawingFont(QFont("DejaVu Sans")).styleStrategy() &
                 QFont::NoFontMerging);
    // A text font keeps its characters; undefined codes show blank.
    EXPECT_EQ(SymbolFont::displayText("DejaVu Sans", codes), codes);
    EXPECT_EQ(SymbolFont::displayText("DejaVu Sans", QString(QChar(0x81))), " ");
}

TEST(SymbolFont, DingbatCellsDrawTheFontsGlyphsNotLetters)
{
    // The same letter drawn in the dingbat font and in a text font must differ.
    const auto draw = [](const QString &face, const QString &text = QStringLiteral("A")) {
        FlexGrid grid;
        grid.setRows(1);
        grid.setCols(1);
        grid.setColWidth(0, 1200);
        grid.setFontName(face);
        grid.setFontSize(28);
        grid.setText(0, 0, text);
        grid.setSelectionMode(QAbstractItemView::NoSelection);
        grid.setColCentred(0);
        grid.resize(grid.sizeHint());
        grid.show();
        QCoreApplication::processEvents();
        return grid.grab().toImage();
    };
    const QImage dingbat = draw("D050000L");
    const QImage letter = draw("DejaVu Sans");
    ASSERT_FALSE(dingbat.isNull());
    EXPECT_NE(dingbat, letter);
    // Something stands out from the cell's background (highlighted or not).
    const int background = qGray(dingbat.pixel(4, 4));
    int drawn = 0;
    for (int y = 2; y < dingbat.height() - 2; ++y) {
        for (int x = 2; x < dingbat.width() - 2; ++x)
            drawn += std::abs(qGray(dingbat.pixel(x, y)) - background) > 80 ? 1 : 0;
    }
    EXPECT_GT(drawn, 20);
    // A code the font lacks is marked (hatched), not left looking like a space.
    for (const char *face : {"Standard Symbols PS", "DejaVu Sans"})
        EXPECT_NE(draw(face, QString(QChar(0x81))), draw(face, " ")) << face;
}

TEST(HelpPage, ConfiguredAddressOrTheBundledPage)
{
    EXPECT_EQ(HelpPage::address(" https://example.org/help ", "/x/bin", "a.html"),
              "https://example.org/help");
    QTemporaryDir root;
    QDir(root.path()).mkpath("bin");
    QDir(root.path()).mkpath("share/kerncraft/help");
    const QString bin = root.filePath("bin");
    // Nothing installed: the build tree's place, so the address is still well formed.
    EXPECT_EQ(HelpPage::address("", bin, "a.html"),
              "file://" + QDir::cleanPath(root.filePath("help/a.html")));
    QFile page(root.filePath("share/kerncraft/help/a.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    EXPECT_EQ(HelpPage::address("", bin, "a.html"),
              "file://" + QDir::cleanPath(root.filePath("share/kerncraft/help/a.html")));
}

} // namespace
