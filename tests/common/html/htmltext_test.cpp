// HTML text: markup escaped, characters outside Windows-1252 as references, and control
// characters as the replacement character.
#include "html/htmltext.h"

#include <gtest/gtest.h>

namespace {

using HtmlText::Quote;

TEST(HtmlText, EscapesMarkupQuotesAndControls)
{
    const struct {
        QString text;
        Quote quote;
        QString html;
    } cases[] = {
        {"a<b>&c\"'", Quote::None, "a&lt;b&gt;&amp;c\"'"},
        {"\"'", Quote::Double, "&quot;'"},
        {"\"'", Quote::Single, "\"&#39;"},
        {QString::fromUtf16(u"\u0000\u0001\u000B\u000C\u001B", 5), Quote::None,
         QString("&#xFFFD;").repeated(5)},
        {QString::fromUtf16(u"\u0085\u009F\u007F\u0081"), Quote::Double,
         QString("&#xFFFD;").repeated(4)},
        {"\t\r\n", Quote::None, "\t\r\n"},
        {QString::fromUtf16(u"é€日\U0001F600"), Quote::None, "é€&#26085;&#128512;"},
        {QString(QChar(0xD800)) + "x", Quote::None, "&#65533;x"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HtmlText::escaped(c.text, c.quote), c.html) << c.text.toStdString();
}

} // namespace
