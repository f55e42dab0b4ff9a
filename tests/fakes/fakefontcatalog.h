// A font list given by the test.
#pragma once

#include "fontcatalog.h"

#include <QHash>

class FakeFontCatalog : public FontCatalog {
public:
    explicit FakeFontCatalog(QStringList names = {}) : m_names(std::move(names)) {}
    void setNames(const QStringList &names) { m_names = names; }
    // Names that report a symbol character map.
    void setSymbolFonts(const QStringList &names) { m_symbols = names; }
    // The characters a family has glyphs for; a family not given here has them all.
    void setGlyphs(const QString &family, const QString &characters)
    {
        m_glyphs.insert(family.toCaseFolded(), characters);
    }
    int count() const override;
    QString name(int index) const override;
    bool isSymbolFont(int index) const override;
    bool hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const override;

private:
    QStringList m_names;
    QStringList m_symbols;
    QHash<QString, QString> m_glyphs;
};
