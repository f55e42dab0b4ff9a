// The reset sequence: see resetsequence.h.
#include "resetsequence.h"

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
    settings.mnuTT = !settings.mnuTT;
}

void RecordResetOperations::toggleColourLabel(EffectSettings &settings, ColourLabels::Row row,
                                              int k)
{
    if (row == ColourLabels::Row::Alternate)
        ColourLabels::rightClick(settings.cl, k, row);
    else
        ColourLabels::rightClick(settings.cb, k, row);
}

namespace ResetSequence {

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
    if (!s.mnuTT)
        ops.toggleToolTips(s);
    s.mnuWW = false;
    s.mnuCW = false;
    s.sizes = d.sizes;
    s.cap = d.cap;
    s.oc = d.oc;
    s.pos = d.pos;
    s.checkBI = d.checkBI;
    s.checkAF = d.checkAF;
    s.textWL = d.textWL;
    s.textBL = d.textBL;
    s.checkRandom = d.checkRandom;
    s.comboPC = d.comboPC;
    s.text = d.text;
    ops.clearOutput();
    s.comboSIndex = d.comboSIndex;
    s.comboS = d.comboS;
    s.comboBIndex = d.comboBIndex;
    s.comboB = d.comboB;
    resetRow(s, &EffectSettings::cl, d.cl, ColourLabels::Row::Alternate, ops);
    resetRow(s, &EffectSettings::cb, d.cb, ColourLabels::Row::Blend, ops);
    s.label1Col = 0;
    ops.saveSettings(s);
    return true;
}

} // namespace ResetSequence
