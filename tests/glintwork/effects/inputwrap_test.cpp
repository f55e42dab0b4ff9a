// The input box wraps anywhere only when the text holds a long run without white space.
#include "effects/inputwrap.h"

#include <gtest/gtest.h>

namespace {

TEST(InputWrap, OnlyALongUnbrokenRunWrapsAnywhere)
{
    const qsizetype n = InputWrap::kLongestWordWrapRun;
    const QString run(n - 1, u'x');
    const struct {
        QString text;
        bool anywhere;
    } cases[] = {
        {"", false},
        {run, false},
        {run + "x", true},
        {"a " + run + " b " + run, false},
        {run + "\r\n" + run + "\t" + run, false},
        {"short words " + run + "xx", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(InputWrap::breakAnywhere(c.text), c.anywhere) << c.text.size();
}

} // namespace
