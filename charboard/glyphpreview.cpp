// The large preview: see glyphpreview.h.
#include "glyphpreview.h"

#include <QApplication>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QStyleOptionFrame>

GlyphPreview::GlyphPreview(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
}

void GlyphPreview::setMissing(bool missing)
{
    if (m_missing == missing)
        return;
    m_missing = missing;
    update();
}

void GlyphPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    if (m_missing) {
        painter.setFont(QApplication::font(this));
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("not in this font"));
        return;
    }
    drawGlyphs(painter);
}

void GlyphPreview::drawGlyphs(QPainter &painter)
{
    const QRawFont raw = QRawFont::fromFont(font());
    if (!raw.isValid() || text().isEmpty())
        return;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text());
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    qreal width = 0;
    for (const QPointF &advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    const QRectF box = rect();
    const qreal baseline =
        box.top() + (box.height() - raw.ascent() - raw.descent()) / 2 + raw.ascent();
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawGlyphRun(QPointF(box.center().x() - width / 2, baseline), run);
}
