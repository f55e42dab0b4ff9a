// The reset sequence: see resetsequence.h.
#include "settings/resetsequence.h"

#include <QCoreApplication>

void RecordResetOperations::switchMode(EffectSettings &settings, OutputMode mode)
{
    settings.outputMode = mode;
}

void RecordResetOperations::clearFontSelection(EffectSettings &settings)
{
    settings.fontSelected.fill(false);
}

void RecordResetOperations::toggleToolTips(EffectSettings &settings)
{
    settings.toolTips = !settings.toolTips;
}

void RecordResetOperations::toggleColourLabel(EffectSettings &settings, ColourLabels::Row row,
                                              int k)
{
    if (row == ColourLabels::Row::Alternate)
        ColourLabels::rightClick(settings.alternateColours, k, row);
    else
        ColourLabels::rightClick(settings.blendColours, k, row);
}

namespace ResetSequence {

QString question()
{
    return QCoreApplication::translate("ResetSequence",
                                       "Are you sure you want to reset all settings?");
}

namespace {

template <size_t N>
void resetRow(EffectSettings &s, std::array<ColourLabel, N> EffectSettings::*member,
              const std::array<ColourLabel, N> &defaults, ColourLabels::Row row,
              ResetOperations &ops)
{
    for (int k = 0; k < int(N); ++k) {
        ColourLabel &label = (s.*member)[k];
        label.colour = defaults[k].colour;
        label.tag = defaults[k].tag;
        // The mark is read afresh: a toggle of an earlier swatch may have changed it.
        if ((s.*member)[k].mark != defaults[k].mark)
            ops.toggleColourLabel(s, row, k);
    }
}

} // namespace

bool run(EffectSettings &s, ResetOperations &ops, bool ask)
{
    if (ask && !ops.confirmReset())
        return false;
    const EffectSettings d = EffectSettings::defaults();
    ops.switchMode(s, OutputMode::Normal);
    ops.clearFontSelection(s);
    if (!s.toolTips)
        ops.toggleToolTips(s);
    s.formatWordByWord = false;
    s.colourWordByWord = false;
    s.sizeEffect = d.sizeEffect;
    s.capitalisation = d.capitalisation;
    s.colouring = d.colouring;
    s.characterPosition = d.characterPosition;
    s.randomBoldItalic = d.randomBoldItalic;
    s.alternateSelectedFonts = d.alternateSelectedFonts;
    s.wavelength = d.wavelength;
    s.blendLength = d.blendLength;
    s.randomAlternateColours = d.randomAlternateColours;
    s.predefinedScheme = d.predefinedScheme;
    s.text = d.text;
    ops.clearOutput();
    s.minimumSizeIndex = d.minimumSizeIndex;
    s.minimumSize = d.minimumSize;
    s.maximumSizeIndex = d.maximumSizeIndex;
    s.maximumSize = d.maximumSize;
    resetRow(s, &EffectSettings::alternateColours, d.alternateColours, ColourLabels::Row::Alternate,
             ops);
    resetRow(s, &EffectSettings::blendColours, d.blendColours, ColourLabels::Row::Blend, ops);
    s.singleColour = 0;
    ops.saveSettings(s);
    return true;
}

} // namespace ResetSequence
