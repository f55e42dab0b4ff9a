// Which installed fonts the Refresh may draw at random: ordinary text fonts, judged by the
// words of its own list in the upper-cased name (Facelister's filter has a longer list).
#pragma once

#include <QString>

bool isRandomFontCandidate(const QString &fontName);
