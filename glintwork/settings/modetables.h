// The fixed tables of the output modes: the web fonts HTML mode offers and preselects,
// and the items of the two size boxes with the positions a mode switch selects.
#pragma once

#include "settings/effectsettings.h"

#include <QStringList>

namespace ModeTables {

// Upper case, in the order they are matched against the installed fonts.
const QStringList &WebFontNames();
const QStringList &PreselectedWebFontNames();
// The same names as a page and a font list write them, in the same order.
const QStringList &WebFontTitles();

// Items of `ComboS` and `ComboB` in a mode (Normal and Word Processor share theirs).
const QStringList &minSizeItems(OutputMode mode);
const QStringList &maxSizeItems(OutputMode mode);
// The positions the mode switch preselects: 5 and 7 ("20", "32"), in HTML 4 and 4 ("5", "6").
int defaultMinIndex(OutputMode mode);
int defaultMaxIndex(OutputMode mode);

// Sets a size box to list position `index` of its items (-1 or a position outside the
// list: no item and an empty box, 0).
void selectSizeItem(double &size, int &index, const QStringList &items, int position);

} // namespace ModeTables
