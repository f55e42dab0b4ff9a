// The Unicode characters a PostScript glyph name stands for, by the rules of the Adobe Glyph
// List: a suffix after the first period is dropped, ligature parts joined by underscores
// map one by one, and each part is looked up in the Adobe Glyph List, then in the ITC Zapf
// Dingbats Glyph List (names such as "a1"), then read as "uniXXXX..." or "uXXXX[XX]".
#pragma once

#include <QByteArrayView>
#include <QString>

namespace GlyphNames {

// An empty string when any part of the name has no mapping.
QString toUnicode(QByteArrayView glyphName);

} // namespace GlyphNames
