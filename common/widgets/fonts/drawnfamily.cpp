// The family a name is drawn with: see drawnfamily.h.
#include "widgets/fonts/drawnfamily.h"

#include "widgets/fonts/fontglyphnames.h"

#include <QHash>

#ifdef KERNCRAFT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace DrawnFamily {

namespace {

#ifdef KERNCRAFT_HAS_FONTCONFIG
// The pattern is the one Qt's fallback list sorts by: the name and the slant, completed by the
// configuration's rules and defaults; the best match heads that sorted list.
QString bestMatch(const QString &family, QFont::Style style)
{
    FcPattern *pattern = FcPatternCreate();
    if (!pattern)
        return {};
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.constData()));
    int slant = FC_SLANT_ROMAN;
    if (style == QFont::StyleItalic)
        slant = FC_SLANT_ITALIC;
    else if (style == QFont::StyleOblique)
        slant = FC_SLANT_OBLIQUE;
    FcPatternAddInteger(pattern, FC_SLANT, slant);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    QString found;
    FcChar8 *matched = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch)
        found = QString::fromUtf8(reinterpret_cast<const char *>(matched));
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return found;
}
#endif

} // namespace

QString of(const QString &family, QFont::Style style)
{
    if (family.isEmpty() || FontGlyphNames::faceOf(family).isValid())
        return family;
#ifdef KERNCRAFT_HAS_FONTCONFIG
    static QHash<QString, QString> known; // by the style's number and the name
    const QString key = QString::number(int(style)) + family;
    auto found = known.constFind(key);
    if (found == known.constEnd()) {
        const QString match = bestMatch(family, style);
        found = known.insert(key, match.isEmpty() ? family : match);
    }
    return *found;
#else
    return family;
#endif
}

QFont resolved(const QFont &font)
{
    const QString family = of(font.family(), font.style());
    if (family == font.family())
        return font;
    QFont drawn = font;
    drawn.setFamilies({family});
    return drawn;
}

} // namespace DrawnFamily
