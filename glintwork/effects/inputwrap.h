// How the input box wraps its text. Breaking lines at word boundaries searches each
// unbroken run of characters from its start for every line it fills, which takes time
// quadratic in the run's length: a settings file with one long run would freeze the
// start-up. Text with such a run wraps anywhere instead, which takes linear time.
#pragma once

#include <QStringView>

namespace InputWrap {

// Runs of this many characters without a blank or a line break wrap anywhere.
inline constexpr qsizetype kLongestWordWrapRun = 400;

// True when the text holds a run of kLongestWordWrapRun characters or more without white
// space.
bool breakAnywhere(QStringView text);

} // namespace InputWrap
