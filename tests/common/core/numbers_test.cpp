// The number rules that every size field, colour field and stored setting goes through.
#include "core/numbers.h"

#include <QLocale>
#include <cfloat>
#include <clocale>
#include <gtest/gtest.h>

namespace {

struct ValCase {
    const char *name;
    const char16_t *text;
    double expected;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(Numbers::val(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LeadingNumbers, ValTest,
    ::testing::Values(ValCase{"Plain", u"24", 24}, ValCase{"Fraction", u"20.6", 20.6},
                      ValCase{"LeadingBlanks", u"   12pt", 12}, ValCase{"Negative", u"-0.5", -0.5},
                      ValCase{"PlusSign", u"+7", 7}, ValCase{"Exponent", u"1.5e2x", 150},
                      ValCase{"ExponentWithoutDigits", u"3e", 3},
                      ValCase{"ExponentSignWithoutDigits", u"3e+", 3},
                      ValCase{"LeadingPoint", u".5", 0.5}, ValCase{"TrailingPoint", u"5.", 5},
                      ValCase{"NoNumber", u"abc", 0}, ValCase{"Empty", u"", 0},
                      ValCase{"LoneSign", u"-", 0}, ValCase{"LonePoint", u".", 0},
                      ValCase{"NotANumber", u"nan", 0}, ValCase{"Infinity", u"inf", 0},
                      ValCase{"Hexadecimal", u"0x10", 0}, ValCase{"BlankAfterSign", u"- 5", 0},
                      ValCase{"ArabicDigitsAreNotDigits", u"\u0661\u0662", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Val, HugeNumbersStayFinite)
{
    EXPECT_EQ(Numbers::val(u"1e400"), DBL_MAX);
    EXPECT_EQ(Numbers::val(u"-1e400"), -DBL_MAX);
    EXPECT_EQ(Numbers::val(QString(1000, u'9')), DBL_MAX);
    EXPECT_DOUBLE_EQ(Numbers::val(QStringLiteral("0.") + QString(1000, u'0') + u'1'), 0.0);
}

TEST(IntPart, IsFloorAlsoForNegatives)
{
    EXPECT_EQ(Numbers::intPart(22.9), 22);
    EXPECT_EQ(Numbers::intPart(-0.5), -1);
    EXPECT_EQ(Numbers::intPart(-3.0), -3);
}

TEST(RoundEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Numbers::roundEven(0.5), 0);
    EXPECT_EQ(Numbers::roundEven(1.5), 2);
    EXPECT_EQ(Numbers::roundEven(2.5), 2);
    EXPECT_EQ(Numbers::roundEven(-2.5), -2);
    EXPECT_EQ(Numbers::roundEven(5752.5), 5752);
    EXPECT_EQ(Numbers::roundEven(5752.51), 5753);
}

TEST(NumberText, ShortestFormWithPointDecimal)
{
    EXPECT_EQ(Numbers::text(24), "24");
    EXPECT_EQ(Numbers::text(24.5), "24.5");
    EXPECT_EQ(Numbers::text(20.6 + 4), "24.6");
    EXPECT_EQ(Numbers::text(12.01 + 4), "16.01");
    EXPECT_EQ(Numbers::text(-3.25), "-3.25");
    EXPECT_EQ(Numbers::text(-0.0), "0");
    EXPECT_EQ(Numbers::text(1.0 / 3.0), "0.333333333333333");
}

TEST(NumberText, IgnoresTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(Numbers::text(24.5), "24.5");
    QLocale::setDefault(previous);
}

TEST(Val, IgnoresTheCLocale)
{
    // QCoreApplication sets the C locale from the environment; a German one would make
    // strtod stop at the point.
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        std::setlocale(LC_NUMERIC, "C.UTF-8");
    EXPECT_DOUBLE_EQ(Numbers::val(u"20.6"), 20.6);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Narrowing, SixteenBitFieldsRefuseWhatTheyCannotHold)
{
    EXPECT_EQ(Numbers::toInt16(40000), std::nullopt);
    EXPECT_EQ(Numbers::toInt16(-40000), std::nullopt);
    EXPECT_EQ(Numbers::toInt16(32767.4), 32767);
    EXPECT_EQ(Numbers::toInt16(-32768), -32768);
    EXPECT_EQ(Numbers::toInt16(2.5), 2);
    EXPECT_EQ(Numbers::toInt16(DBL_MAX), std::nullopt);
}

TEST(Narrowing, ThirtyTwoBitFieldsRefuseOrClamp)
{
    EXPECT_EQ(Numbers::toInt32(3e9), std::nullopt);
    EXPECT_EQ(Numbers::toInt32(16777215), 16777215);
    EXPECT_EQ(Numbers::clampToInt32(3e9), 2147483647);
    EXPECT_EQ(Numbers::clampToInt32(-3e9), -2147483647 - 1);
    EXPECT_EQ(Numbers::clampToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Numbers::clampToInt32(-0.5), 0);
}

} // namespace
