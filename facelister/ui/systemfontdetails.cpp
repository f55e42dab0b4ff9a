// Installed fonts' details: see systemfontdetails.h.
#include "ui/systemfontdetails.h"

#include <QFile>
#include <QFontDatabase>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

#ifdef KERNCRAFT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

// A font file larger than this is not read for its names.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

void addOnce(QStringList &list, const QString &value)
{
    if (!value.isEmpty() && !list.contains(value))
        list.append(value);
}

QString decodeName(const FT_SfntName &name)
{
    const auto *bytes = reinterpret_cast<const char *>(name.string);
    if (name.platform_id == TT_PLATFORM_MICROSOFT ||
        name.platform_id == TT_PLATFORM_APPLE_UNICODE) {
        QString text;
        for (FT_UInt i = 0; i + 1 < name.string_len; i += 2)
            text += QChar(char16_t((uchar(bytes[i]) << 8) | uchar(bytes[i + 1])));
        return text;
    }
    return QString::fromLatin1(bytes, int(name.string_len));
}

// How well a name record suits: English on Windows first, then any Windows or Unicode
// record, then the others.
int preference(const FT_SfntName &name)
{
    if (name.platform_id == TT_PLATFORM_MICROSOFT)
        return name.language_id == TT_MS_LANGID_ENGLISH_UNITED_STATES ? 3 : 2;
    if (name.platform_id == TT_PLATFORM_APPLE_UNICODE)
        return 2;
    return 1;
}

struct NameStrings {
    QString version;
    QString manufacturer;
    QString designer;
    QString licence;
    QString licenceAddress;
};

// The name table's strings of one face of a file, read from memory so that a damaged or
// shortened file cannot take FreeType past its end.
NameStrings readNames(const QString &path, int faceIndex)
{
    NameStrings strings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile)
        return strings;
    const QByteArray data = file.readAll();
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return strings;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte *>(data.constData()),
                           FT_Long(data.size()), faceIndex, &face) == 0) {
        QString *fields[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
        int best[5] = {0, 0, 0, 0, 0};
        const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
        for (FT_UInt i = 0; i < count; ++i) {
            FT_SfntName name;
            if (FT_Get_Sfnt_Name(face, i, &name) != 0)
                continue;
            int slot = -1;
            switch (name.name_id) {
            case TT_NAME_ID_VERSION_STRING:
                slot = 0;
                fields[0] = &strings.version;
                break;
            case TT_NAME_ID_MANUFACTURER:
                slot = 1;
                fields[1] = &strings.manufacturer;
                break;
            case TT_NAME_ID_DESIGNER:
                slot = 2;
                fields[2] = &strings.designer;
                break;
            case TT_NAME_ID_LICENSE:
                slot = 3;
                fields[3] = &strings.licence;
                break;
            case TT_NAME_ID_LICENSE_URL:
                slot = 4;
                fields[4] = &strings.licenceAddress;
                break;
            default:
                break;
            }
            if (slot < 0 || preference(name) <= best[slot])
                continue;
            best[slot] = preference(name);
            *fields[slot] = decodeName(name).trimmed();
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return strings;
}

#ifdef KERNCRAFT_HAS_FONTCONFIG
QString patternString(FcPattern *pattern, const char *object, int n = 0)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || !value)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(value));
}

// The family's name as the font gives it, when one of its names is the one asked for.
QString matchingFamily(FcPattern *pattern, const QString &asked)
{
    for (int n = 0;; ++n) {
        const QString name = patternString(pattern, FC_FAMILY, n);
        if (name.isEmpty())
            return {};
        if (name.compare(asked, Qt::CaseInsensitive) == 0)
            return name;
    }
}

void addLanguages(QStringList &languages, FcPattern *pattern)
{
    FcLangSet *langs = nullptr;
    if (FcPatternGetLangSet(pattern, FC_LANG, 0, &langs) != FcResultMatch || !langs)
        return;
    FcStrSet *set = FcLangSetGetLangs(langs);
    FcStrList *list = FcStrListCreate(set);
    while (FcChar8 *lang = FcStrListNext(list))
        addOnce(languages, QString::fromUtf8(reinterpret_cast<const char *>(lang)));
    FcStrListDone(list);
    FcStrSetDestroy(set);
}

// Fills what fontconfig knows; the first face's file and index for the name table.
void readFontconfig(FontDetails &details, const QString &family, QString &firstFile,
                    int &firstIndex)
{
    FcPattern *asked = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(asked, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.constData()));
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, FC_FONTVERSION,
                                            FC_FOUNDRY, FC_LANG, nullptr);
    FcFontSet *fonts = FcFontList(nullptr, asked, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(asked);
    if (!fonts)
        return;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern *font = fonts->fonts[i];
        const QString matched = matchingFamily(font, family);
        if (matched.isEmpty())
            continue;
        if (details.family.isEmpty())
            details.family = matched;
        addOnce(details.styles, patternString(font, FC_STYLE));
        const QString file = patternString(font, FC_FILE);
        addOnce(details.files, file);
        if (firstFile.isEmpty() && !file.isEmpty()) {
            firstFile = file;
            FcPatternGetInteger(font, FC_INDEX, 0, &firstIndex);
        }
        int version = 0;
        if (details.version.isEmpty() &&
            FcPatternGetInteger(font, FC_FONTVERSION, 0, &version) == FcResultMatch && version > 0)
            details.version = QString::number(version / 65536.0, 'f', 3);
        if (details.foundry.isEmpty()) {
            const QString foundry = patternString(font, FC_FOUNDRY);
            if (foundry != QLatin1String("unknown"))
                details.foundry = foundry;
        }
        addLanguages(details.languages, font);
    }
    FcFontSetDestroy(fonts);
    details.styles.sort(Qt::CaseInsensitive);
    details.files.sort();
    details.languages.sort();
}
#endif

} // namespace

FontDetails SystemFontDetails::details(const QString &family) const
{
    FontDetails details;
    QString firstFile;
    int firstIndex = 0;
#ifdef KERNCRAFT_HAS_FONTCONFIG
    readFontconfig(details, family, firstFile, firstIndex);
#endif
    if (details.family.isEmpty()) {
        const QStringList installed = QFontDatabase::families();
        for (const QString &name : installed) {
            if (name.compare(family, Qt::CaseInsensitive) == 0) {
                details.family = name;
                details.styles = QFontDatabase::styles(name);
                break;
            }
        }
        if (details.family.isEmpty())
            return details;
    }
    for (const QFontDatabase::WritingSystem system :
         QFontDatabase::writingSystems(details.family)) {
        if (system != QFontDatabase::Any)
            addOnce(details.scripts, QFontDatabase::writingSystemName(system));
    }
    if (!firstFile.isEmpty()) {
        const NameStrings names = readNames(firstFile, firstIndex);
        if (!names.version.isEmpty())
            details.version = names.version;
        if (!names.manufacturer.isEmpty())
            details.foundry =
                details.foundry.isEmpty()
                    ? names.manufacturer
                    : names.manufacturer + QStringLiteral(" (") + details.foundry + u')';
        details.designer = names.designer;
        details.licence = names.licence;
        details.licenceAddress = names.licenceAddress;
    }
    return details;
}
