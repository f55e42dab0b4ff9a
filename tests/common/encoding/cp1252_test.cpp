// Windows-1252: every byte round-trips, characters outside the code page are refused.
#include "encoding/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252::encode(text), all);
}

TEST(Cp1252, KnownCharacters)
{
    EXPECT_EQ(Cp1252::toUnicode(0x80), QChar(0x20AC));
    EXPECT_EQ(Cp1252::toUnicode(0x9F), QChar(0x0178));
    EXPECT_EQ(Cp1252::toUnicode(0xA3), QChar(0x00A3));
    EXPECT_EQ(Cp1252::toUnicode(0x81), QChar(0x0081));
    EXPECT_EQ(Cp1252::fromUnicode(QChar(0x2122)), uchar(0x99));
    EXPECT_EQ(Cp1252::fromUnicode(QChar(0x3042)), std::nullopt);
}

TEST(Cp1252, TextOutsideTheCodePageIsRefused)
{
    EXPECT_TRUE(Cp1252::canEncode(u"£$EOHT café"));
    EXPECT_FALSE(Cp1252::canEncode(u"日本"));
    EXPECT_EQ(Cp1252::encode(u"a\u3042"), std::nullopt);
}
