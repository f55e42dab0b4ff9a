// The waterfall's sizes and text, and the details panel's text.
#include "logic/fontdetails.h"
#include "logic/waterfall.h"

#include <gtest/gtest.h>

namespace {

TEST(WaterfallTest, GoesFromSmallPrintToDisplaySizes)
{
    EXPECT_EQ(Waterfall::sizes(), QList<int>({8, 10, 12, 14, 18, 24, 36, 48, 72}));
}

TEST(WaterfallTest, WritesTheSampleOrAStandInWithoutOne)
{
    EXPECT_EQ(Waterfall::text(QStringLiteral("Жук")), QStringLiteral("Жук"));
    EXPECT_EQ(Waterfall::text(QString()), QStringLiteral("ABC abc 123"));
    EXPECT_EQ(Waterfall::text(QStringLiteral("  ")), QStringLiteral("ABC abc 123"));
}

TEST(FontDetailsTest, TextLeavesOutWhatTheFontDoesNotGiveAndCutsALongLicence)
{
    FontDetails details;
    details.family = QStringLiteral("Example Sans");
    details.files = {QStringLiteral("/a.ttf"), QStringLiteral("/b.ttf")};
    details.licence = QString(500, u'x');
    const QString text = details.text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Family: Example Sans\nFiles: /a.ttf\n/b.ttf\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("Designer")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Licence: ") + QString(400, u'x') + QStringLiteral("...\n")));
    EXPECT_EQ(FontDetails().text(), QStringLiteral("No details: the font is not installed."));
}

} // namespace
