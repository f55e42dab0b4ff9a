// Installed fonts: see qtfontcatalog.h.
#include "widgets/fonts/qtfontcatalog.h"

#include "fonts/sortednames.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/symbolfont.h"
#include "widgets/fonts/webfontaliases.h"

#include <QFont>
#include <QFontDatabase>
#include <QSet>
#include <optional>

#ifdef KERNCRAFT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

QtFontCatalog::QtFontCatalog()
{
    QStringList families = QFontDatabase::families();
    families.removeIf(isGenericAlias);
    m_names = SortedNames::sorted(familyNames(families));
    m_symbol.resize(m_names.size());
}

int QtFontCatalog::count() const
{
    return int(m_names.size());
}

QString QtFontCatalog::name(int index) const
{
    return m_names.value(index);
}

bool QtFontCatalog::isSymbolFont(int index) const
{
    if (index < 0 || index >= m_symbol.size())
        return false;
    // Asked when first needed: the answer reads the font's own file (SymbolFont).
    if (!m_symbol[index])
        m_symbol[index] = SymbolFont::isSymbolEncoded(m_names[index]);
    return *m_symbol[index];
}

QString QtFontCatalog::installedName(const QString &family) const
{
    if (m_namesByFolded.isEmpty()) {
        for (const QString &name : m_names)
            m_namesByFolded.insert(name.toCaseFolded(), name);
    }
    return m_namesByFolded.value(family.toCaseFolded());
}

QtFontCatalog::CharacterMap &QtFontCatalog::characterMap(const QString &family) const
{
    const QString folded = family.toCaseFolded();
    auto found = m_maps.find(folded);
    if (found != m_maps.end())
        return *found;
    CharacterMap map;
    const QString installed = installedName(family);
    // Only installed families are asked: for any other name the font database would
    // answer with a stand-in family, whose glyphs say nothing about the named one. An
    // alias among the installed families (Sans Serif) answers for the font it draws with.
    map.installed = installed;
    return *m_maps.insert(folded, map);
}

QRawFont QtFontCatalog::rawFont(const QString &installed)
{
    QFont font(installed);
    font.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(font);
}

bool QtFontCatalog::hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const
{
    CharacterMap &map = characterMap(family);
    if (map.installed.isEmpty())
        return characters.isEmpty();
    std::optional<QRawFont> font; // loaded only for characters not asked before
    for (const char32_t c : characters) {
        auto known = map.known.find(c);
        if (known == map.known.end()) {
            if (!font)
                font = rawFont(map.installed);
            if (!font->isValid()) {
                map.installed.clear(); // nothing to ask, now or later
                return characters.isEmpty();
            }
            known = map.known.insert(c, font->supportsCharacter(uint(c)));
        }
        if (!*known)
            return false;
    }
    return true;
}

QString QtFontCatalog::fallbackFamily(const QList<char32_t> &characters, bool emoji) const
{
    QString key = QString::fromUcs4(characters.constData(), characters.size());
    if (emoji)
        key.prepend(QChar(0xFFFC));
    const auto known = m_fallbacks.constFind(key);
    if (known != m_fallbacks.cend())
        return *known;
    QString family = platformFallback(characters, emoji);
#ifndef KERNCRAFT_HAS_FONTCONFIG
    if (family.isEmpty())
        family = FontCatalog::fallbackFamily(characters, emoji);
#endif
    m_fallbacks.insert(key, family);
    return family;
}

QString QtFontCatalog::platformFallback(const QList<char32_t> &characters, bool colourOnly) const
{
#ifdef KERNCRAFT_HAS_FONTCONFIG
    FcPattern *pattern = FcPatternCreate();
    FcCharSet *set = FcCharSetCreate();
    for (const char32_t c : characters)
        FcCharSetAddChar(set, FcChar32(c));
    FcPatternAddCharSet(pattern, FC_CHARSET, set);
    if (colourOnly) {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>("emoji"));
        FcPatternAddBool(pattern, FC_COLOR, FcTrue);
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet *sorted = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    QString found;
    for (int i = 0; sorted && i < sorted->nfont && found.isEmpty(); ++i) {
        FcBool colour = FcFalse;
        if (colourOnly &&
            (FcPatternGetBool(sorted->fonts[i], FC_COLOR, 0, &colour) != FcResultMatch || !colour))
            continue;
        FcChar8 *name = nullptr;
        if (FcPatternGetString(sorted->fonts[i], FC_FAMILY, 0, &name) != FcResultMatch)
            continue;
        // The platform's answer is checked against the character map like any other, and
        // must be a text font of this catalog: the RTF and HTML name it.
        const QString family = installedName(QString::fromUtf8(reinterpret_cast<char *>(name)));
        const int index = int(m_names.indexOf(family));
        if (!family.isEmpty() && !isSymbolFont(index) && hasGlyphsFor(family, characters))
            found = family;
    }
    if (sorted)
        FcFontSetDestroy(sorted);
    FcCharSetDestroy(set);
    FcPatternDestroy(pattern);
    return found;
#else
    Q_UNUSED(characters);
    Q_UNUSED(colourOnly);
    return {};
#endif
}

QString QtFontCatalog::familyName(const QString &qtFamily)
{
    if (qtFamily.endsWith(u']')) {
        const qsizetype open = qtFamily.lastIndexOf(QStringLiteral(" ["));
        if (open > 0)
            return qtFamily.left(open);
    }
    return qtFamily;
}

QStringList QtFontCatalog::familyNames(const QStringList &qtFamilies)
{
    QStringList names;
    QSet<QString> seen;
    for (const QString &family : qtFamilies) {
        const QString name = familyName(family);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        names.append(name);
    }
    return names;
}

bool QtFontCatalog::isGenericAlias(const QString &qtFamily)
{
    static const QStringList generic{QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                     QStringLiteral("Monospace")};
    // A real family of that name is an installed file's. Asking Qt which font it resolves
    // to would have it rank every installed family for the alias, which with thousands of
    // fonts costs more than the rest of the list.
    return generic.contains(qtFamily) && !FontGlyphNames::faceOf(qtFamily).isValid();
}

QString QtFontCatalog::metricAlias(const QString &family) const
{
    return WebFontAliases::metricAlias(family);
}
