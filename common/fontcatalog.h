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
    QStringList names() const;
    QStringList symbolFontNames() const;
};
