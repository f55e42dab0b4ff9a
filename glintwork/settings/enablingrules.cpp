// Enabling rules: see enablingrules.h.
#include "settings/enablingrules.h"

namespace EnablingRules {

EnabledState evaluate(const EffectSettings &s, OutputMode mode, const OutputFacts &facts)
{
    const bool html = mode == OutputMode::Html;
    const int selected = s.selectedFontCount();
    EnabledState e;
    e.positionOptions = !html;
    e.centreVertically = !html && s.sizeEffect != EffectSettings::SizeNone;
    e.wavelength = s.sizeEffect == EffectSettings::SizeWave;
    e.randomAlternateColours = s.colouring == EffectSettings::ColourAlternate;
    e.blendLength = s.colouring == EffectSettings::ColourBlend;
    e.predefinedScheme = s.colouring == EffectSettings::ColourPredefined;
    e.clearSelection = selected >= 1;
    e.alternateSelectedFonts = selected >= 2;
    e.refresh = !s.text.isEmpty();
    e.fontSizeCommands = !html;
    e.copyHtmlVisible = html;
    e.hasOutput = facts.hasOutput;
    e.canPaste = facts.canPaste;
    e.doubleSpace = s.text.indexOf(QStringLiteral("\r\n")) > 0;
    return e;
}

bool afterSizesChange(EffectSettings &s, OutputMode mode)
{
    if (mode == OutputMode::Html)
        return false;
    if (s.sizeEffect == EffectSettings::SizeNone &&
        s.characterPosition == EffectSettings::PositionCentre) {
        s.characterPosition = EffectSettings::PositionNone;
        return true;
    }
    return false;
}

} // namespace EnablingRules
