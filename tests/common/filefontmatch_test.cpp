// fontconfig requests answered by file: the same answers as fontconfig's, and Qt's requests
// reach them.
#include "filefontmatch.h"
#include "filefontmatchindex.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

// A request as Qt makes it when it loads a font: the family, the file and a pixel size.
FcPattern *requestFor(FcPattern *face, const char *file)
{
    FcPattern *request = FcPatternCreate();
    FcChar8 *family = nullptr;
    if (FcPatternGetString(face, FC_FAMILY, 0, &family) == FcResultMatch)
        FcPatternAddString(request, FC_FAMILY, family);
    FcPatternAddString(request, FC_FILE, reinterpret_cast<const FcChar8 *>(file));
    int index = 0;
    FcPatternGetInteger(face, FC_INDEX, 0, &index);
    FcPatternAddInteger(request, FC_INDEX, index);
    FcPatternAddDouble(request, FC_PIXEL_SIZE, 17);
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    return request;
}

TEST(FileFontMatch, AnswersEveryInstalledFaceAsFontconfigDoes)
{
    FcFontSet *installed = FcConfigGetFonts(FcConfigGetCurrent(), FcSetSystem);
    ASSERT_NE(installed, nullptr);
    ASSERT_GT(installed->nfont, 10);
    FileFontMatchIndex index;
    int answered = 0;
    for (int i = 0; i < installed->nfont; ++i) {
        FcChar8 *file = nullptr;
        FcPatternGetString(installed->fonts[i], FC_FILE, 0, &file);
        const auto *path = reinterpret_cast<const char *>(file);
        FcPattern *request = requestFor(installed->fonts[i], path);
        FcResult result;
        FcPattern *expected = FileFontMatchIndex::libraryFontMatch(nullptr, request, &result);
        if (FcPattern *answer = index.match(nullptr, request)) {
            ++answered;
            EXPECT_TRUE(FcPatternEqual(answer, expected)) << path;
            FcPatternDestroy(answer);
        }
        FcPatternDestroy(expected);
        FcPatternDestroy(request);
    }
    EXPECT_GT(answered, installed->nfont / 2);
}

TEST(FileFontMatch, LeavesRequestsWithoutAnInstalledFileToFontconfig)
{
    FileFontMatchIndex index;
    FcPattern *noFile = FcNameParse(reinterpret_cast<const FcChar8 *>("DejaVu Sans:bold"));
    FcPattern *otherFile = FcNameParse(
        reinterpret_cast<const FcChar8 *>("DejaVu Sans:file=/nonexistent/DejaVuSans.ttf"));
    EXPECT_EQ(index.match(nullptr, noFile), nullptr);
    EXPECT_EQ(index.match(nullptr, otherFile), nullptr);
    FcPatternDestroy(noFile);
    FcPatternDestroy(otherFile);
}

// Qt's own requests come to the program's FcFontMatch once it is enabled.
TEST(FileFontMatch, AnswersTheRequestsQtMakesWhenItLoadsAFont)
{
    FileFontMatch::enable();
    ASSERT_TRUE(FileFontMatch::isEnabled());
    const long before = FileFontMatch::answered();
    for (const QString &family : QFontDatabase::families())
        QFontMetricsF(QFont(family, 31)).horizontalAdvance(QStringLiteral("Qt"));
    EXPECT_GT(FileFontMatch::answered(), before);
}

} // namespace
