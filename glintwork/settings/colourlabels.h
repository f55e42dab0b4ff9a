// The exclusion rule of the colour rows: a right click on a swatch excludes it and every
// swatch after it, or restores every swatch up to it, so that the swatches in use always
// form a run from index 0. Shared by the window, the reset and the settings loader.
#pragma once

#include "settings/effectsettings.h"

#include <optional>
#include <span>

namespace ColourLabels {

// What an excluded swatch displays.
constexpr qint32 kExcludedGrey = 0xBBBBBB;

enum class Row { Alternate, Blend };

// The `OC` option a mouse-down on a swatch of the row selects ("Alternate colors:" or
// "Blend:"), and the one a right click on swatch 0 selects instead ("Single Color:").
int optionOf(Row row);

// Right click on swatch k (`CL_MouseDown`/`CB_MouseDown` with button 2). Returns the `OC`
// option the click selects: the row's option, or "Single Color:" for swatch 0, which is
// never excluded. Indices outside the row change nothing and select the row's option.
int rightClick(std::span<ColourLabel> row, int k, Row which);

// Restores swatches 1 .. k: clears their marks and shows the colour of their `Tag`
// (swatches already in use keep their colour). A left click does this before asking for
// the colour of swatch k.
void restoreUpTo(std::span<ColourLabel> row, int k);

// Swatch k takes a chosen colour, displayed and as its `Tag`.
void setColour(std::span<ColourLabel> row, int k, qint32 colour);

// The colour a `Tag` text stands for, or nullopt when it is not a colour 0 .. 0xFFFFFF.
std::optional<qint32> tagColour(const QString &tag);

// m: 1 + the highest index in use, at least 1 (swatch 0 counts as in use always).
int inUseCount(std::span<const ColourLabel> row);

} // namespace ColourLabels
