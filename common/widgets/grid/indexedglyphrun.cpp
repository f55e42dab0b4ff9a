// Laying out glyphs by index: see indexedglyphrun.h.
#include "widgets/grid/indexedglyphrun.h"

#include <QPainter>

#include <algorithm>

IndexedGlyphRun::IndexedGlyphRun(const QRawFont &font, const QString &text)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QPointF at(m_width, 0);
        positions.append(at);
        const QRectF ink = font.boundingRect(glyphs[i]);
        if (!ink.isEmpty())
            m_ink = m_ink.isEmpty() ? ink.translated(at) : m_ink.united(ink.translated(at));
        m_width += advances.value(i).x();
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

IndexedGlyphRun::Placement IndexedGlyphRun::placeIn(const QRectF &box, qreal baseline,
                                                    Qt::Alignment horizontal) const
{
    if (m_ink.isEmpty())
        return {QPointF(box.center().x() - m_width / 2, baseline), 1};
    const qreal scale =
        std::min({qreal(1), box.width() / m_ink.width(), box.height() / m_ink.height()});
    qreal x = box.center().x() - (m_ink.left() + m_ink.width() / 2) * scale;
    if (horizontal & Qt::AlignLeft)
        x = box.left() - m_ink.left() * scale;
    else if (horizontal & Qt::AlignRight)
        x = box.right() - m_ink.right() * scale;
    qreal y = baseline;
    if (scale < 1) {
        // A glyph scaled down is centred by its ink both ways.
        y = box.center().y() - (m_ink.top() + m_ink.height() / 2) * scale;
    } else if (y + m_ink.top() < box.top()) {
        y = box.top() - m_ink.top();
    } else if (y + m_ink.bottom() > box.bottom()) {
        y = box.bottom() - m_ink.bottom();
    }
    return {QPointF(x, y), scale};
}

void IndexedGlyphRun::draw(QPainter &painter, const QRectF &box, qreal baseline, const QRectF &clip,
                           Qt::Alignment horizontal) const
{
    const Placement at = placeIn(box, baseline, horizontal);
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.translate(at.origin);
    painter.scale(at.scale, at.scale);
    painter.drawGlyphRun(QPointF(0, 0), m_run);
    painter.restore();
}
