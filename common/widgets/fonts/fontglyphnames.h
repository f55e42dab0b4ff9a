// What an installed font file holds, read with FreeType: which file holds a family, the name of
// the glyph each single-byte code draws, whether it has a Windows symbol map, and every
// character its Unicode map covers. Files are read whole into memory (or, when very large,
// through our own stream), never mapped, so a file that is truncated or replaced while we read
// it gives a read error, not a crash.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace FontGlyphNames {

struct Face {
    QString file;
    int index = 0;
    bool isValid() const { return !file.isEmpty(); }
};

// The face of an installed family (case-insensitive), preferring an upright regular
// OpenType or TrueType face; invalid when the family is not installed. The installed fonts
// are indexed once, on the first call.
Face faceOf(const QString &family);

// Whether every face of the installed family (case-insensitive) is upright and made of
// outlines, so that Qt draws its italic by slanting the upright glyphs (as FreeType's oblique
// does) rather than from a face of its own. False for a family that is not installed.
bool hasOnlyUprightOutlines(const QString &family);

// The name of the glyph each code 0 to 255 draws in the face, looked up as the code is drawn:
// in a Windows symbol map at U+F000 + code (or the code), in a Unicode map at the code, and
// for a Type 1 font in its own encoding. An empty name where the face has no glyph or no
// glyph names; 256 empty names when the face cannot be read.
QList<QByteArray> namesByCode(const Face &face);

// Whether the face has a Windows symbol character map (platform 3, encoding 0).
bool hasSymbolMap(const Face &face);

// What tells a symbol font, read in one go: whether it has a Windows symbol map, whether its
// maps cover any of the private codes U+F020..U+F0FF, and the glyph names of the printable
// ASCII codes (33 to 126; the other codes' names are empty). The private codes are looked up
// as Qt's font engine looks a character up: in the face's Unicode map (else the map FreeType
// chose), then in its first symbol map. `read` is false when the face could not be opened.
struct SymbolClues {
    bool read = false;
    bool symbolMap = false;
    bool privateRange = false;
    QList<QByteArray> names;
};
SymbolClues symbolClues(const Face &face);

// Every character of the face's Unicode map, in ascending order; empty when the face cannot
// be read or has no Unicode map.
QList<char32_t> codePoints(const Face &face);

// Whether the face's file has become shorter (or gone) since this was first asked for it.
// Qt's own font engine maps font files into memory, and touching a page of a mapped file that
// was cut short meanwhile raises SIGBUS; a window asks this before it lets Qt draw the font
// again, and draws with another font when the answer is yes.
bool fileShrank(const Face &face);

} // namespace FontGlyphNames
