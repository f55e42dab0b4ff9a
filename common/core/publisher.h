// The publisher's public addresses that the programs write into their files and messages
// (build settings, with placeholders when a build leaves them empty), and the About text
// every program shows.
#pragma once

#include <QString>

namespace Publisher {

QString downloadAddress();
QString homePageAddress();
QString suggestionsAddress();

// The suite's version as the build sets it.
QString version();

// An About box's text: a blank line, the program's own line, a blank line and the request
// for suggestions, joined by "\n" (where message boxes break lines).
QString aboutText(const QString &programLine);

} // namespace Publisher
