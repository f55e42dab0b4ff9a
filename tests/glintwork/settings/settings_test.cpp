// The settings record: enabling rules, the colour rows' exclusion rule and the reset.
#include "settings/colourlabels.h"
#include "settings/enablingrules.h"
#include "settings/resetsequence.h"

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
    s.sizeEffect = 6;
    s.capitalisation = 3;
    s.colouring = 4;
    s.characterPosition = 2;
    s.randomBoldItalic = 0;
    s.alternateSelectedFonts = 1;
    s.wavelength = 9;
    s.blendLength = 3;
    s.randomAlternateColours = 1;
    s.predefinedScheme = 7;
    s.minimumSize = 33;
    s.minimumSizeIndex = -1;
    s.maximumSize = 40;
    s.maximumSizeIndex = 10;
    s.singleColour = 0x123456;
    s.formatWordByWord = true;
    s.colourWordByWord = true;
    s.toolTips = false;
    s.outputMode = OutputMode::Html;
    return s;
}

} // namespace

TEST(EnablingRules, FollowTheFields)
{
    EffectSettings s;
    EnabledState e = EnablingRules::evaluate(s, OutputMode::Normal);
    EXPECT_TRUE(e.centreVertically);
    EXPECT_TRUE(e.positionOptions);
    EXPECT_FALSE(e.wavelength);
    EXPECT_FALSE(e.randomAlternateColours);
    EXPECT_FALSE(e.blendLength);
    EXPECT_FALSE(e.predefinedScheme);
    EXPECT_FALSE(e.clearSelection);
    EXPECT_FALSE(e.alternateSelectedFonts);
    EXPECT_TRUE(e.refresh);
    EXPECT_FALSE(e.copyHtmlVisible);

    s.setFonts({"A", "B", "C"});
    s.fontSelected[1] = true;
    s.sizeEffect = EffectSettings::SizeWave;
    s.colouring = EffectSettings::ColourBlend;
    s.text.clear();
    e = EnablingRules::evaluate(s, OutputMode::Normal);
    EXPECT_TRUE(e.clearSelection);
    EXPECT_FALSE(e.alternateSelectedFonts);
    EXPECT_TRUE(e.wavelength);
    EXPECT_TRUE(e.blendLength);
    EXPECT_FALSE(e.refresh);
    s.fontSelected[2] = true;
    s.colouring = EffectSettings::ColourAlternate;
    e = EnablingRules::evaluate(s, OutputMode::Html);
    EXPECT_TRUE(e.alternateSelectedFonts);
    EXPECT_TRUE(e.randomAlternateColours);
    EXPECT_FALSE(e.positionOptions);
    EXPECT_FALSE(e.centreVertically);
    EXPECT_FALSE(e.fontSizeCommands);
    EXPECT_TRUE(e.copyHtmlVisible);
    s.sizeEffect = EffectSettings::SizeNone;
    e = EnablingRules::evaluate(s, OutputMode::WordProcessor);
    EXPECT_FALSE(e.centreVertically);
    EXPECT_TRUE(e.positionOptions);
}

TEST(EnablingRules, SizesNoneMovesCentreToNoneOutsideHtml)
{
    EffectSettings s;
    s.characterPosition = EffectSettings::PositionCentre;
    s.sizeEffect = EffectSettings::SizeNone;
    EXPECT_FALSE(EnablingRules::afterSizesChange(s, OutputMode::Html));
    EXPECT_EQ(s.characterPosition, EffectSettings::PositionCentre);
    EXPECT_TRUE(EnablingRules::afterSizesChange(s, OutputMode::Normal));
    EXPECT_EQ(s.characterPosition, EffectSettings::PositionNone);
    s.sizeEffect = EffectSettings::SizeRandom;
    EXPECT_FALSE(EnablingRules::afterSizesChange(s, OutputMode::Normal));
    EXPECT_EQ(s.characterPosition, EffectSettings::PositionNone); // enabled again, not selected
}

TEST(ColourLabels, RightClickExcludesAndRestoresRuns)
{
    EffectSettings s;
    const auto original = s.alternateColours;
    EXPECT_EQ(ColourLabels::rightClick(s.alternateColours, 3, Row::Alternate),
              EffectSettings::ColourAlternate);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(s.alternateColours[k].inUse(), k < 3) << k;
        if (k >= 3) {
            EXPECT_EQ(s.alternateColours[k].colour, ColourLabels::kExcludedGrey);
        }
    }
    EXPECT_EQ(ColourLabels::inUseCount(s.alternateColours), 3);
    // The excluded swatches keep their own colours in their tags.
    EXPECT_EQ(s.alternateColours[5].tag, original[5].tag);
    EXPECT_EQ(s.alternateColours[7].tag, original[7].tag);

    ColourLabels::rightClick(s.alternateColours, 5, Row::Alternate);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(s.alternateColours[k].inUse());
        EXPECT_EQ(s.alternateColours[k].colour, original[k].colour);
    }
    EXPECT_FALSE(s.alternateColours[6].inUse());

    const auto before = s.alternateColours;
    EXPECT_EQ(ColourLabels::rightClick(s.alternateColours, 0, Row::Alternate),
              EffectSettings::ColourSingle);
    EXPECT_EQ(ColourLabels::rightClick(s.blendColours, 0, Row::Blend),
              EffectSettings::ColourSingle);
    EXPECT_EQ(s.alternateColours, before);
    EXPECT_EQ(ColourLabels::rightClick(s.blendColours, 2, Row::Blend), EffectSettings::ColourBlend);
    EXPECT_EQ(ColourLabels::inUseCount(s.blendColours), 2);
    EXPECT_EQ(ColourLabels::rightClick(s.alternateColours, 42, Row::Alternate),
              EffectSettings::ColourAlternate);
}

