// Colours as the stored settings and the rich-text box keep them, 0x00BBGGRR (red in the
// low byte), and their Qt counterparts.
#pragma once

#include <QColor>

namespace ColourRef {

QColor toQColor(qint32 colour);
qint32 fromQColor(const QColor &colour);

} // namespace ColourRef
