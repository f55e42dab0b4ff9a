// Every program's copy: the same content as RTF, as an HTML fragment and as plain text, so
// that word processors, web editors and plain-text fields all paste it.
#pragma once

#include "richtext/richrun.h"

#include <functional>

class ClipboardService;
class RichTextBox;

namespace RichCopy {

// Clears the clipboard and puts the runs on it in the three flavours; the plain text has
// line feeds for line breaks.
void put(ClipboardService &clipboard, const RichRuns &runs);

// The box's runs from a position over a length, sizes resolved.
using RunsOf = std::function<RichRuns(int start, int length)>;

// A box's selection, or all of it when nothing is selected, in the three flavours; the RTF
// is the box's own, so it marks the box's symbol faces.
void toClipboard(ClipboardService &clipboard, const RichTextBox &box, const RunsOf &runsOf);

} // namespace RichCopy
