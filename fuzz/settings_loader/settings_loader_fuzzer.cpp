// Feeds arbitrary bytes to the settings loader: every file must either load into a
// record that keeps its invariants or be refused, never crash or hang.
#include "colourlabels.h"
#include "settingsfile.h"

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
    if (s.sizes < 0 || s.sizes > 6 || s.cap < 0 || s.cap > 5 || s.oc < 0 || s.oc > 4 || s.pos < 0 ||
        s.pos > 2 || s.comboPC < 0 || s.comboPC > 13 ||
        s.selectedFontCount() > EffectSettings::kMaxSelectedFonts ||
        s.fontSelected.size() != s.fonts.size())
        std::abort();
    for (const ColourLabel &label : s.cl) {
        if (label.colour < 0 || label.colour > 0xFFFFFF)
            std::abort();
    }
    // The exclusion rule and a save must cope with whatever was loaded.
    ColourLabels::restoreUpTo(s.cl, 8);
    ColourLabels::rightClick(s.cb, 2, ColourLabels::Row::Blend);
    // 59 fixed lines (the text counts as one), one per font, and the trailer: its marker
    // and one name per font.
    const QStringList lines = SettingsFile::lines(s);
    if (lines.size() != 60 + 2 * s.fonts.size())
        std::abort();
    return 0;
}
