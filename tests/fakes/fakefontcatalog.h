// A font list given by the test.
#pragma once

#include "fontcatalog.h"

class FakeFontCatalog : public FontCatalog {
public:
    explicit FakeFontCatalog(QStringList names = {}) : m_names(std::move(names)) {}
    void setNames(const QStringList &names) { m_names = names; }
    int count() const override;
    QString name(int index) const override;

private:
    QStringList m_names;
};
