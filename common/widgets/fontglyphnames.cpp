// Glyph names read with FreeType: see fontglyphnames.h.
#include "fontglyphnames.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QMutex>
#include <QStandardPaths>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace FontGlyphNames {

namespace {

constexpr int codeCount = 256;

// One library for the program's lifetime: FreeType keeps no state between faces.
FT_Library library()
{
    static FT_Library shared = [] {
        FT_Library created = nullptr;
        return FT_Init_FreeType(&created) == 0 ? created : nullptr;
    }();
    return shared;
}

class FaceHandle {
public:
    explicit FaceHandle(const Face &face)
    {
        if (library() && face.isValid())
            FT_New_Face(library(), QFile::encodeName(face.file).constData(), face.index, &m_face);
    }
    ~FaceHandle()
    {
        if (m_face)
            FT_Done_Face(m_face);
    }
    FaceHandle(const FaceHandle &) = delete;
    FaceHandle &operator=(const FaceHandle &) = delete;
    FT_Face get() const { return m_face; }

private:
    FT_Face m_face = nullptr;
};

QStringList fontFolders()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(QDir(data).filePath(QStringLiteral("fonts")));
    folders.append(QDir::home().filePath(QStringLiteral(".fonts")));
    folders.removeDuplicates();
    return folders;
}

int preference(FT_Face face)
{
    int score = FT_IS_SFNT(face) ? 2 : 0;
    if (face->style_flags == 0)
        score += 4;
    return score;
}

struct Indexed {
    Face face;
    int preference = -1;
};

QHash<QString, Indexed> buildIndex()
{
    QHash<QString, Indexed> index;
    const QStringList patterns = {"*.ttf", "*.otf", "*.ttc", "*.otc", "*.t1", "*.pfb", "*.pfa"};
    for (const QString &folder : fontFolders()) {
        QDirIterator files(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            int faces = 1;
            for (int i = 0; i < faces; ++i) {
                const FaceHandle handle({file, i});
                FT_Face face = handle.get();
                if (!face || !face->family_name)
                    break;
                faces = int(face->num_faces);
                const QString family = QString::fromUtf8(face->family_name).toCaseFolded();
                Indexed &entry = index[family];
                if (preference(face) > entry.preference)
                    entry = {{file, i}, preference(face)};
            }
        }
    }
    return index;
}

FT_CharMap charmapWith(FT_Face face, FT_Encoding encoding)
{
    for (int i = 0; i < face->num_charmaps; ++i) {
        if (face->charmaps[i]->encoding == encoding)
            return face->charmaps[i];
    }
    return nullptr;
}

FT_CharMap typeOneEncoding(FT_Face face)
{
    for (const FT_Encoding encoding :
         {FT_ENCODING_ADOBE_CUSTOM, FT_ENCODING_ADOBE_STANDARD, FT_ENCODING_ADOBE_LATIN_1}) {
        if (FT_CharMap found = charmapWith(face, encoding))
            return found;
    }
    return nullptr;
}

FT_UInt glyphOf(FT_Face face, int code)
{
    if (FT_CharMap symbol = charmapWith(face, FT_ENCODING_MS_SYMBOL)) {
        FT_Set_Charmap(face, symbol);
        const FT_UInt glyph = FT_Get_Char_Index(face, 0xF000 + code);
        return glyph ? glyph : FT_Get_Char_Index(face, code);
    }
    if (!FT_IS_SFNT(face)) {
        if (FT_CharMap own = typeOneEncoding(face)) {
            FT_Set_Charmap(face, own);
            if (const FT_UInt glyph = FT_Get_Char_Index(face, code))
                return glyph;
        }
    }
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0)
        return 0;
    return FT_Get_Char_Index(face, code);
}

} // namespace

Face faceOf(const QString &family)
{
    static QMutex guard;
    static QHash<QString, Indexed> index;
    static bool built = false;
    const QMutexLocker lock(&guard);
    if (!built) {
        index = buildIndex();
        built = true;
    }
    return index.value(family.toCaseFolded()).face;
}

QList<QByteArray> namesByCode(const Face &face)
{
    QList<QByteArray> names(codeCount);
    const FaceHandle handle(face);
    FT_Face ft = handle.get();
    if (!ft || !FT_HAS_GLYPH_NAMES(ft))
        return names;
    char buffer[128];
    for (int code = 0; code < codeCount; ++code) {
        const FT_UInt glyph = glyphOf(ft, code);
        if (glyph && FT_Get_Glyph_Name(ft, glyph, buffer, sizeof buffer) == 0)
            names[code] = QByteArray(buffer);
    }
    return names;
}

} // namespace FontGlyphNames
