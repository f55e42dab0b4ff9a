// A line of glyphs laid out by their index in one raw font, side by side on their advances.
// Drawing by index rather than as text keeps a code such as 0xAD (the soft hyphen) visible,
// and a character the font lacks is never taken from another font.
#pragma once

#include <QGlyphRun>
#include <QRawFont>
#include <QRectF>
#include <QString>

class IndexedGlyphRun {
public:
    IndexedGlyphRun(const QRawFont &font, const QString &text);

    const QGlyphRun &run() const { return m_run; }
    qreal width() const { return m_width; }
    // The baseline that centres the font's line height vertically in the box.
    qreal baselineIn(const QRectF &box) const;

private:
    QGlyphRun m_run;
    qreal m_width = 0;
};
