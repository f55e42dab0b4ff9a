// The HTML writer: closed font runs where face, size or colour change, bold and italic
// marks, line breaks, escaping, the two frames and the file's encoding. The original page
// opened each tag inside the last and closed none; the expected bodies here are the closed
// form that browsers lay out quickly.
#include "core/progressstate.h"
#include "effects/htmlwriter.h"
#include "fakes/htmlnesting.h"
#include "richtext/richdocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A document of runs: each run's text with face, size, colour, bold and italic.
struct Piece {
    QString text;
    QString face = QStringLiteral("Arial");
    double size = 14;
    qint32 colour = 0;
    bool bold = false;
    bool italic = false;
};

void fill(RichDocument &doc, const QList<Piece> &pieces)
{
    RichRuns runs;
    for (const Piece &p : pieces) {
        CharFormat f;
        f.face = p.face;
        f.size = p.size;
        f.colour = p.colour;
        f.bold = p.bold;
        f.italic = p.italic;
        runs.append({p.text, f});
    }
    doc.setRuns(runs);
}

QString bodyOf(const QList<Piece> &pieces)
{
    RichDocument doc;
    fill(doc, pieces);
    return HtmlWriter::body(doc);
}

} // namespace

TEST(HtmlBody, OneTagForUniformText)
{
    EXPECT_EQ(bodyOf({{"abc"}}),
              QStringLiteral("<font face=\"arial\" size=4 color=000000>abc</font>"));
}

TEST(HtmlBody, BoldRunOpensAndClosesWithoutNewTag)
{
    Piece bold{"ab"};
    bold.bold = true;
    EXPECT_EQ(bodyOf({bold, {"cd"}}),
              QStringLiteral("<font face=\"arial\" size=4 color=000000><b>ab</b>cd</font>"));
    Piece both{"x"};
    both.bold = true;
    both.italic = true;
    EXPECT_EQ(bodyOf({both}),
              QStringLiteral("<font face=\"arial\" size=4 color=000000><b><i>x</i></b></font>"));
}

TEST(HtmlBody, SizesColoursAndFaces)
{
    const double sizes[] = {8, 9, 10, 11, 12, 13, 15, 16, 19, 20, 29, 30, 10.5};
    const int classes[] = {1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7};
    for (int i = 0; i < 13; ++i) {
        Piece p{"a"};
        p.size = sizes[i];
        EXPECT_TRUE(bodyOf({p}).contains(QStringLiteral(" size=%1 ").arg(classes[i]))) << sizes[i];
    }
    Piece red{"r"};
    red.colour = 0x0000FF;
    red.face = QStringLiteral("Comic Sans MS");
    EXPECT_EQ(bodyOf({red}),
              QStringLiteral("<font face=\"comic sans ms\" size=4 color=FF0000>r</font>"));
    Piece other{"s"};
    other.colour = 0x00FF00;
    EXPECT_EQ(bodyOf({{"a"}, other}),
              QStringLiteral("<font face=\"arial\" size=4 color=000000>a</font>"
                             "<font face=\"arial\" size=4 color=00FF00>s</font>"));
}

TEST(HtmlBody, LineBreaksStandBetweenTheRuns)
{
    RichDocument doc;
    Piece bold{"a"};
    bold.bold = true;
    Piece brk{"\r\n"};
    brk.colour = 0x0000FF; // a break with attributes of its own
    brk.italic = true;
    fill(doc, {bold, brk, {"b"}});
    const QString html = HtmlWriter::body(doc);
    EXPECT_EQ(html,
              QStringLiteral("<font face=\"arial\" size=4 color=000000><b>a</b></font><br><br>"
                             "<font face=\"arial\" size=4 color=000000>b</font>"));
}

TEST(HtmlBody, EscapesTextAndFaceAndReferencesOtherCharacters)
{
    Piece p{QStringLiteral("a<b & \"c\" \u3042") + QString::fromUcs4(U"\U0001F600") + "\u00E9"};
    p.face = QStringLiteral("A&B \"Q\"");
    EXPECT_EQ(bodyOf({p}),
              QStringLiteral("<font face=\"a&amp;b &quot;q&quot;\" size=4 color=000000>"
                             "a&lt;b &amp; \"c\" &#12354;&#128512;\u00E9</font>"));
}

TEST(HtmlFrames, ClipboardCollapsesBreaksAndWrapsInComments)
{
    RichDocument doc;
    fill(doc, {{"a\r\nb\r\n\r\nc\r\n\r\n\r\nd"}});
    ProgressState progress;
    const QString html = HtmlWriter::clipboardText(doc, "http://x/", &progress);
    const QString c =
        QStringLiteral("<!--Shimmer FX created by Kerncraft - download from http://x/-->");
    EXPECT_EQ(
        html,
        c +
            QStringLiteral(
                "<font face=\"arial\" size=4 color=000000>a</font><br><font face=\"arial\" size=4 "
                "color=000000>b</font><br><br><font face=\"arial\" size=4 color=000000>c</font>"
                "<br><br><br><font face=\"arial\" size=4 color=000000>d</font>") +
            c + QStringLiteral("\r\n"));
    EXPECT_EQ(progress.max(), doc.length());
    EXPECT_EQ(progress.value(), doc.length());

    RichDocument empty;
    EXPECT_EQ(HtmlWriter::clipboardText(empty, "http://x/"), c + c + "\r\n");
}

