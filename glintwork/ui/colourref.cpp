// Colour conversions: see colourref.h.
#include "colourref.h"

namespace ColourRef {

QColor toQColor(qint32 colour)
{
    const quint32 v = quint32(colour);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

qint32 fromQColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return qint32(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}

} // namespace ColourRef
