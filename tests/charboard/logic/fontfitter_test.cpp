// The font fitting loop against a grid whose rows follow the font size.
#include "logic/fontfitter.h"

#include <gtest/gtest.h>

namespace {

// Rows as high as the font's line (about 1.2 em at 96 dpi, 20 twips per point) plus padding.
class FakeGrid : public FitTarget {
public:
    explicit FakeGrid(int gridHeight, int gridWidth = 1000000, double lineFactor = 24)
        : m_height(gridHeight), m_width(gridWidth), m_factor(lineFactor)
    {}
    void setFontSize(double points) override
    {
        m_size = points;
        sizes.push_back(points);
    }
    double fontSize() const override { return m_size; }
    int rowHeight() const override { return int(m_size * m_factor) + 90; }
    void setColumnWidths(int twips) override { widths.push_back(twips); }
    int gridHeight() const override { return m_height; }
    int gridWidth() const override { return m_width; }

    std::vector<double> sizes;
    std::vector<int> widths;

private:
    int m_height;
    int m_width;
    double m_factor;
    double m_size = 8;
};

TEST(FontFitter, ShrinksUntilTheRowsFitWithRoomToSpare)
{
    FakeGrid grid(8400);
    const FitResult result = FontFitter::fit(grid, 14, 16);
    // 8400 / 14 = 600 twips per row: 21 pt gives 594 (fits), 22 pt gives 618.
    EXPECT_EQ(result.size, 21);
    EXPECT_EQ(result.steps, 11);
    EXPECT_EQ(grid.sizes.front(), 32);
    ASSERT_EQ(grid.widths.size(), 11u);
    EXPECT_EQ(grid.widths.back(), 21 * 24 + 90); // square cells
}

TEST(FontFitter, ExactFitIsNotRoomToSpare)
{
    FakeGrid grid(14 * (21 * 24 + 90));
    EXPECT_EQ(FontFitter::fit(grid, 14, 16).size, 20);
}

TEST(FontFitter, FontTooTallStopsAtOnePointAfter31Steps)
{
    FakeGrid grid(100);
    const FitResult result = FontFitter::fit(grid, 14, 16);
    EXPECT_EQ(result.steps, 31);
    EXPECT_EQ(result.size, 1);
    EXPECT_EQ(grid.widths.size(), 31u);
}

TEST(FontFitter, ATallerGridStartsLargerAndANarrowOneShrinksTheCells)
{
    FakeGrid tall(100000); // 7142 twips a row: 293 pt gives 7122
    EXPECT_EQ(FontFitter::fit(tall, 14, 16).size, 293);
    EXPECT_EQ(tall.sizes.front(), 358);
    FakeGrid narrow(8400, 16 * 400); // 400 twips a column: 12 pt gives 378
    EXPECT_EQ(FontFitter::fit(narrow, 14, 16).size, 12);
}

} // namespace
