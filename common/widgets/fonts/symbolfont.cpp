// Symbol-encoded fonts: see symbolfont.h.
#include "widgets/fonts/symbolfont.h"

#include "encoding/cp1252.h"
#include "fonts/symbolequivalents.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/publishedmappings.h"

#include <QHash>
#include <QRawFont>

#include <algorithm>

namespace SymbolFont {

namespace {

struct FamilyInfo {
    bool symbol = false;
    // The font's map covers U+F000 + code (Windows symbol fonts) rather than the code itself.
    bool privateRange = false;
};

QRawFont rawFont(const QString &family)
{
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(font);
}

// Whether the font Qt draws the family with has a glyph at any of U+F020..U+F0FF.
bool qtCoversPrivateCodes(const QString &family)
{
    const QRawFont raw = rawFont(family);
    if (!raw.isValid())
        return false;
    for (uint code = 0x20; code <= 0xFF; ++code) {
        if (raw.supportsCharacter(0xF000 + code))
            return true;
    }
    return false;
}

FamilyInfo info(const QString &family)
{
    static QHash<QString, FamilyInfo> cache;
    const auto found = cache.constFind(family);
    if (found != cache.constEnd())
        return *found;

    FamilyInfo result;
    if (!family.isEmpty()) {
        // The installed file's own maps answer, read as Qt's engine reads them: asking Qt
        // itself loads the font, and fontconfig then compares it with every installed font,
        // which thousands of fonts at start-up cannot afford. A family without a readable
        // file of its own is asked through Qt, which draws it with whatever stands in.
        const FontGlyphNames::SymbolClues clues =
            FontGlyphNames::symbolClues(FontGlyphNames::faceOf(family));
        result.privateRange = clues.read ? clues.privateRange : qtCoversPrivateCodes(family);
        // What the font holds decides, whatever its file format: a Windows symbol map, or
        // glyph names that say its codes draw something other than their characters. A font
        // that merely lacks some characters stays a text font.
        result.symbol = result.privateRange || clues.symbolMap ||
                        SymbolEquivalents::namesSaySymbol(clues.names);
    }
    cache.insert(family, result);
    return result;
}

} // namespace

bool isSymbolEncoded(const QString &family)
{
    return info(family).symbol;
}

QFont drawingFont(const QFont &font)
{
    if (!isSymbolEncoded(font.family()))
        return font;
    QFont symbol = font;
    symbol.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    return symbol;
}

QString displayText(const QString &family, const QString &text)
{
    const FamilyInfo font = info(family);
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (!font.symbol) {
            shown.append(c.category() == QChar::Other_Control ? QChar(u' ') : c);
            continue;
        }
        const auto code = Cp1252::fromUnicode(c);
        if (!code) {
            shown.append(c);
            continue;
        }
        shown.append(font.privateRange ? QChar(char16_t(0xF000 + *code)) : QChar(char16_t(*code)));
    }
    return shown;
}

bool hasGlyph(const QString &family, QChar character)
{
    return hasGlyph(family, char32_t(character.unicode()));
}

bool hasGlyph(const QString &family, char32_t character)
{
    static QHash<QString, QRawFont> fonts;
    auto found = fonts.constFind(family);
    if (found == fonts.constEnd())
        found = fonts.insert(family, rawFont(family));
    // A text font draws nothing for the codes Windows-1252 leaves undefined.
    if (!isSymbolEncoded(family) && QChar::category(character) == QChar::Other_Control)
        return false;
    if (!found->isValid())
        return false;
    if (character > 0xFFFF)
        return found->supportsCharacter(uint(character));
    const QString shown = displayText(family, QString(QChar(char16_t(character))));
    return !shown.isEmpty() && found->supportsCharacter(shown.at(0));
}

qreal widestGlyph(const QFont &font, const QString &characters)
{
    const QRawFont raw = QRawFont::fromFont(drawingFont(font));
    if (!raw.isValid())
        return 0;
    const QList<quint32> glyphs = raw.glyphIndexesForString(displayText(font.family(), characters));
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    qreal widest = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QRectF ink = raw.boundingRect(glyphs[i]);
        widest = std::max({widest, advances.value(i).x(), ink.right(), ink.width()});
    }
    return widest;
}

QStringList equivalents(const QString &family)
{
    static QHash<QString, QStringList> cache;
    const auto found = cache.constFind(family);
    if (found != cache.constEnd())
        return *found;
    QStringList result = SymbolEquivalents::ofTextFont();
    if (isSymbolEncoded(family)) {
        const QStringList fromNames = SymbolEquivalents::fromGlyphNames(
            FontGlyphNames::namesByCode(FontGlyphNames::faceOf(family)));
        result =
            SymbolEquivalents::withPublishedTable(fromNames, PublishedMappings::forFamily(family));
    }
    cache.insert(family, result);
    return result;
}

} // namespace SymbolFont
