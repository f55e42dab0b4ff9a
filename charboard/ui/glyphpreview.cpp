// The large preview: see glyphpreview.h.
#include "ui/glyphpreview.h"

#include "widgets/grid/indexedglyphrun.h"

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
                         tr("not in this font"));
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
    // Inside the frame, with a little room: the glyph is fitted by its ink, so a tall accent
    // or a wide symbol shows whole rather than cut by the edge.
    const QRectF box = QRectF(rect()).adjusted(6, 6, -6, -6);
    painter.setPen(palette().color(QPalette::Text));
    line.draw(painter, box, line.baselineIn(box), rect());
}
