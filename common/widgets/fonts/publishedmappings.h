// The published mapping tables of the common symbol fonts that the platform ships: the Adobe
// Symbol and ITC Zapf Dingbats encodings to Unicode, as installed with Tcl. They give the
// equivalents of a symbol font whose glyphs carry no usable names.
#pragma once

#include <QString>
#include <QStringList>

namespace PublishedMappings {

// The table for a family by its name ("Symbol" in it: the Symbol encoding; "Dingbats" or the
// URW "D050000L": the Zapf Dingbats encoding); empty when none applies or the platform lacks it.
QStringList forFamily(const QString &family);

} // namespace PublishedMappings
