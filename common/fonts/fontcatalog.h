// The installed screen fonts: a count and a family name by position, stable during a run.
#pragma once

#include <QString>
#include <QStringList>

class FontCatalog {
public:
    virtual ~FontCatalog() = default;
    virtual int count() const = 0;
    // The family at a position 0 .. count() - 1; an empty string outside that range.
    virtual QString name(int index) const = 0;
    // Whether the font's character map is a symbol encoding (dingbats, symbol sets): its
    // letters draw pictures, whatever its name says.
    virtual bool isSymbolFont(int index) const;
    // Whether the family (named without regard to case) has a glyph of its own for every
    // one of the characters, as its character map says: no other font stands in for a
    // missing glyph. A catalog that knows no character maps answers true, so that nothing
    // is hidden on its word.
    virtual bool hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const;
    // The characters of a text that a font must have to write it: blanks and control and
    // format characters need no glyph; each character once.
    static QList<char32_t> requiredCharacters(const QString &text);
    // An installed text font with glyphs for all the characters, the one the platform
    // itself would draw them with where it says; with `emoji` only a colour emoji font.
    // Empty when no such font has them all. This catalog's answer: the first listed text
    // font that has them (for emoji, with "emoji" in its name).
    virtual QString fallbackFamily(const QList<char32_t> &characters, bool emoji) const;
    // The installed family that the platform puts in place of a font that is not installed
    // and has the same metrics (Liberation Sans for Arial); empty when there is none.
    virtual QString metricAlias(const QString &family) const;
    QStringList names() const;
    QStringList symbolFontNames() const;
};
