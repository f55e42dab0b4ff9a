// The installed faces by file: see filefontmatchindex.h.
#include "filefontmatchindex.h"

#include <dlfcn.h>

namespace {

using MatchFunction = FcPattern *(*)(FcConfig *, FcPattern *, FcResult *);

MatchFunction libraryMatch()
{
    static const auto function = reinterpret_cast<MatchFunction>(dlsym(RTLD_NEXT, "FcFontMatch"));
    return function;
}

const char *fileOf(FcPattern *pattern)
{
    FcChar8 *file = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch)
        return nullptr;
    // A request with two files is left to fontconfig.
    FcChar8 *second = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 1, &second) == FcResultMatch)
        return nullptr;
    return reinterpret_cast<const char *>(file);
}

} // namespace

bool FileFontMatchIndex::hasLibraryFontMatch()
{
    return libraryMatch() != nullptr;
}

FcPattern *FileFontMatchIndex::libraryFontMatch(FcConfig *config, FcPattern *pattern,
                                                FcResult *result)
{
    const MatchFunction match = libraryMatch();
    if (!match) {
        *result = FcResultNoMatch;
        return nullptr;
    }
    return match(config, pattern, result);
}

FcPattern *FileFontMatchIndex::match(FcConfig *config, FcPattern *pattern)
{
    const char *file = fileOf(pattern);
    if (!file)
        return nullptr;
    refresh(config);
    const auto it = m_faceByFile.find(file);
    if (it == m_faceByFile.end() || !it->second)
        return nullptr;
    return FcFontRenderPrepare(m_config, pattern, it->second);
}

void FileFontMatchIndex::refresh(FcConfig *config)
{
    FcConfig *current = config ? config : FcConfigGetCurrent();
    FcFontSet *sets[2] = {FcConfigGetFonts(current, FcSetSystem),
                          FcConfigGetFonts(current, FcSetApplication)};
    int counts[2];
    for (int i = 0; i < 2; ++i)
        counts[i] = sets[i] ? sets[i]->nfont : -1;
    if (current == m_config && sets[0] == m_sets[0] && sets[1] == m_sets[1] &&
        counts[0] == m_counts[0] && counts[1] == m_counts[1])
        return;
    m_config = current;
    m_faceByFile.clear();
    for (int i = 0; i < 2; ++i) {
        m_sets[i] = sets[i];
        m_counts[i] = counts[i];
        add(sets[i]);
    }
}

void FileFontMatchIndex::add(FcFontSet *set)
{
    if (!set)
        return;
    for (int i = 0; i < set->nfont; ++i) {
        const char *file = fileOf(set->fonts[i]);
        if (!file)
            continue;
        const auto [it, added] = m_faceByFile.emplace(file, set->fonts[i]);
        if (!added)
            it->second = nullptr;
    }
}
