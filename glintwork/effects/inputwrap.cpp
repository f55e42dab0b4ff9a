// Input wrapping: see inputwrap.h.
#include "effects/inputwrap.h"

namespace InputWrap {

bool breakAnywhere(QStringView text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run >= kLongestWordWrapRun)
            return true;
    }
    return false;
}

} // namespace InputWrap
