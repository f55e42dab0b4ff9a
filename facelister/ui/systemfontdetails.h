// The details of installed fonts as the system knows them: fontconfig lists a family's
// faces with their files, styles, version, foundry and languages; FreeType reads the
// designer, licence and version strings from the name table of the first file; Qt's font
// database names the writing systems.
#pragma once

#include "logic/fontdetails.h"

class SystemFontDetails : public FontDetailsSource {
public:
    FontDetails details(const QString &family) const override;
};
