// The HTML font list: the exact page for a small preview, escaping, size classes. The
// pages close every font tag (the form browsers lay out quickly), so the expected bodies
// are closed runs where the original page opened a tag inside the last one.
#include "encoding/cp1252.h"
#include "fakes/htmlnesting.h"
#include "logic/fontlisthtml.h"
#include "logic/previewbuilder.h"
#include "richtext/richdocument.h"

#include <gtest/gtest.h>

namespace {

const QString kAddress = QStringLiteral("https://example.org/get");

QString bodyOf(const QString &page)
{
    const qsizetype start = page.indexOf(QStringLiteral("<body>\r\n")) + 8;
    const qsizetype end = page.indexOf(QStringLiteral("\r\n</body>"));
    return page.mid(start, end - start);
}

TEST(FontListHtmlTest, PageOfASmallListByteForByte)
{
    RichDocument doc;
    PreviewBuilder::build(doc, {QStringLiteral("Andale"), QStringLiteral("Arial")}, 22, true);
    const QString comment =
        QStringLiteral("<!--List all the fonts on your computer with Facelister - download from "
                       "https://example.org/get-->");
    const QString expected =
        comment +
        QStringLiteral(
            "\r\n<html>\r\n<head>\r\n"
            "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>\r\n"
            "<meta name='generator' content='Facelister v1.0 from Quillbright'>\r\n"
            "<title>Fonts</title>\r\n</head>\r\n<body>\r\n"
            "<font face=\"arial\" size=6><b>Fonts</b><br>\n"
            "</font><font face=\"arial\" size=3><br>\n"
            "</font><font face=\"andale\" size=6>Andale - <b>Bold,</b> <i>Italic</i></font>"
            "<font face=\"arial\" size=6><br>\n"
            "Arial - <b>Bold,</b> <i>Italic</i><br>\n"
            "</font>\r\n</body>\r\n</html>\r\n") +
        comment + QStringLiteral("\r\n\r\n");
    EXPECT_EQ(FontListHtml::page(doc, kAddress), expected);
    EXPECT_EQ(FontListHtml::pageBytes(doc, kAddress), expected.toLatin1());
    const HtmlNesting nesting = HtmlNesting::of(expected);
    EXPECT_TRUE(nesting.balanced);
    EXPECT_LE(nesting.maxDepth, 3);
}

TEST(FontListHtmlTest, ArialLineAfterAnotherEntryWhenLineBreaksHaveAnotherFace)
{
    // A box whose default face is not Arial: every line break carries that other face, so
    // the Arial line opens with a face tag of its own and closes italic at its line break.
    RichDocument doc;
    PreviewBuilder::build(doc, {QStringLiteral("Andale"), QStringLiteral("Arial")}, 22, true);
    const QString text = doc.text();
    for (qsizetype at = text.indexOf(u'\r'); at >= 0; at = text.indexOf(u'\r', at + 2)) {
        doc.select(int(at), 2);
        doc.setSelFontName(QStringLiteral("MS Sans Serif"));
    }
    EXPECT_EQ(bodyOf(FontListHtml::page(doc, kAddress)),
              QStringLiteral("<font face=\"arial\" size=6><b>Fonts</b></font>"
                             "<font face=\"ms sans serif\" size=6><br>\n"
                             "</font><font face=\"ms sans serif\" size=3><br>\n"
                             "</font><font face=\"andale\" size=6>Andale - <b>Bold,</b> "
                             "<i>Italic</i></font><font face=\"ms sans serif\" size=6><br>\n"
                             "</font><font face=\"arial\" size=6>Arial - <b>Bold,</b> "
                             "<i>Italic</i></font><font face=\"ms sans serif\" size=6><br>\n"
                             "</font>"));
}

TEST(FontListHtmlTest, EmptyListStillClosesTheFontTags)
{
    RichDocument doc;
    PreviewBuilder::build(doc, {}, 22, true);
    EXPECT_EQ(bodyOf(FontListHtml::page(doc, kAddress)),
              QStringLiteral("<font face=\"arial\" size=6><b>Fonts</b><br>\n</font>"
                             "<font face=\"arial\" size=3><br>\n</font>"));
}

TEST(FontListHtmlTest, OpenBoldAndItalicAreClosedAtTheEnd)
{
    RichDocument doc;
    doc.setText(QStringLiteral("ab"));
    doc.select(1, 1);
    doc.setSelBold(true);
    doc.setSelItalic(true);
    const QString page = FontListHtml::page(doc, kAddress);
    EXPECT_TRUE(page.contains(QStringLiteral("a<b><i>b</i></b></font>\r\n</body>")))
        << page.toStdString();
}

TEST(FontListHtmlTest, SizeClassesFollowTheChosenSize)
{
    RichDocument doc;
    PreviewBuilder::build(doc, {QStringLiteral("Arial")}, 24, false);
    const QString body = bodyOf(FontListHtml::page(doc, kAddress));
    EXPECT_TRUE(body.startsWith(QStringLiteral(
        "<font face=\"arial\" size=7><b>Fonts</b></font><font face=\"arial\" size=6><br>")));
    EXPECT_TRUE(body.contains(QStringLiteral("<font face=\"arial\" size=6>Arial")))
        << body.toStdString();
}

TEST(FontListHtmlTest, EscapesTextAndFaceAndWritesReferencesOutsideTheCodePage)
{
    RichDocument doc;
    const QString name = QStringLiteral("A&B <x> \"q\" \u00e9\u03a9\U0001F600");
    PreviewBuilder::build(doc, {name}, 12, false);
    const QString page = FontListHtml::page(doc, kAddress);
    EXPECT_TRUE(page.contains(QStringLiteral(
        "<font face=\"a&amp;b &lt;x&gt; &quot;q&quot; \u00e9&#969;&#128512;\" size=3>")))
        << page.toStdString();
    EXPECT_TRUE(
        page.contains(QStringLiteral("A&amp;B &lt;x&gt; \"q\" \u00e9&#937;&#128512;</font>")))
        << page.toStdString();
    EXPECT_TRUE(Cp1252::canEncode(page));
    const QByteArray bytes = FontListHtml::pageBytes(doc, kAddress);
    EXPECT_TRUE(bytes.contains("\xe9&#937;"));
}

TEST(FontListHtmlTest, CommentKeepsTheAddressAsItStands)
{
    RichDocument doc;
    const QString page =
        FontListHtml::page(doc, QStringLiteral("https://example.org/get?a=1&b=\"2\"--x\u03a9"));
    const QString comment = QStringLiteral("<!--List all the fonts on your computer with "
                                           "Facelister - download from "
                                           "https://example.org/get?a=1&b=\"2\"-x&#937;-->");
    EXPECT_TRUE(page.startsWith(comment + QStringLiteral("\r\n"))) << page.toStdString();
    EXPECT_TRUE(page.endsWith(comment + QStringLiteral("\r\n\r\n")));
}

TEST(FontListHtmlTest, HasContentNeedsTwoCharactersBesidesBlanks)
{
    EXPECT_FALSE(FontListHtml::hasContent(QString()));
    EXPECT_FALSE(FontListHtml::hasContent(QStringLiteral("   ")));
    EXPECT_FALSE(FontListHtml::hasContent(QStringLiteral("  a  ")));
    EXPECT_TRUE(FontListHtml::hasContent(QStringLiteral(" ab ")));
    EXPECT_TRUE(FontListHtml::hasContent(QStringLiteral("Fonts\r\n\r\n")));
    // Blanks are spaces: a line break or a tab is content like any other character.
    EXPECT_TRUE(FontListHtml::hasContent(QStringLiteral("  a \r\n")));
    EXPECT_TRUE(FontListHtml::hasContent(QStringLiteral("\r\n")));
    EXPECT_TRUE(FontListHtml::hasContent(QStringLiteral("\ta")));
}

TEST(FontListHtmlTest, SymbolFontLineNamesTheFontInTheDefaultFaceThenShowsItsGlyphs)
{
    RichDocument doc;
    PreviewBuilder::build(
        doc, {QStringLiteral("Tahoma"), QStringLiteral("Webdings")},
        {16, false, {}, [](const QString &entry) { return entry == QLatin1String("Webdings"); }});
    const QString defaultFace = doc.defaultFormat().face.toLower();
    const QString body = bodyOf(FontListHtml::page(doc, kAddress));
    EXPECT_TRUE(
        body.contains(QStringLiteral("<font face=\"%1\" size=5><br>\nWebdings: </font><font "
                                     "face=\"webdings\" size=5>ABC abc 123")
                          .arg(defaultFace)))
        << body.toStdString();
}

} // namespace
