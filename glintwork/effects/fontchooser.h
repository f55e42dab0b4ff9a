// Which font draws a unit of text. The design picks a font; this keeps it when the font
// has glyphs for every character the unit needs, else takes another selected font that
// has them, else an installed font that has them (the platform's fallback), so that the
// RTF and HTML name a font that draws the text. Emoji go to a colour emoji font. Symbol
// fonts are not given text while a text font is selected too.
#pragma once

#include <QBitArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class FontCatalog;
class RandomSource;

class FontChooser {
public:
    // Starts a run: the pool's names (upper case) and whether each is a text font. Without
    // a catalog every choice stands as the design made it.
    void begin(const FontCatalog *catalog, const QStringList &pool, const QList<bool> &textFont);
    bool active() const { return m_catalog != nullptr; }

    // The face for `text`, given the design's choice (pool position `designIndex`, or -1
    // for a face from outside the pool). `g` is the unit index the alternate fonts count.
    QString choose(const QString &text, int designIndex, const QString &designFace, qsizetype g,
                   bool alternate, RandomSource &random);
    // Whether a face has glyphs for what the text needs.
    bool canDraw(const QString &face, const QString &text) const;

    // The characters a font must have to write a text: controls, format characters (the
    // joiners among them), blanks and variation selectors need none.
    static QList<char32_t> required(const QString &text);
    // Pictographs, flags, keycaps and anything asking for emoji presentation.
    static bool isEmoji(const QString &text);

private:
    const QBitArray &coverage(char32_t c);
    QString fallback(const QList<char32_t> &needed, bool emoji);
    int pick(const QBitArray &usable, qsizetype g, bool alternate, RandomSource &random) const;

    const FontCatalog *m_catalog = nullptr;
    QStringList m_pool;
    QBitArray m_usable; // pool fonts that may take text
    bool m_symbolOnly = false;
    // For the run: per character, which pool fonts have it; per needed set, the fallback.
    QHash<char32_t, QBitArray> m_coverage;
    QHash<QString, QString> m_fallbacks;
};
