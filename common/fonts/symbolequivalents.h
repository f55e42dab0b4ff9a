// The Unicode equivalents of a font's single-byte codes: for a symbol font the character each
// code's glyph stands for, found from the glyph's name; for a text font the Windows-1252
// character. Lists are indexed by code (0 to 255); an empty string means no equivalent.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace SymbolEquivalents {

constexpr int codes = 256;

// The character a glyph name stands for. Names that map into the private use area say
// nothing a reader could paste elsewhere, so they count as no equivalent.
QString fromGlyphName(QByteArrayView glyphName);

// One equivalent per code from the glyph names by code (an empty name: no glyph).
QStringList fromGlyphNames(const QList<QByteArray> &namesByCode);

// Whether glyph names by code (0 to 255) say that the font is symbol-encoded: most of the
// printable ASCII codes whose names are known draw something other than their Windows-1252
// character ("a1" at code 33 is a pair of scissors, not "!"). Names that map to nothing are not
// counted, so a font whose names say nothing is not taken for a symbol font.
bool namesSaySymbol(const QList<QByteArray> &namesByCode);

// The equivalents of a text font: each code's Windows-1252 character.
QStringList ofTextFont();

// A published single-byte mapping table in the text form Tcl ships its encodings in (a
// comment line, "S", a line of fallback character, symbol flag and page count, then for page 00
// its number and 16 lines of 16 four-digit code points): the equivalent of each code, with
// the C0 and C1 control codes and 0000 as none. Empty when the text is not such a table.
QStringList fromMappingTable(const QByteArray &text);

// The equivalents from glyph names, or those of the published table when the names gave none
// at all (a symbol font without usable glyph names).
QStringList withPublishedTable(const QStringList &fromNames, const QStringList &published);

// How a cell names its equivalent: "Unicode: ✁ (U+2701)", or "No Unicode equivalent".
QString caption(const QString &equivalent);

// The collected text with each character's code replaced by its equivalent; a character
// without a code or whose code has no equivalent stays as it is.
QString unicodeText(const QString &collected, const QStringList &equivalents);

} // namespace SymbolEquivalents
