// Installed fonts: see fontcatalog.h.
#include "fonts/fontcatalog.h"

bool FontCatalog::isSymbolFont(int) const
{
    return false;
}

bool FontCatalog::hasGlyphsFor(const QString &, const QList<char32_t> &) const
{
    return true;
}

QString FontCatalog::metricAlias(const QString &) const
{
    return {};
}

QList<char32_t> FontCatalog::requiredCharacters(const QString &text)
{
    QList<char32_t> required;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Control ||
            category == QChar::Other_Format || required.contains(c))
            continue;
        required.append(c);
    }
    return required;
}

QString FontCatalog::fallbackFamily(const QList<char32_t> &characters, bool emoji) const
{
    const int n = count();
    for (int i = 0; i < n; ++i) {
        const QString family = name(i);
        if (emoji && !family.contains(QLatin1String("emoji"), Qt::CaseInsensitive))
            continue;
        if (!isSymbolFont(i) && hasGlyphsFor(family, characters))
            return family;
    }
    return {};
}

QStringList FontCatalog::symbolFontNames() const
{
    QStringList symbols;
    const int n = count();
    for (int i = 0; i < n; ++i) {
        if (isSymbolFont(i))
            symbols.append(name(i));
    }
    return symbols;
}

QStringList FontCatalog::names() const
{
    QStringList all;
    const int n = count();
    all.reserve(n);
    for (int i = 0; i < n; ++i)
        all.append(name(i));
    return all;
}
