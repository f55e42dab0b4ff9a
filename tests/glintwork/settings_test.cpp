// The settings record: enabling rules, the colour rows' exclusion rule and the reset.
#include "colourlabels.h"
#include "enablingrules.h"
#include "resetsequence.h"

#include <gtest/gtest.h>

namespace {

using ColourLabels::Row;

// Records the order of the reset's operations on top of the record-only ones.
class RecordingReset : public RecordResetOperations {
public:
    bool answer = true;
    QStringList calls;

    bool confirmReset() override
    {
        calls << "confirm";
        return answer;
    }
    void switchMode(EffectSettings &s, OutputMode mode) override
    {
        calls << QStringLiteral("mode %1").arg(int(mode));
        RecordResetOperations::switchMode(s, mode);
    }
    void clearFontSelection(EffectSettings &s) override
    {
        calls << "clear";
        RecordResetOperations::clearFontSelection(s);
    }
    void toggleToolTips(EffectSettings &s) override
    {
        calls << "tooltips";
        RecordResetOperations::toggleToolTips(s);
    }
    void toggleColourLabel(EffectSettings &s, Row row, int k) override
    {
        calls << QStringLiteral("%1%2").arg(row == Row::Alternate ? "CL" : "CB").arg(k);
        RecordResetOperations::toggleColourLabel(s, row, k);
    }
    void clearOutput() override { calls << "output"; }
    void saveSettings(const EffectSettings &) override { calls << "save"; }
};

EffectSettings changed()
{
    EffectSettings s;
    s.setFonts({"Arial", "Georgia"});
    s.fontSelected = {true, true};
    s.text = QStringLiteral("mine");
    s.sizes = 6;
    s.cap = 3;
    s.oc = 4;
    s.pos = 2;
    s.checkBI = 0;
    s.checkAF = 1;
    s.textWL = "9";
    s.textBL = "3";
    s.checkRandom = 1;
    s.comboPC = 7;
    s.comboS = "33";
    s.comboSIndex = -1;
    s.comboB = "40";
    s.comboBIndex = 10;
    s.label1Col = 0x123456;
    s.mnuWW = true;
    s.mnuCW = true;
    s.mnuTT = false;
    s.outputMode = OutputMode::Html;
    return s;
}

} // namespace

TEST(EnablingRules, FollowTheFields)
{
    EffectSettings s;
    EnabledState e = EnablingRules::evaluate(s, OutputMode::Normal);
    EXPECT_TRUE(e.pos2);
    EXPECT_TRUE(e.posOptions);
    EXPECT_FALSE(e.textWL);
    EXPECT_FALSE(e.checkRandom);
    EXPECT_FALSE(e.textBL);
    EXPECT_FALSE(e.comboPC);
    EXPECT_FALSE(e.commandCA);
    EXPECT_FALSE(e.checkAF);
    EXPECT_TRUE(e.cmdP);
    EXPECT_FALSE(e.mnuHTMLVisible);

    s.setFonts({"A", "B", "C"});
    s.fontSelected[1] = true;
    s.sizes = EffectSettings::SizesWave;
    s.oc = EffectSettings::OCBlend;
    s.text.clear();
    e = EnablingRules::evaluate(s, OutputMode::Normal);
    EXPECT_TRUE(e.commandCA);
    EXPECT_FALSE(e.checkAF);
    EXPECT_TRUE(e.textWL);
    EXPECT_TRUE(e.textBL);
    EXPECT_FALSE(e.cmdP);
    s.fontSelected[2] = true;
    s.oc = EffectSettings::OCAlternate;
    e = EnablingRules::evaluate(s, OutputMode::Html);
    EXPECT_TRUE(e.checkAF);
    EXPECT_TRUE(e.checkRandom);
    EXPECT_FALSE(e.posOptions);
    EXPECT_FALSE(e.pos2);
    EXPECT_FALSE(e.mnuFS);
    EXPECT_TRUE(e.mnuHTMLVisible);
    s.sizes = EffectSettings::SizesNone;
    e = EnablingRules::evaluate(s, OutputMode::WordProcessor);
    EXPECT_FALSE(e.pos2);
    EXPECT_TRUE(e.posOptions);
}

TEST(EnablingRules, SizesNoneMovesCentreToNoneOutsideHtml)
{
    EffectSettings s;
    s.pos = EffectSettings::PosCentre;
    s.sizes = EffectSettings::SizesNone;
    EXPECT_FALSE(EnablingRules::afterSizesChange(s, OutputMode::Html));
    EXPECT_EQ(s.pos, EffectSettings::PosCentre);
    EXPECT_TRUE(EnablingRules::afterSizesChange(s, OutputMode::Normal));
    EXPECT_EQ(s.pos, EffectSettings::PosNone);
    s.sizes = EffectSettings::SizesRandom;
    EXPECT_FALSE(EnablingRules::afterSizesChange(s, OutputMode::Normal));
    EXPECT_EQ(s.pos, EffectSettings::PosNone); // enabled again, not selected
}

