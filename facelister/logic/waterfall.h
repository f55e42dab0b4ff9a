// The waterfall: the user's sample, or a stand-in without one, in one font at the sizes a
// type specimen shows, from small print to display.
#pragma once

#include <QList>
#include <QString>

namespace Waterfall {

// Sizes in points, smallest first.
const QList<int> &sizes();
// The sample as the waterfall writes it: the user's text, else "ABC abc 123".
QString text(const QString &sample);

} // namespace Waterfall
