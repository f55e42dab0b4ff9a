// The installed family that stands in for a web font with the same metrics: on Linux,
// fontconfig's metric aliases (Arial as Liberation Sans, Helvetica as Nimbus Sans, ...).
// Only a family the configuration binds to the name as an equal counts: the fallback
// that fontconfig offers for any name it cannot find is no stand-in.
#pragma once

#include <QString>

struct _FcConfig;

namespace WebFontAliases {

// The installed metric-compatible family for the name, or an empty string; empty also
// where the platform has no fontconfig.
QString metricAlias(const QString &webName);
// The same asked of a given configuration (a private font set in tests).
QString metricAlias(const QString &webName, _FcConfig *config);

} // namespace WebFontAliases
