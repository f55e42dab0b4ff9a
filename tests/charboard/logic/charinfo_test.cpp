// The info line beside the keypad code and the note on the codes 128 to 159.
#include "logic/charcodes.h"
#include "logic/charinfo.h"

#include <gtest/gtest.h>

namespace {

TEST(CharInfo, LineNamesCodePointEntityAndInputHint)
{
    const struct {
        int code;
        const char *line;
    } cases[] = {
        {65, "U+0041   &#65;   Ctrl+Shift+U 41"},   {128, "U+20AC   &euro;   Ctrl+Shift+U 20ac"},
        {169, "U+00A9   &copy;   Ctrl+Shift+U a9"}, {173, "U+00AD   &shy;   Ctrl+Shift+U ad"},
        {38, "U+0026   &amp;   Ctrl+Shift+U 26"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CharInfo::line(CharCodes::character(c.code), true), c.line) << c.code;
    EXPECT_EQ(CharInfo::line(QString(QChar(0x2701)), false), "U+2701   &#9985;");
    const QString ligature = QStringLiteral("fi");
    EXPECT_EQ(CharInfo::line(ligature, true), "U+0066 U+0069   &#102;&#105;");
    EXPECT_EQ(CharInfo::line(QString::fromUcs4(U"\U0001F600", 1), true),
              "U+1F600   &#128512;   Ctrl+Shift+U 1f600");
    EXPECT_EQ(CharInfo::line({}, true), "");
}

TEST(CharInfo, NotesWhereWindows1252AndUnicodeDiffer)
{
    EXPECT_EQ(CharInfo::codePageNote(128).toStdString(),
              "Windows-1252 puts \u20AC (U+20AC) at 128; in Unicode U+0080 is a control character");
    EXPECT_EQ(CharInfo::codePageNote(129),
              "Windows-1252 leaves 129 undefined; U+0081 is a control character");
    EXPECT_TRUE(CharInfo::codePageNote(159).contains("U+0178"));
    for (const int code : {65, 127, 160, 169, 173})
        EXPECT_EQ(CharInfo::codePageNote(code), "") << code;
}

} // namespace
