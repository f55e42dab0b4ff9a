// The Refresh's random-font test: see randomfont.h.
#include "effects/randomfont.h"

#include "fonts/symbolnamewords.h"

bool isRandomFontCandidate(const QString &fontName)
{
    return !SymbolNameWords::named(fontName, SymbolNameWords::randomFontExclusions());
}
