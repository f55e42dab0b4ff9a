// The HTML fragment that rich copy puts on the clipboard beside RTF, for editors that read
// only HTML (web mail, online documents, chat). One span per run with inline styles, so
// that the look survives wherever the fragment is pasted.
#pragma once

#include "richtext/richrun.h"

#include <QString>

namespace HtmlFragment {

// The fragment of the runs: face (with a generic fallback family), size, colour, bold,
// italic and the raised or lowered position of every run; line breaks as <br>. Text is
// escaped and characters outside ASCII stay themselves, for UTF-8 on the clipboard.
QString fromRuns(const RichRuns &runs);

// The CSS generic family that best stands in for a face that is not installed.
QString genericFamily(const QString &face);

} // namespace HtmlFragment
