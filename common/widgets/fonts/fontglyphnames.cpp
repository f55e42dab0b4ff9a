// Glyph names and character maps read with FreeType: see fontglyphnames.h.
#include "widgets/fonts/fontglyphnames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QStandardPaths>

#include <ft2build.h>
#include FT_FREETYPE_H

#ifdef KERNCRAFT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <algorithm>

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

// FreeType's own file access maps the file into memory, and a page of a file that was cut
// short after it was mapped raises SIGBUS when touched. Reading through QFile instead turns a
// short or vanished file into a failed read, which FreeType reports as an error.
unsigned long readStream(FT_Stream stream, unsigned long offset, unsigned char *buffer,
                         unsigned long count)
{
    auto *file = static_cast<QFile *>(stream->descriptor.pointer);
    if (!file->seek(qint64(offset)))
        return count == 0 ? 1 : 0;
    if (count == 0)
        return 0;
    const qint64 read = file->read(reinterpret_cast<char *>(buffer), qint64(count));
    return read > 0 ? static_cast<unsigned long>(read) : 0;
}

// Files up to this size are read whole, in one read; larger ones (CJK fonts of tens of
// megabytes, of which a few tables are needed) through the stream.
constexpr qint64 wholeFileLimit = 8 * 1024 * 1024;

class FaceHandle {
public:
    explicit FaceHandle(const Face &face) : m_file(face.file)
    {
        if (!library() || !face.isValid() || !m_file.open(QIODevice::ReadOnly))
            return;
        if (m_file.size() <= wholeFileLimit) {
            m_bytes = m_file.readAll();
            m_file.close();
            if (FT_New_Memory_Face(library(),
                                   reinterpret_cast<const FT_Byte *>(m_bytes.constData()),
                                   FT_Long(m_bytes.size()), face.index, &m_face) != 0)
                m_face = nullptr;
            return;
        }
        m_stream.size = static_cast<unsigned long>(m_file.size());
        m_stream.pos = 0;
        m_stream.descriptor.pointer = &m_file;
        m_stream.read = readStream;
        m_stream.close = nullptr;
        FT_Open_Args args{};
        args.flags = FT_OPEN_STREAM;
        args.stream = &m_stream;
        if (FT_Open_Face(library(), &args, face.index, &m_face) != 0)
            m_face = nullptr;
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
    QFile m_file;
    // The whole file, for FreeType to read from memory; it outlives the face.
    QByteArray m_bytes;
    FT_StreamRec m_stream{};
    FT_Face m_face = nullptr;
};

struct Indexed {
    Face face;
    int preference = -1;
    bool slanted = false; // some face is italic or oblique
    bool bitmap = false;  // some face has no outlines
};

#ifdef KERNCRAFT_HAS_FONTCONFIG
// Upright regular OpenType or TrueType faces first, as the font database draws them.
int preference(FcPattern *font)
{
    int score = 0;
    FcChar8 *format = nullptr;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) == FcResultMatch &&
        (qstrcmp(reinterpret_cast<const char *>(format), "TrueType") == 0 ||
         qstrcmp(reinterpret_cast<const char *>(format), "CFF") == 0))
        score += 2;
    int slant = 0;
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    if (slant == FC_SLANT_ROMAN && (weight == FC_WEIGHT_REGULAR || weight == FC_WEIGHT_BOOK))
        score += 4;
    return score;
}

// The installed fonts as fontconfig lists them (from its cache, without opening the files),
// under every family name each one carries.
QHash<QString, Indexed> buildIndex()
{
    QHash<QString, Indexed> index;
    FcPattern *all = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_SLANT, FC_WEIGHT,
                                            FC_FONTFORMAT, FC_OUTLINE, nullptr);
    FcFontSet *fonts = FcFontList(nullptr, all, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcPattern *font = fonts->fonts[i];
        FcChar8 *file = nullptr;
        int faceIndex = 0;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch)
            continue;
        FcPatternGetInteger(font, FC_INDEX, 0, &faceIndex);
        const Face face{QFile::decodeName(reinterpret_cast<const char *>(file)),
                        faceIndex & 0xFFFF};
        int slant = FC_SLANT_ROMAN;
        FcBool outline = FcTrue;
        FcPatternGetInteger(font, FC_SLANT, 0, &slant);
        FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
        FcChar8 *family = nullptr;
        for (int n = 0; FcPatternGetString(font, FC_FAMILY, n, &family) == FcResultMatch; ++n) {
            Indexed &entry =
                index[QString::fromUtf8(reinterpret_cast<const char *>(family)).toCaseFolded()];
            if (preference(font) > entry.preference) {
                entry.face = face;
                entry.preference = preference(font);
            }
            entry.slanted = entry.slanted || slant != FC_SLANT_ROMAN;
            entry.bitmap = entry.bitmap || !outline;
        }
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    return index;
}
#else
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

