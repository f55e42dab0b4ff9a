// The glyph name lists compiled into the program: each entry a glyph name and the Unicode
// characters it stands for (up to four, unused places 0), sorted by name in byte order.
#pragma once

#include <cstddef>

struct GlyphNameEntry {
    const char *name;
    char16_t codes[4];
};

namespace GlyphNameTables {

extern const GlyphNameEntry adobeGlyphList[];
extern const std::size_t adobeGlyphListSize;
extern const GlyphNameEntry zapfDingbatsGlyphList[];
extern const std::size_t zapfDingbatsGlyphListSize;

} // namespace GlyphNameTables
