// Colour conversions: see colourref.h.
#include "widgets/controls/colourref.h"

#include "core/bgrcolour.h"

namespace ColourRef {

QColor toQColor(qint32 colour)
{
    const BgrColour c(colour);
    return QColor(c.red(), c.green(), c.blue());
}

qint32 fromQColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return BgrColour::fromRgb(rgb.red(), rgb.green(), rgb.blue()).packed();
}

} // namespace ColourRef