// Without fontconfig the font folders are read, every face opened once.
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
                if (preference(face) > entry.preference) {
                    entry.face = {file, i};
                    entry.preference = preference(face);
                }
                entry.slanted = entry.slanted || (face->style_flags & FT_STYLE_FLAG_ITALIC);
                entry.bitmap = entry.bitmap || !FT_IS_SCALABLE(face);
            }
        }
    }
    return index;
}
#endif

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

// The order of Qt's font engine: a Unicode map, else an Apple Roman or Latin-1 map, else the
// map FreeType chose on opening; then the first symbol map (Windows or a Type 1 font's own).
bool coversPrivateCodes(FT_Face face)
{
    FT_CharMap text = nullptr;
    FT_CharMap symbol = nullptr;
    for (int i = 0; i < face->num_charmaps; ++i) {
        FT_CharMap map = face->charmaps[i];
        switch (map->encoding) {
        case FT_ENCODING_UNICODE:
            text = map;
            break;
        case FT_ENCODING_APPLE_ROMAN:
        case FT_ENCODING_ADOBE_LATIN_1:
            if (!text || text->encoding != FT_ENCODING_UNICODE)
                text = map;
            break;
        case FT_ENCODING_ADOBE_CUSTOM:
        case FT_ENCODING_MS_SYMBOL:
            if (!symbol)
                symbol = map;
            break;
        default:
            break;
        }
    }
    for (FT_CharMap map : {text ? text : face->charmap, symbol}) {
        if (!map || FT_Set_Charmap(face, map) != 0)
            continue;
        for (FT_ULong code = 0x20; code <= 0xFF; ++code) {
            if (FT_Get_Char_Index(face, 0xF000 + code) != 0)
                return true;
        }
    }
    return false;
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

// The installed fonts by folded family name, indexed on first use.
Indexed indexed(const QString &family)
{
    static QMutex guard;
    static QHash<QString, Indexed> index;
    static bool built = false;
    const QMutexLocker lock(&guard);
    if (!built) {
        index = buildIndex();
        built = true;
    }
    return index.value(family.toCaseFolded());
}

} // namespace

Face faceOf(const QString &family)
{
    return indexed(family).face;
}

bool hasOnlyUprightOutlines(const QString &family)
{
    const Indexed entry = indexed(family);
    return entry.face.isValid() && !entry.slanted && !entry.bitmap;
}

namespace {

QList<QByteArray> namesOf(FT_Face ft, int first, int last)
{
    QList<QByteArray> names(codeCount);
    if (!ft || !FT_HAS_GLYPH_NAMES(ft))
        return names;
    char buffer[128];
    for (int code = first; code <= last; ++code) {
        const FT_UInt glyph = glyphOf(ft, code);
        if (glyph && FT_Get_Glyph_Name(ft, glyph, buffer, sizeof buffer) == 0)
            names[code] = QByteArray(buffer);
    }
    return names;
}

} // namespace

QList<QByteArray> namesByCode(const Face &face)
{
    const FaceHandle handle(face);
    return namesOf(handle.get(), 0, codeCount - 1);
}

SymbolClues symbolClues(const Face &face)
{
    const FaceHandle handle(face);
    FT_Face ft = handle.get();
    if (!ft)
        return {false, false, false, namesOf(nullptr, 0, 0)};
    // Before the names are looked up, which choose other maps.
    const bool privateRange = coversPrivateCodes(ft);
    return {true, charmapWith(ft, FT_ENCODING_MS_SYMBOL) != nullptr, privateRange,
            namesOf(ft, 0x21, 0x7E)};
}

bool hasSymbolMap(const Face &face)
{
    const FaceHandle handle(face);
    return handle.get() && charmapWith(handle.get(), FT_ENCODING_MS_SYMBOL);
}

QList<char32_t> codePoints(const Face &face)
{
    QList<char32_t> covered;
    const FaceHandle handle(face);
    FT_Face ft = handle.get();
    if (!ft || FT_Select_Charmap(ft, FT_ENCODING_UNICODE) != 0)
        return covered;
    FT_UInt glyph = 0;
    for (FT_ULong c = FT_Get_First_Char(ft, &glyph); glyph != 0;
         c = FT_Get_Next_Char(ft, c, &glyph))
        covered.append(char32_t(c));
    // FreeType walks most maps in order; a format that does not is put in order here.
    std::sort(covered.begin(), covered.end());
    covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
    return covered;
}

bool fileShrank(const Face &face)
{
    if (!face.isValid())
        return false;
    static QMutex guard;
    static QHash<QString, qint64> firstSizes;
    const QMutexLocker lock(&guard);
    const QFileInfo file(face.file);
    const qint64 now = file.exists() ? file.size() : 0;
    const auto first = firstSizes.constFind(face.file);
    if (first == firstSizes.constEnd()) {
        firstSizes.insert(face.file, now);
        return now == 0;
    }
    return now < *first;
}

} // namespace FontGlyphNames
