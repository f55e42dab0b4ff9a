// The large preview: see glyphpreview.h.
#include "glyphpreview.h"

#include "indexedglyphrun.h"

#include <QApplication>
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
    const IndexedGlyphRun line(raw, text());
    const QRectF box = rect();
    painter.setClipRect(rect());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawGlyphRun(QPointF(box.center().x() - line.width() / 2, line.baselineIn(box)),
                         line.run());
}
