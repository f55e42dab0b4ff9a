// A font list given by the test.
#pragma once

#include "fonts/fontcatalog.h"

#include <QHash>

class FakeFontCatalog : public FontCatalog {
public:
    explicit FakeFontCatalog(QStringList names = {}) : m_names(std::move(names)) {}
    void setNames(const QStringList &names) { m_names = names; }
    // Names that report a symbol character map.
    void setSymbolFonts(const QStringList &names) { m_symbols = names; }
    // Metric aliases: a web font's name and the installed family that stands in for it.
    void setMetricAliases(const QHash<QString, QString> &aliases) { m_aliases = aliases; }
    QString metricAlias(const QString &family) const override { return m_aliases.value(family); }
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
    QHash<QString, QString> m_aliases;
};
