// A line of glyphs laid out by their index in one raw font, side by side on their advances.
// Drawing by index rather than as text keeps a code such as 0xAD (the soft hyphen) visible,
// and a character the font lacks is never taken from another font. The run knows its real
// ink, so that it can be placed in a box whole: centred across, on the box's baseline when it
// fits there, moved and if need be scaled down when accents, descenders or a wide glyph would
// otherwise reach beyond the box.
#pragma once

#include <QGlyphRun>
#include <QRawFont>
#include <QRectF>
#include <QString>

class QPainter;

class IndexedGlyphRun {
public:
    IndexedGlyphRun(const QRawFont &font, const QString &text);

    const QGlyphRun &run() const { return m_run; }
    qreal width() const { return m_width; }
    // The ink of all glyphs, relative to the start of the baseline; empty for blanks.
    QRectF ink() const { return m_ink; }
    // The baseline that centres the font's line height vertically in the box.
    qreal baselineIn(const QRectF &box) const;

    struct Placement {
        QPointF origin; // the start of the baseline
        qreal scale = 1;
    };
    // Where the run goes so that its ink lies inside the box (see above); baseline is where
    // the glyphs stand when they fit, shared by the cells of a row.
    // A run aligned to the left or right keeps its ink at that side of the box instead.
    Placement placeIn(const QRectF &box, qreal baseline,
                      Qt::Alignment horizontal = Qt::AlignHCenter) const;
    // Draws the run at its placement in the box, clipped to the clip rectangle (the cell).
    void draw(QPainter &painter, const QRectF &box, qreal baseline, const QRectF &clip,
              Qt::Alignment horizontal = Qt::AlignHCenter) const;

private:
    QGlyphRun m_run;
    qreal m_width = 0;
    QRectF m_ink;
};
