// A font list given by the test.
#pragma once

#include "fontcatalog.h"

class FakeFontCatalog : public FontCatalog {
public:
    explicit FakeFontCatalog(QStringList names = {}) : m_names(std::move(names)) {}
    void setNames(const QStringList &names) { m_names = names; }
    // Names that report a symbol character map.
    void setSymbolFonts(const QStringList &names) { m_symbols = names; }
    int count() const override;
    QString name(int index) const override;
    bool isSymbolFont(int index) const override;

private:
    QStringList m_names;
    QStringList m_symbols;
};
