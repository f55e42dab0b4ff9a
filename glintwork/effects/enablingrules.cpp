// Enabling rules: see enablingrules.h.
#include "enablingrules.h"

namespace EnablingRules {

EnabledState evaluate(const EffectSettings &s, OutputMode mode, const OutputFacts &facts)
{
    const bool html = mode == OutputMode::Html;
    const int selected = s.selectedFontCount();
    EnabledState e;
    e.posOptions = !html;
    e.pos2 = !html && s.sizes != EffectSettings::SizesNone;
    e.textWL = s.sizes == EffectSettings::SizesWave;
    e.checkRandom = s.oc == EffectSettings::OCAlternate;
    e.textBL = s.oc == EffectSettings::OCBlend;
    e.comboPC = s.oc == EffectSettings::OCPredefined;
    e.commandCA = selected >= 1;
    e.checkAF = selected >= 2;
    e.cmdP = !s.text.isEmpty();
    e.mnuFS = !html;
    e.mnuHTMLVisible = html;
    e.hasOutput = facts.hasOutput;
    e.canPaste = facts.canPaste;
    e.doubleSpace = s.text.indexOf(QStringLiteral("\r\n")) > 0;
    return e;
}

bool afterSizesChange(EffectSettings &s, OutputMode mode)
{
    if (mode == OutputMode::Html)
        return false;
    if (s.sizes == EffectSettings::SizesNone && s.pos == EffectSettings::PosCentre) {
        s.pos = EffectSettings::PosNone;
        return true;
    }
    return false;
}

} // namespace EnablingRules