TEST(HtmlFrames, FileIsWindows1252WithTitleAndFrame)
{
    RichDocument doc;
    fill(doc, {{QStringLiteral("\u00E9\u3042")}});
    const QByteArray bytes = HtmlWriter::fileBytes(doc, QStringLiteral("Mine <1>"), "http://x/");
    const QByteArray c =
        "<!--Shimmer FX created by Glintwork (part of Kerncraft v1.0) - download from http://x/-->";
    const QByteArray expected =
        c +
        "<html>\r\n<head>\r\n"
        "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>\r\n"
        "<meta name='generator' content='Glintwork from Quillbright'>\r\n"
        "<title>Mine &lt;1&gt;</title>\r\n</head>\r\n<body>\r\n"
        "<font face=\"arial\" size=4 color=000000>\xE9&#12354;</font>\r\n"
        "</body>\r\n</html>\r\n" +
        c + "\r\n";
    EXPECT_EQ(bytes, expected);
}

TEST(HtmlFrames, ALongRandomResultNestsThreeDeepAndKeepsItsText)
{
    QList<Piece> pieces;
    QString visible;
    for (int i = 0; i < 3000; ++i) {
        Piece p{i % 60 == 59 ? QStringLiteral("\r\n") : QString(QChar(u'a' + i % 26))};
        p.face = QStringLiteral("Face %1").arg(i % 5);
        p.size = 8 + i % 30;
        p.colour = qint32(quint32(i) * 40503u % 0xFFFFFFu);
        p.bold = i % 3 == 0;
        p.italic = i % 4 == 0;
        pieces.append(p);
        visible += p.text == QLatin1String("\r\n") ? QString() : p.text;
    }
    RichDocument doc;
    fill(doc, pieces);
    const QString page = QString::fromLatin1(HtmlWriter::fileBytes(doc, "t", "http://x/"));
    const HtmlNesting nesting = HtmlNesting::of(page);
    EXPECT_TRUE(nesting.balanced);
    EXPECT_LE(nesting.maxDepth, 3);
    EXPECT_TRUE(page.contains(QLatin1String("</body>\r\n</html>\r\n")));
    // Without its tags and comments the body is the text itself.
    QString body = page.mid(page.indexOf(QLatin1String("<body>")) + 6);
    body.truncate(body.indexOf(QLatin1String("</body>")));
    body.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).remove(QLatin1String("\r\n"));
    EXPECT_EQ(body, visible);
}

// The batch writes the page a part at a time: cut anywhere, the parts must still collapse
// every "<br><br>" and reference every character the code page lacks as the whole page does,
// up to a pair that needs a reference at the very end and an address the code page lacks.
TEST(HtmlFrames, PartsJoinedAreTheWholePage)
{
    Piece bold{QStringLiteral("\u00E9a<b\r\n\r\n\r\n")};
    bold.bold = true;
    Piece late{QStringLiteral("x\r\ny\u3042\r\n") + QString::fromUcs4(U"\U0001F600")};
    late.colour = 0x0000FF;
    late.face = QStringLiteral("Z\u00F6\u4E00");
    RichDocument doc;
    fill(doc, {{QStringLiteral("plain\r\n\r\n")}, bold, {QStringLiteral("\r\nbb\u20AC")}, late});
    const QString address = QStringLiteral("http://x/\u0416");
    const QByteArray whole = HtmlWriter::fileBytes(doc, QStringLiteral("T\u0416"), address);
    for (const qsizetype partChars : {1, 7, 64, 300, 1 << 20}) {
        SCOPED_TRACE(partChars);
        QByteArrayList parts;
        ProgressState progress;
        EXPECT_TRUE(HtmlWriter::writeFile(
            doc, QStringLiteral("T\u0416"), address,
            [&parts](const QByteArray &part) {
                parts.append(part);
                return true;
            },
            partChars, &progress));
        EXPECT_EQ(parts.join(), whole);
        EXPECT_EQ(parts.size() > 1, partChars < whole.size());
        EXPECT_EQ(progress.value(), doc.length());
    }
    int calls = 0;
    EXPECT_FALSE(HtmlWriter::writeFile(
        doc, "t", address, [&calls](const QByteArray &) { return ++calls > 1; }, 1));
    EXPECT_EQ(calls, 1);
}

TEST(HtmlFrames, SaveKindsByEnding)
{
    EXPECT_EQ(HtmlWriter::saveKind("a.HTML"), HtmlWriter::SaveKind::Html);
    EXPECT_EQ(HtmlWriter::saveKind("a.htm"), HtmlWriter::SaveKind::Html);
    EXPECT_EQ(HtmlWriter::saveKind("a.Rtf"), HtmlWriter::SaveKind::Rtf);
    EXPECT_EQ(HtmlWriter::saveKind("a.txt"), HtmlWriter::SaveKind::Other);
    EXPECT_EQ(HtmlWriter::saveKind("noending"), HtmlWriter::SaveKind::Other);
}
