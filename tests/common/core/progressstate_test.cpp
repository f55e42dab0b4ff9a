// The progress bar's redraw rule: it moves in steps of at least 25 twips, rounds halves to
// even and clamps only what it draws.
#include "core/progressrange.h"
#include "core/progressstate.h"

#include <QList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct RecordingView : ProgressView {
    QList<int> widths;
    QList<bool> shows;
    void showProgress(bool visible) override { shows.append(visible); }
    void setFillWidth(int twips) override { widths.append(twips); }
};

TEST(ProgressState, StepsOfOneRedrawEveryThird)
{
    ProgressState progress;
    RecordingView view;
    progress.setView(&view);
    progress.setMax(1000);
    const int before = progress.redrawCount();
    for (int v = 1; v <= 1000; ++v)
        progress.setValue(v);
    EXPECT_EQ(progress.redrawCount() - before, 333);
    EXPECT_EQ(progress.drawn(), 999);
    EXPECT_EQ(progress.value(), 1000); // stored although not drawn
    ASSERT_FALSE(view.widths.isEmpty());
    EXPECT_EQ(view.widths.last(), 11493);
    EXPECT_EQ(view.widths.first(), 35); // 3 x 11505 / 1000 = 34.515
}

TEST(ProgressState, HalfWidthRoundsToEven)
{
    ProgressState progress;
    progress.setMax(10);
    progress.setValue(5);
    EXPECT_EQ(progress.fillWidth(), 5752);
}

TEST(ProgressState, OverflowDrawsFullBarAndRemembersTheRawValue)
{
    ProgressState progress;
    progress.setMax(1000);
    progress.setValue(2000);
    EXPECT_EQ(progress.fillWidth(), 11505);
    EXPECT_EQ(progress.drawn(), 2000);
    EXPECT_EQ(progress.value(), 1000);
    progress.setValue(-500);
    EXPECT_EQ(progress.fillWidth(), 0);
    EXPECT_EQ(progress.value(), 0);
}

TEST(ProgressState, MaximumBelowOneIsOne)
{
    ProgressState progress;
    progress.setMax(0);
    EXPECT_EQ(progress.max(), 1);
    progress.setMax(-7);
    EXPECT_EQ(progress.max(), 1);
    progress.setMax(2.5);
    EXPECT_EQ(progress.max(), 2);
}

TEST(ProgressState, NewMaximumComparesWithWhatWasDrawnAtTheNewScale)
{
    ProgressState progress;
    progress.setMax(2000);
    progress.setValue(2000);
    EXPECT_EQ(progress.fillWidth(), 11505);
    // The next operation starts: the full bar drawn for the old one is far from 0.
    progress.setMax(100);
    progress.setValue(0);
    EXPECT_EQ(progress.fillWidth(), 0);
    // Rescaling alone redraws only when the drawn value moves 25 twips at the new scale.
    progress.setValue(50);
    progress.setMax(200);
    EXPECT_EQ(progress.fillWidth(), 5752);
    progress.setValue(60);
    EXPECT_EQ(progress.fillWidth(), 3452);
}

TEST(ProgressState, HugeValuesDoNotOverflow)
{
    ProgressState progress;
    progress.setMax(3);
    progress.setValue(2147483647.0);
    EXPECT_EQ(progress.fillWidth(), 11505);
    progress.setMax(2147483647.0);
    progress.setValue(2147483647.0);
    EXPECT_EQ(progress.fillWidth(), 11505);
}

TEST(ProgressState, SmallStepsAreStoredButNotDrawn)
{
    ProgressState progress;
    progress.setMax(1000);
    progress.setValue(2); // 23 twips: below the step
    EXPECT_EQ(progress.value(), 2);
    EXPECT_EQ(progress.fillWidth(), 0);
    EXPECT_EQ(progress.redrawCount(), 0);
}

TEST(ProgressState, BarWidthIsAParameter)
{
    ProgressState progress(ProgressState::kFacelisterBarWidth);
    progress.setMax(2);
    progress.setValue(1);
    EXPECT_EQ(progress.fillWidth(), 2692); // 2692.5 to even
}

TEST(ProgressState, VisibilityChangesOnlyOnChange)
{
    ProgressState progress;
    RecordingView view;
    progress.setView(&view);
    progress.setVisible(true);
    progress.setVisible(true);
    progress.setVisible(false);
    progress.setVisible(false);
    EXPECT_EQ(view.shows, (QList<bool>{true, false}));
}

} // namespace

// A phase's steps move the bar forward only, within the phase's stretch, to its end.
struct RangeCase {
    const char *name;
    double steps;
    QList<double> reported;
};

class ProgressRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(ProgressRangeTest, MovesForwardWithinItsStretchToItsEnd)
{
    ProgressState state(ProgressState::kFacelisterBarWidth);
    state.setMax(1000);
    state.setValue(200);
    ProgressRange range(state, 200, 600, GetParam().steps);
    QList<qint32> values;
    for (double step : GetParam().reported) {
        range.setStep(step);
        values.append(state.value());
    }
    range.finish();
    values.append(state.value());
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_GE(values.first(), 200);
    EXPECT_EQ(values.last(), 600);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ProgressRangeTest,
    testing::Values(RangeCase{"Even", 4, {1, 2, 3}}, RangeCase{"Backwards", 10, {8, 2, 5}},
                    RangeCase{"BeyondTheEnd", 3, {1, 7}}, RangeCase{"NoSteps", 0, {}}),
    [](const testing::TestParamInfo<RangeCase> &info) { return std::string(info.param.name); });
