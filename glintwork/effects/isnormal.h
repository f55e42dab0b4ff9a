// `IsNormal`: whether a font name belongs to an ordinary text font rather than a symbol,
// dingbat or special font, judged by the words its upper-cased name contains.
#pragma once

#include <QString>

bool IsNormal(const QString &fontName);