TEST(ColourLabels, RightClickExcludesAndRestoresRuns)
{
    EffectSettings s;
    const auto original = s.cl;
    EXPECT_EQ(ColourLabels::rightClick(s.cl, 3, Row::Alternate), EffectSettings::OCAlternate);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(s.cl[k].inUse(), k < 3) << k;
        if (k >= 3) {
            EXPECT_EQ(s.cl[k].colour, ColourLabels::kExcludedGrey);
        }
    }
    EXPECT_EQ(ColourLabels::inUseCount(s.cl), 3);
    // The excluded swatches keep their own colours in their tags.
    EXPECT_EQ(s.cl[5].tag, original[5].tag);
    EXPECT_EQ(s.cl[7].tag, original[7].tag);

    ColourLabels::rightClick(s.cl, 5, Row::Alternate);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(s.cl[k].inUse());
        EXPECT_EQ(s.cl[k].colour, original[k].colour);
    }
    EXPECT_FALSE(s.cl[6].inUse());

    const auto before = s.cl;
    EXPECT_EQ(ColourLabels::rightClick(s.cl, 0, Row::Alternate), EffectSettings::OCSingle);
    EXPECT_EQ(ColourLabels::rightClick(s.cb, 0, Row::Blend), EffectSettings::OCSingle);
    EXPECT_EQ(s.cl, before);
    EXPECT_EQ(ColourLabels::rightClick(s.cb, 2, Row::Blend), EffectSettings::OCBlend);
    EXPECT_EQ(ColourLabels::inUseCount(s.cb), 2);
    EXPECT_EQ(ColourLabels::rightClick(s.cl, 42, Row::Alternate), EffectSettings::OCAlternate);
}

TEST(ColourLabels, LeftClickRestoresUpToTheSwatchAndTakesTheColour)
{
    EffectSettings s;
    ColourLabels::restoreUpTo(s.cl, 8);
    EXPECT_EQ(ColourLabels::inUseCount(s.cl), 9);
    EXPECT_EQ(s.cl[7].colour, 0xC0C0C0);
    ColourLabels::setColour(s.cl, 8, 0x00AA00);
    EXPECT_EQ(s.cl[8].colour, 0x00AA00);
    EXPECT_EQ(s.cl[8].tag, QStringLiteral("43520"));
    // A tag that is no colour leaves the displayed colour alone.
    s.cl[4].mark = "X";
    s.cl[4].tag = "rubbish";
    s.cl[4].colour = 7;
    ColourLabels::restoreUpTo(s.cl, 4);
    EXPECT_EQ(s.cl[4].colour, 7);
}

TEST(Reset, NoLeavesEverythingUnchanged)
{
    RecordingReset ops;
    ops.answer = false;
    EffectSettings s = changed();
    const EffectSettings before = s;
    EXPECT_FALSE(ResetSequence::run(s, ops, true));
    EXPECT_EQ(s, before);
    EXPECT_EQ(ops.calls, QStringList{"confirm"});
}

TEST(Reset, RunsItsStepsInOrderAndRestoresTheDefaults)
{
    RecordingReset ops;
    EffectSettings s = changed();
    ColourLabels::restoreUpTo(s.cl, 7); // the user brought CL 7 back
    s.cl[7].colour = 0x111111;
    ColourLabels::rightClick(s.cb, 3, Row::Blend);
    EXPECT_TRUE(ResetSequence::run(s, ops, false));
    EXPECT_EQ(ops.calls,
              QStringList({"mode 0", "clear", "tooltips", "output", "CL7", "CB3", "save"}));
    const EffectSettings d = EffectSettings::defaults();
    EXPECT_EQ(s.text, d.text);
    EXPECT_EQ(s.selectedFontCount(), 0);
    EXPECT_EQ(s.sizes, 1);
    EXPECT_EQ(s.cap, 0);
    EXPECT_EQ(s.oc, 1);
    EXPECT_EQ(s.pos, 1);
    EXPECT_EQ(s.checkBI, 1);
    EXPECT_EQ(s.checkAF, 0);
    EXPECT_EQ(s.textWL, "5");
    EXPECT_EQ(s.textBL, "20");
    EXPECT_EQ(s.checkRandom, 0);
    EXPECT_EQ(s.comboPC, 0);
    EXPECT_EQ(s.comboS, "20");
    EXPECT_EQ(s.comboSIndex, 5);
    EXPECT_EQ(s.comboB, "32");
    EXPECT_EQ(s.comboBIndex, 7);
    EXPECT_EQ(s.label1Col, 0);
    EXPECT_FALSE(s.mnuWW);
    EXPECT_FALSE(s.mnuCW);
    EXPECT_TRUE(s.mnuTT);
    EXPECT_EQ(s.outputMode, OutputMode::Normal);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(s.cl[k].inUse(), k < 7) << k;
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(s.cl[k], d.cl[k]) << k;
    // The toggle that excluded CL 7 again greys it; CL 8 keeps its silver.
    EXPECT_EQ(s.cl[7].colour, ColourLabels::kExcludedGrey);
    EXPECT_EQ(s.cl[8].colour, 0xC0C0C0);
    EXPECT_EQ(s.cb, d.cb);
}

TEST(Reset, TooltipsAlreadyOnAreNotToggled)
{
    RecordingReset ops;
    EffectSettings s;
    ResetSequence::run(s, ops, true);
    EXPECT_FALSE(ops.calls.contains("tooltips"));
    EXPECT_TRUE(s.mnuTT);
    EXPECT_EQ(ops.calls.first(), "confirm");
}

TEST(Reset, ExcludedMiddleSwatchesComeBackOneByOne)
{
    RecordingReset ops;
    EffectSettings s;
    ColourLabels::rightClick(s.cl, 2, Row::Alternate);
    s.oc = EffectSettings::OCBlend;
    ResetSequence::run(s, ops, false);
    EXPECT_EQ(ops.calls.filter("CL"), QStringList({"CL2", "CL3", "CL4", "CL5", "CL6"}));
    EXPECT_EQ(s.cl, EffectSettings::defaultAlternateLabels());
    EXPECT_EQ(s.oc, EffectSettings::OCRandom);
}
