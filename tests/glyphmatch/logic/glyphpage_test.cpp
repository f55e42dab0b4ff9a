// Glyphmatch's HTML page: its exact pieces, the size class, escaping and the file's bytes.
#include "logic/glyphpage.h"

#include "logic/keyboardtable.h"

#include <gtest/gtest.h>

namespace {

GlyphPageInput oneRow(const QString &sizeText)
{
    GlyphPageInput input;
    input.textFont = "Verdana";
    input.symbolFont = "Wingdings";
    input.sizeText = sizeText;
    input.downloadAddress = "https://example.org/";
    input.rows = {
        {{"A", "Verdana", 544, 555}, {"A", "Wingdings", 544, 555}, {"", "Verdana", 200, 555}}};
    return input;
}

TEST(GlyphPage, WritesThePageByteForByte)
{
    const QString expected =
        "<!--Created by the Glyphmatch tool from Kerncraft v1.0 - download from "
        "https://example.org/-->\r\n"
        "<html>\r\n<head>\r\n"
        "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>\r\n"
        "<meta name='generator' content='Kerncraft v1.0 from Quillbright'>\r\n"
        "<title>Verdana - Wingdings</title>\r\n"
        "<style>table{table-layout:fixed}td{overflow:hidden;white-space:nowrap}</style>\r\n"
        "</head>\r\n<body>\r\n"
        "<font face='Verdana' size=5><b>Verdana - Wingdings</b></font></p>\r\n"
        "<font size=5>\r\n"
        "<table border=1 cellspacing=0 cellpadding=0 bordercolor=000000>\r\n"
        "<tr>\r\n"
        "<td width=37 align=center height=38><font face='Verdana' size=6>A</font></td>\r\n"
        "<td width=37 align=center height=38><font face='Wingdings' size=6>A</font></td>\r\n"
        "<td width=14 align=center height=38><font face='Verdana' size=6></font></td>\r\n"
        "</tr>\r\n"
        "</table>\r\n</font></body>\r\n</html>\r\n"
        "<!--Created by the Glyphmatch tool from Kerncraft v1.0 - download from "
        "https://example.org/-->";
    EXPECT_EQ(GlyphPage::html(oneRow("24")), expected);
}

TEST(GlyphPage, ConvertsTwipsThroughTheScreensPixelSize)
{
    GlyphPageInput input = oneRow("24");
    input.twipsPerPixelX = 12; // 120 dpi
    input.twipsPerPixelY = 10;
    const QString page = GlyphPage::html(input);
    // 544 / 12 + 1.5 = 46.83 and 555 / 10 + 1.5 = 57: whole parts.
    EXPECT_TRUE(page.contains("<td width=46 align=center height=57>"));
}

TEST(GlyphPage, OneSizeClassForAllCells)
{
    const std::pair<const char *, const char *> cases[] = {
        {"10", "size=2>"}, {"24", "size=6>"}, {"36", "size=7>"}};
    for (const auto &[size, tag] : cases) {
        const QString page = GlyphPage::html(oneRow(size));
        EXPECT_EQ(page.count(QString::fromLatin1(tag)), 3) << size;
    }
}

TEST(GlyphPage, TitleOfArialPagesIsTheSymbolFont)
{
    GlyphPageInput input = oneRow("24");
    input.textFont = "Arial";
    const QString page = GlyphPage::html(input);
    EXPECT_TRUE(page.contains("<title>Wingdings</title>"));
    EXPECT_TRUE(page.contains("<font face='Arial' size=5><b>Wingdings</b></font></p>"));
}

TEST(GlyphPage, EscapesMarkupCharactersAndApostrophes)
{
    GlyphPageInput input = oneRow("24");
    input.textFont = "Bob's & Co";
    input.rows = {{{"<", "Bob's & Co", 544, 555},
                   {"&", "Wingdings", 544, 555, "Unicode: \u2701 (U+2701)"},
                   {">", "Wingdings", 544, 555, "it's <b>"}}};
    const QString page = GlyphPage::html(input);
    EXPECT_TRUE(page.contains("<font face='Bob&#39;s &amp; Co' size=6>&lt;</font></td>"));
    EXPECT_TRUE(page.contains("<td title='Unicode: &#9985; (U+2701)' width=37 align=center "
                              "height=38><font face='Wingdings' size=6>&amp;</font></td>"));
    EXPECT_TRUE(page.contains("<td title='it&#39;s &lt;b&gt;' width="));
    EXPECT_TRUE(page.contains("<td width=37 align=center height=38><font face='Bob"));
    EXPECT_TRUE(page.contains("size=6>&gt;</font></td>"));
    EXPECT_TRUE(page.contains("<title>Bob's &amp; Co - Wingdings</title>"));
    EXPECT_TRUE(page.contains("<font face='Bob&#39;s &amp; Co' size=5>"));
}

TEST(GlyphPage, FileIsWindows1252WithReferencesForOtherCharacters)
{
    const QString page =
        QString("A\u00A4\u00AC\u20AC") + QChar(0x263A) + QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(GlyphPage::fileBytes(page), QByteArray("A\xA4\xAC\x80&#9786;&#128512;\r\n"));
}

TEST(GlyphPage, WholeTableRoundTripsTheKeyboardCharacters)
{
    GlyphPageInput input = oneRow("24");
    input.rows.clear();
    for (int r = 0; r < KeyboardTable::rowsPerGroup; ++r) {
        QList<GlyphPageCell> row;
        for (int g = 0; g < KeyboardTable::groups; ++g)
            row.append({QString(KeyboardTable::character(g, r)), "Verdana", 544, 555});
        input.rows.append(row);
    }
    const QByteArray bytes = GlyphPage::fileBytes(GlyphPage::html(input));
    EXPECT_TRUE(bytes.contains("size=6>\xA4</font></td>"));
    EXPECT_TRUE(bytes.contains("size=6>\xAC</font></td>"));
    EXPECT_TRUE(bytes.contains("size=6>&lt;</font></td>"));
    EXPECT_EQ(bytes.count("<tr>"), 12);
    EXPECT_EQ(bytes.count("<td "), 96);
    EXPECT_TRUE(bytes.endsWith("-->\r\n"));
}

TEST(GlyphPage, WorkingFolderIsTheDriveOrThePagesFolder)
{
    EXPECT_EQ(GlyphPage::workingFolder("d:\\Tools\\Kerncraft", "x"), "D:\\");
    EXPECT_EQ(GlyphPage::workingFolder("c:/Tools", "x"), "C:/");
    EXPECT_EQ(GlyphPage::workingFolder("/usr/bin", "/home/a/.local/share"), "/home/a/.local/share");
    EXPECT_EQ(GlyphPage::workingFolder("\\\\server\\share", "p"), "p");
}

} // namespace
