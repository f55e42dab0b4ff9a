// fontconfig requests answered by file: see filefontmatch.h.
#include "filefontmatch.h"

#ifdef KERNCRAFT_HAS_FONTCONFIG

#include "filefontmatchindex.h"

#include <atomic>
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

} // namespace

void FileFontMatch::enable()
{
    g_enabled = FileFontMatchIndex::hasLibraryFontMatch();
}

bool FileFontMatch::isEnabled()
{
    return g_enabled;
}

long FileFontMatch::answered()
{
    return g_answered;
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
