// Symbol-encoded fonts (dingbats, Greek symbol fonts): their character map addresses glyphs by
// the single-byte code, either as U+0020..U+00FF or in the private range U+F020..U+F0FF. Such a
// font must draw its own glyph for each code, so its text is mapped to the code points its map
// holds and font merging is turned off; otherwise another font would draw the letter instead.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace SymbolFont {

// Whether the installed family is symbol-encoded (cached per family): it has a Windows symbol
// map, or its glyph names say that its codes 32 to 255 are not the Windows-1252 characters.
// The one answer for every program: the grids, Facelister's filter and the RTF writer.
bool isSymbolEncoded(const QString &family);

// The font to draw with: unchanged for a text font, without font merging for a symbol font.
QFont drawingFont(const QFont &font);

// The text to draw in the family: for a symbol font each character is taken as its
// Windows-1252 code and mapped to the code point that the font's symbol map holds for it;
// a text font gets the text unchanged, with control characters (the codes Windows-1252 leaves
// undefined, and DEL) left blank.
QString displayText(const QString &family, const QString &text);

// Whether the family itself has a glyph for the character (as displayText maps it), so
// that a missing one is marked rather than drawn by another font. Cached per family.
bool hasGlyph(const QString &family, QChar character);
bool hasGlyph(const QString &family, char32_t character);

// The Unicode equivalent of each code 0 to 255 in the family (see SymbolEquivalents): from
// the glyph names of a symbol font, the Windows-1252 characters for a text font. Cached.
QStringList equivalents(const QString &family);

// The width in pixels of the widest glyph the font draws for the characters (its advance or
// its ink, whichever is wider), so that a cell can be made wide enough not to clip it.
qreal widestGlyph(const QFont &font, const QString &characters);

} // namespace SymbolFont
