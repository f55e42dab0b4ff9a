// The installed faces of a fontconfig configuration by file, for FileFontMatch: only files
// that hold a single face are indexed, since fontconfig tells the faces of one file apart
// by the rest of the request. The index follows the configuration: it is built anew when
// the configuration or the number of its fonts changes.
#pragma once

#include <fontconfig/fontconfig.h>
#include <string>
#include <unordered_map>

class FileFontMatchIndex {
public:
    // fontconfig's answer for `pattern` when it names the file of a single installed face
    // (as FcFontMatch would give it, to be destroyed by the caller); null otherwise.
    FcPattern *match(FcConfig *config, FcPattern *pattern);
    // The library's own FcFontMatch, past the program's, and whether it was found.
    static bool hasLibraryFontMatch();
    static FcPattern *libraryFontMatch(FcConfig *config, FcPattern *pattern, FcResult *result);

private:
    void refresh(FcConfig *config);
    void add(FcFontSet *set);

    FcConfig *m_config = nullptr;
    FcFontSet *m_sets[2] = {nullptr, nullptr};
    int m_counts[2] = {-1, -1};
    std::unordered_map<std::string, FcPattern *> m_faceByFile; // null: more than one face
};
