// Feeds arbitrary bytes to the settings loader: every file must either load into a
// record that keeps its invariants or be refused, never crash or hang.
#include "settings/colourlabels.h"
#include "settings/settingsfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto fontCount = [](OutputMode mode) { return mode == OutputMode::Html ? 3 : 25; };
    const auto loaded = SettingsFile::parseBytes(bytes, fontCount);
    if (!loaded)
        return 0;
    EffectSettings s;
    QStringList names;
    for (int i = 0; i < fontCount(loaded->mode); ++i)
        names << QString::number(i);
    s.setFonts(names);
    loaded->applyTo(s);
    if (s.sizeEffect < 0 || s.sizeEffect > 6 || s.capitalisation < 0 || s.capitalisation > 5 ||
        s.colouring < 0 || s.colouring > 4 || s.characterPosition < 0 || s.characterPosition > 2 ||
        s.predefinedScheme < 0 || s.predefinedScheme > 13 ||
        s.selectedFontCount() > EffectSettings::kMaxSelectedFonts ||
        s.fontSelected.size() != s.fonts.size())
        std::abort();
    for (const ColourLabel &label : s.alternateColours) {
        if (label.colour < 0 || label.colour > 0xFFFFFF)
            std::abort();
    }
    // The exclusion rule and a save must cope with whatever was loaded.
    ColourLabels::restoreUpTo(s.alternateColours, 8);
    ColourLabels::rightClick(s.blendColours, 2, ColourLabels::Row::Blend);
    // 59 fixed lines (the text counts as one), one per font, and the trailer: its marker
    // and one name per font.
    const QStringList lines = SettingsFile::lines(s);
    if (lines.size() != 60 + 2 * s.fonts.size())
        std::abort();
    return 0;
}
