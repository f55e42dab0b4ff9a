// Which controls and menu commands of the main window are enabled for a given state of the
// settings, the output mode, the output box and the clipboard, and the one selection the
// rules move (Pos 2 to Pos 0).
#pragma once

#include "settings/effectsettings.h"

struct EnabledState {
    bool positionOptions = true;  // `FrameVA` and `Pos` 0 and 1
    bool centreVertically = true; // `Pos` 2 "Centre vertically"
    bool wavelength = false;      // `TextWL` and `Label2`
    bool randomAlternateColours = false;
    bool blendLength = false; // `TextBL` and `Label4`
    bool predefinedScheme = false;
    bool clearSelection = false;
    bool alternateSelectedFonts = false;
    bool refresh = true;
    // The four font-size commands of the Tools menu and "Copy &HTML" follow the mode.
    bool fontSizeCommands = true;
    bool copyHtmlVisible = false;
    // Commands that need something in the output box (Save As, Print, the size steps), in
    // the clipboard (the two pastes), or a line break after the start of the input text
    // ("Double-&space paragraphs").
    bool hasOutput = false;
    bool canPaste = false;
    bool doubleSpace = false;

    friend bool operator==(const EnabledState &, const EnabledState &) = default;
};

// What the rules need to know beyond the settings.
struct OutputFacts {
    bool hasOutput = false;
    bool canPaste = false;
};

namespace EnablingRules {

EnabledState evaluate(const EffectSettings &settings, OutputMode mode,
                      const OutputFacts &facts = {});

// `Sizes_Click` outside HTML mode: when "Centre vertically" is selected but no longer
// allowed, "None" is selected instead. Returns whether `pos` changed.
bool afterSizesChange(EffectSettings &settings, OutputMode mode);

} // namespace EnablingRules
