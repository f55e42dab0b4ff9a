// "&Reset all settings": puts every field back to its default, in a fixed order, through
// the operations of the window it works on. The window implements the operations on its
// controls; the tests record them.
#pragma once

#include "settings/colourlabels.h"
#include "settings/effectsettings.h"

class ResetOperations {
public:
    virtual ~ResetOperations() = default;
    // The Yes/No question "Are you sure you want to reset all settings?"; true for Yes.
    virtual bool confirmReset() = 0;
    // The output mode switch to mode 0 (does nothing when already Normal).
    virtual void switchMode(EffectSettings &settings, OutputMode mode) = 0;
    // "&Clear Selection".
    virtual void clearFontSelection(EffectSettings &settings) = 0;
    // "&ToolTips": toggles `toolTips` and puts in or takes out the tooltip texts.
    virtual void toggleToolTips(EffectSettings &settings) = 0;
    // A right click on swatch k of a row; the `OC` option the click would select is not
    // part of the reset.
    virtual void toggleColourLabel(EffectSettings &settings, ColourLabels::Row row, int k) = 0;
    // Empties the output box `R`.
    virtual void clearOutput() = 0;
    // `SettingsFile::save`.
    virtual void saveSettings(const EffectSettings &settings) = 0;
};

// Operations that work on the record alone (the mode switch, output box and file are the
// caller's): a base for the window's implementation and for tests.
class RecordResetOperations : public ResetOperations {
public:
    bool confirmReset() override { return true; }
    void switchMode(EffectSettings &settings, OutputMode mode) override;
    void clearFontSelection(EffectSettings &settings) override;
    void toggleToolTips(EffectSettings &settings) override;
    void toggleColourLabel(EffectSettings &settings, ColourLabels::Row row, int k) override;
    void clearOutput() override {}
    void saveSettings(const EffectSettings &) override {}
};

namespace ResetSequence {

// The question before a reset.
QString question();

// Runs the reset. With `ask`, a No leaves everything unchanged and returns false.
bool run(EffectSettings &settings, ResetOperations &ops, bool ask);

} // namespace ResetSequence
