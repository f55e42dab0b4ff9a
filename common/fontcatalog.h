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
    QStringList names() const;
    QStringList symbolFontNames() const;
};
