// The installed family that the platform draws a family name with. A name no installed file
// carries (a generic alias such as "Sans Serif", or "Arial" where it is not installed) sends
// Qt through its fallback list, which ranks every installed family against every other and
// with thousands of fonts takes longer than the rest of a window's start-up. Asking fontconfig
// once for its best match names the same family at the cost of one comparison per font.
#pragma once

#include <QFont>
#include <QString>

namespace DrawnFamily {

// The family itself when an installed file carries it (without regard to case); else the
// family of fontconfig's best match for it in that style, the first of the fallbacks Qt
// would try. Remembered per name and style. Unchanged where there is no fontconfig or no
// match.
QString of(const QString &family, QFont::Style style = QFont::StyleNormal);

// The font with its family replaced as of() says; every other attribute kept.
QFont resolved(const QFont &font);

} // namespace DrawnFamily
