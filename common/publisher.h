// The publisher's public addresses that the programs write into their files and About boxes:
// build settings, with placeholders when a build leaves them empty.
#pragma once

#include <QString>

namespace Publisher {

QString downloadAddress();
QString suggestionsAddress();

} // namespace Publisher
