// `AssignCharColours`: the colour of every character of the input for the alternate,
// blend and predefined colouring options (the other two options leave all black).
#pragma once

#include "settings/effectsettings.h"

#include <QList>

class RandomSource;

namespace CharColours {

// The blend length of `TextBL`: Int of its value as a 16-bit number, 0 (or no number, or
// a value that does not fit) becomes 5, below 1 becomes 1.
int blendLength(double blendLength);

// The blend palette from the swatches in use, each followed by L - 1 steps towards the
// next.
QList<qint32> blendPalette(const EffectSettings &settings, int length);

// The colour of one character of a predefined scheme (0 .. 13).
qint32 schemeColour(int scheme, qsizetype i, RandomSource &random);

} // namespace CharColours

// n entries; writes the normalised blend length back into `settings.blendLength` for the blend
// option.
QList<qint32> AssignCharColours(EffectSettings &settings, qsizetype n, RandomSource &random);
