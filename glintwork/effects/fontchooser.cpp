// Fonts that have the glyph: see fontchooser.h.
#include "effects/fontchooser.h"

#include "core/randomsource.h"
#include "fonts/fontcatalog.h"

namespace {

bool isVariationSelector(char32_t c)
{
    return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) ||
           (c >= 0x180B && c <= 0x180D);
}

} // namespace

void FontChooser::begin(const FontCatalog *catalog, const QStringList &pool,
                        const QList<bool> &textFont)
{
    m_catalog = catalog;
    m_pool = pool;
    m_coverage.clear();
    m_fallbacks.clear();
    const qsizetype n = pool.size();
    bool anyText = false;
    for (qsizetype i = 0; i < n; ++i)
        anyText = anyText || textFont.value(i, true);
    // Only symbol fonts selected: the user asked for dingbats, and gets them.
    m_symbolOnly = n > 0 && !anyText;
    m_usable = QBitArray(n);
    for (qsizetype i = 0; i < n; ++i)
        m_usable.setBit(i, m_symbolOnly || textFont.value(i, true));
}

QList<char32_t> FontChooser::required(const QString &text)
{
    QList<char32_t> needed;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Control ||
            category == QChar::Other_Format || isVariationSelector(c) || needed.contains(c))
            continue;
        needed.append(c);
    }
    return needed;
}

bool FontChooser::isEmoji(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c == 0xFE0F || c == 0x20E3 || (c >= 0x1F000 && c <= 0x1FAFF))
            return true;
    }
    return false;
}

const QBitArray &FontChooser::coverage(char32_t c)
{
    auto found = m_coverage.constFind(c);
    if (found != m_coverage.cend())
        return *found;
    QBitArray has(m_pool.size());
    const QList<char32_t> one{c};
    for (qsizetype i = 0; i < m_pool.size(); ++i)
        has.setBit(i, m_catalog->hasGlyphsFor(m_pool[i], one));
    return *m_coverage.insert(c, has);
}

bool FontChooser::canDraw(const QString &face, const QString &text) const
{
    return !m_catalog || m_catalog->hasGlyphsFor(face, required(text));
}

QString FontChooser::fallback(const QList<char32_t> &needed, bool emoji)
{
    QString key = QString::fromUcs4(needed.constData(), needed.size());
    if (emoji)
        key.prepend(QChar(0xFFFC));
    auto found = m_fallbacks.constFind(key);
    if (found == m_fallbacks.cend())
        found = m_fallbacks.insert(key, m_catalog->fallbackFamily(needed, emoji).toUpper());
    return *found;
}

int FontChooser::pick(const QBitArray &usable, qsizetype g, bool alternate,
                      RandomSource &random) const
{
    const qsizetype n = usable.size();
    const qsizetype count = usable.count(true);
    if (count == 0)
        return -1;
    if (alternate) {
        // The next selected font in turn that can draw it.
        for (qsizetype k = 0; k < n; ++k) {
            const qsizetype i = (g + k) % n;
            if (usable.testBit(i))
                return int(i);
        }
    }
    qsizetype nth = random.below(int(count));
    for (qsizetype i = 0; i < n; ++i) {
        if (usable.testBit(i) && nth-- == 0)
            return int(i);
    }
    return -1;
}

QString FontChooser::choose(const QString &text, int designIndex, const QString &designFace,
                            qsizetype g, bool alternate, RandomSource &random)
{
    if (!m_catalog)
        return designFace;
    // One character of the first plane, the common case: answered without building the
    // lists below when its design face draws it (what required() and the coverage say).
    if (text.size() == 1 && !text[0].isSurrogate() && text[0] != QChar(0x20E3) &&
        designIndex >= 0) {
        const char32_t c = text[0].unicode();
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Control ||
            category == QChar::Other_Format || isVariationSelector(c))
            return designFace;
        if (m_symbolOnly)
            return designFace;
        const QBitArray &has = coverage(c);
        if (designIndex < m_usable.size() && m_usable.testBit(designIndex) &&
            has.testBit(designIndex))
            return designFace;
    }
    const QList<char32_t> needed = required(text);
    if (needed.isEmpty())
        return designFace;
    const bool emoji = isEmoji(text);
    if (emoji) {
        // Emoji are drawn in colour wherever a colour emoji font is installed, whatever
        // the selection.
        const QString colour = fallback(needed, true);
        if (!colour.isEmpty())
            return colour;
    }
    if (m_symbolOnly)
        return designFace;
    if (designIndex < 0) {
        if (m_catalog->hasGlyphsFor(designFace, needed))
            return designFace;
    } else {
        QBitArray usable = m_usable;
        for (const char32_t c : needed)
            usable &= coverage(c);
        if (designIndex < usable.size() && usable.testBit(designIndex))
            return designFace;
        const int other = pick(usable, g, alternate, random);
        if (other >= 0)
            return m_pool[other];
    }
    const QString installed = fallback(needed, false);
    return installed.isEmpty() ? designFace : installed;
}
