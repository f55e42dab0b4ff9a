// fontconfig requests answered by file: see filefontmatch.h.
#include "filefontmatch.h"

#ifdef KERNCRAFT_HAS_FONTCONFIG

#include "filefontmatchindex.h"

#include <atomic>
#include <dlfcn.h>
#include <mutex>

namespace {

std::atomic<bool> g_enabled{false};
std::atomic<long> g_answered{0};
std::mutex g_indexMutex;

FileFontMatchIndex &sharedIndex()
{
    static FileFontMatchIndex index;
    return index;
}

using MatchFunction = FcPattern *(*)(FcConfig *, FcPattern *, FcResult *);

MatchFunction libraryMatch()
{
    static const auto function = reinterpret_cast<MatchFunction>(dlsym(RTLD_NEXT, "FcFontMatch"));
    return function;
}

} // namespace

void FileFontMatch::enable()
{
    g_enabled = libraryMatch() != nullptr;
}

bool FileFontMatch::isEnabled()
{
    return g_enabled;
}

long FileFontMatch::answered()
{
    return g_answered;
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

// Stands in front of fontconfig's own function for the whole program (the dynamic linker
// binds Qt's calls to the program's definition first).
extern "C" FcPattern *FcFontMatch(FcConfig *config, FcPattern *pattern, FcResult *result)
{
    if (g_enabled && pattern && result) {
        std::lock_guard lock(g_indexMutex);
        if (FcPattern *match = sharedIndex().match(config, pattern)) {
            *result = FcResultMatch;
            ++g_answered;
            return match;
        }
    }
    return FileFontMatchIndex::libraryFontMatch(config, pattern, result);
}

#else // Without fontconfig there is nothing to stand in front of.

void FileFontMatch::enable() {}

bool FileFontMatch::isEnabled()
{
    return false;
}

long FileFontMatch::answered()
{
    return 0;
}

#endif
