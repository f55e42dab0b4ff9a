// Laying out glyphs by index: see indexedglyphrun.h.
#include "indexedglyphrun.h"

IndexedGlyphRun::IndexedGlyphRun(const QRawFont &font, const QString &text)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    for (const QPointF &advance : advances) {
        positions.append(QPointF(m_width, 0));
        m_width += advance.x();
    }
    m_run.setRawFont(font);
    m_run.setGlyphIndexes(glyphs);
    m_run.setPositions(positions);
}

qreal IndexedGlyphRun::baselineIn(const QRectF &box) const
{
    const QRawFont font = m_run.rawFont();
    return box.top() + (box.height() - font.ascent() - font.descent()) / 2 + font.ascent();
}