TEST(ColourLabels, LeftClickRestoresUpToTheSwatchAndTakesTheColour)
{
    EffectSettings s;
    ColourLabels::restoreUpTo(s.alternateColours, 8);
    EXPECT_EQ(ColourLabels::inUseCount(s.alternateColours), 9);
    EXPECT_EQ(s.alternateColours[7].colour, 0xC0C0C0);
    ColourLabels::setColour(s.alternateColours, 8, 0x00AA00);
    EXPECT_EQ(s.alternateColours[8].colour, 0x00AA00);
    EXPECT_EQ(s.alternateColours[8].tag, QStringLiteral("43520"));
    // A tag that is no colour leaves the displayed colour alone.
    s.alternateColours[4].mark = "X";
    s.alternateColours[4].tag = "rubbish";
    s.alternateColours[4].colour = 7;
    ColourLabels::restoreUpTo(s.alternateColours, 4);
    EXPECT_EQ(s.alternateColours[4].colour, 7);
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
    ColourLabels::restoreUpTo(s.alternateColours, 7); // the user brought CL 7 back
    s.alternateColours[7].colour = 0x111111;
    ColourLabels::rightClick(s.blendColours, 3, Row::Blend);
    EXPECT_TRUE(ResetSequence::run(s, ops, false));
    EXPECT_EQ(ops.calls,
              QStringList({"mode 0", "clear", "tooltips", "output", "CL7", "CB3", "save"}));
    const EffectSettings d = EffectSettings::defaults();
    EXPECT_EQ(s.text, d.text);
    EXPECT_EQ(s.selectedFontCount(), 0);
    EXPECT_EQ(s.sizeEffect, 1);
    EXPECT_EQ(s.capitalisation, 0);
    EXPECT_EQ(s.colouring, 1);
    EXPECT_EQ(s.characterPosition, 1);
    EXPECT_EQ(s.randomBoldItalic, 1);
    EXPECT_EQ(s.alternateSelectedFonts, 0);
    EXPECT_EQ(s.wavelength, 5);
    EXPECT_EQ(s.blendLength, 20);
    EXPECT_EQ(s.randomAlternateColours, 0);
    EXPECT_EQ(s.predefinedScheme, 0);
    EXPECT_EQ(s.minimumSize, 20);
    EXPECT_EQ(s.minimumSizeIndex, 5);
    EXPECT_EQ(s.maximumSize, 32);
    EXPECT_EQ(s.maximumSizeIndex, 7);
    EXPECT_EQ(s.singleColour, 0);
    EXPECT_FALSE(s.formatWordByWord);
    EXPECT_FALSE(s.colourWordByWord);
    EXPECT_TRUE(s.toolTips);
    EXPECT_EQ(s.outputMode, OutputMode::Normal);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(s.alternateColours[k].inUse(), k < 7) << k;
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(s.alternateColours[k], d.alternateColours[k]) << k;
    // The toggle that excluded CL 7 again greys it; CL 8 keeps its silver.
    EXPECT_EQ(s.alternateColours[7].colour, ColourLabels::kExcludedGrey);
    EXPECT_EQ(s.alternateColours[8].colour, 0xC0C0C0);
    EXPECT_EQ(s.blendColours, d.blendColours);
}

TEST(Reset, TooltipsAlreadyOnAreNotToggled)
{
    RecordingReset ops;
    EffectSettings s;
    ResetSequence::run(s, ops, true);
    EXPECT_FALSE(ops.calls.contains("tooltips"));
    EXPECT_TRUE(s.toolTips);
    EXPECT_EQ(ops.calls.first(), "confirm");
}

TEST(Reset, ExcludedMiddleSwatchesComeBackOneByOne)
{
    RecordingReset ops;
    EffectSettings s;
    ColourLabels::rightClick(s.alternateColours, 2, Row::Alternate);
    s.colouring = EffectSettings::ColourBlend;
    ResetSequence::run(s, ops, false);
    EXPECT_EQ(ops.calls.filter("CL"), QStringList({"CL2", "CL3", "CL4", "CL5", "CL6"}));
    EXPECT_EQ(s.alternateColours, EffectSettings::defaultAlternateLabels());
    EXPECT_EQ(s.colouring, EffectSettings::ColourRandom);
}
