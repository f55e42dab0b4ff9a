// The waterfall: see waterfall.h.
#include "logic/waterfall.h"

#include "logic/previewbuilder.h"

namespace Waterfall {

const QList<int> &sizes()
{
    static const QList<int> points{8, 10, 12, 14, 18, 24, 36, 48, 72};
    return points;
}

QString text(const QString &sample)
{
    return sample.trimmed().isEmpty() ? PreviewBuilder::kSymbolSample.toString() : sample;
}

} // namespace Waterfall
