// The font fitting loop against a grid whose rows follow the font size.
#include "fontfitter.h"

#include <gtest/gtest.h>

namespace {

// Rows as high as the font's line (about 1.2 em at 96 dpi, 20 twips per point) plus padding.
class FakeGrid : public FitTarget {
public:
    explicit FakeGrid(int gridHeight, double lineFactor = 24)
        : m_height(gridHeight), m_factor(lineFactor)
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

    std::vector<double> sizes;
    std::vector<int> widths;

private:
    int m_height;
    double m_factor;
    double m_size = 8;
};

TEST(FontFitter, ShrinksUntilTheRowsFitWithRoomToSpare)
{
    FakeGrid grid(8400);
    const FitResult result = FontFitter::fit(grid, 14);
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
    EXPECT_EQ(FontFitter::fit(grid, 14).size, 20);
}

TEST(FontFitter, FontTooTallStopsAtOnePointAfter31Steps)
{
    FakeGrid grid(100);
    const FitResult result = FontFitter::fit(grid, 14);
    EXPECT_EQ(result.steps, 31);
    EXPECT_EQ(result.size, 1);
    EXPECT_EQ(grid.widths.size(), 31u);
}

TEST(FontFitter, FirstStepFitsAt31Points)
{
    FakeGrid grid(100000);
    const FitResult result = FontFitter::fit(grid, 14);
    EXPECT_EQ(result.steps, 1);
    EXPECT_EQ(result.size, 31);
}

} // namespace
