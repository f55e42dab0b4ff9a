// The glyph names of an installed font, read with FreeType: which file holds a family, and the
// name of the glyph each single-byte code draws. This is the only place that reads font files.
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
// OpenType or TrueType face; invalid when no font folder holds the family. The folders are
// read once, on the first call.
Face faceOf(const QString &family);

// The name of the glyph each code 0 to 255 draws in the face, looked up as the code is drawn:
// in a Windows symbol map at U+F000 + code (or the code), in a Unicode map at the code, and
// for a Type 1 font in its own encoding. An empty name where the face has no glyph or no
// glyph names; 256 empty names when the face cannot be read.
QList<QByteArray> namesByCode(const Face &face);

} // namespace FontGlyphNames
