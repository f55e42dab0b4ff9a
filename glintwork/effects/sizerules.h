// Sizes and vertical positions of the units: the repair of the two size fields and the
// limits they give, the size table `CharSize`, the size of one unit and its offset.
#pragma once

#include "settings/effectsettings.h"

#include <QList>
#include <optional>

class RandomSource;

struct SizeLimits {
    float minSize = 0;
    float maxSize = 0;
    float sizeRange = 0;
};

namespace SizeRules {

// The HTML sizes 1 to 7 in points.
constexpr std::array<int, 7> kHtmlPoints = {8, 10, 12, 14, 18, 24, 36};

// Repairs `minimumSize` and `maximumSize` of the settings by the rules of the mode and derives the
// limits (Refresh step 5). A repaired field's list position follows its new text (-1 when
// that is not an item of the mode's list).
SizeLimits normaliseLimits(EffectSettings &settings, OutputMode mode);

// The size table for an input of n characters (Refresh step 11). In word mode the unit
// count of Balloon and Constrict is the number of blanks of the text. Wave may rewrite
// `settings.wavelength`. "None" leaves the table at zero (the caller sets the box's base size).
QList<float> sizeTable(EffectSettings &settings, const SizeLimits &limits, RandomSource &random);

// The size of unit g, or nullopt when g lies beyond the table (the unit keeps the box's
// default size and gets no offset).
std::optional<float> unitSize(int sizesOption, const SizeLimits &limits,
                              const QList<float> &charSize, qsizetype g);

// The vertical offset in twips of a unit of size s; positive raises.
float verticalOffset(int posOption, float s, RandomSource &random);

} // namespace SizeRules
