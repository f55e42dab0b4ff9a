// The HTML fragment of rich copy: read back span by span, it gives the runs it was made of.
#include "html/htmlfragment.h"
#include "richtext/richdocument.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The quoted face before the generic family, its backslash escapes undone.
QString faceOf(const QString &family)
{
    static const QRegularExpression kQuoted(QStringLiteral("^'((?:[^'\\\\]|\\\\.)*)'"));
    QString face = kQuoted.match(family).captured(1);
    static const QRegularExpression kEscape(QStringLiteral("\\\\(.)"));
    return face.replace(kEscape, QStringLiteral("\\1"));
}

// Reads one inline style back into a format.
CharFormat styleFormat(const QString &style)
{
    CharFormat f;
    for (const QString &item : style.split(QLatin1Char(';'))) {
        const QString key = item.section(QLatin1Char(':'), 0, 0);
        const QString value = item.section(QLatin1Char(':'), 1);
        if (key == "font-family")
            f.face = faceOf(value);
        else if (key == "font-size")
            f.size = value.chopped(2).toDouble();
        else if (key == "color")
            f.colour = qint32(qToBigEndian(value.mid(1).toUInt(nullptr, 16)) >> 8);
        else if (key == "font-weight")
            f.bold = value == "bold";
        else if (key == "font-style")
            f.italic = value == "italic";
        else if (key == "vertical-align")
            f.offset = qRound(value.chopped(2).toDouble() * 20);
    }
    return f;
}

QString unescaped(QString html)
{
    html.replace("<br>", "\r\n").replace("&nbsp;", " ").replace("&lt;", "<");
    html.replace("&gt;", ">").replace("&quot;", "\"").replace("&#39;", "'");
    return html.replace("&amp;", "&");
}

RichRuns readBack(const QString &fragment)
{
    static const QRegularExpression kSpan(QStringLiteral("<span style=\"([^\"]*)\">(.*?)</span>"));
    RichRuns runs;
    for (const auto &m : kSpan.globalMatch(fragment))
        runs.append({unescaped(m.captured(2)), styleFormat(unescaped(m.captured(1)))});
    return runs;
}

} // namespace

void PrintTo(const RichRun &run, std::ostream *os)
{
    const CharFormat &f = run.format;
    *os << '"' << run.text.toStdString() << "\" " << f.face.toStdString() << ' ' << f.size << ' '
        << f.colour << (f.bold ? " b" : "") << (f.italic ? " i" : "") << " @" << f.offset;
}

TEST(HtmlFragment, SpansReadBackAsTheRunsOfTheBox)
{
    RichDocument doc;
    doc.setText(QStringLiteral("  A <b> & \"q\"\r\n\u00E9\u20AC\u00A0x") +
                QString::fromUcs4(U"\U0001F600") + QStringLiteral(" up down"));
    doc.select(2, 1);
    doc.setSelFontName(QStringLiteral("O'Brien \\ \"Sans\""));
    doc.setSelFontSize(10.5);
    doc.setSelBold(true);
    doc.select(4, 3);
    doc.setSelItalic(true);
    doc.setSelColour(0x0080FF); // orange: red 255, green 128
    doc.select(13, 2);          // the line break alone
    doc.setSelFontSize(20);
    doc.select(22, 2);
    doc.setSelCharOffset(60);
    doc.select(25, 4);
    doc.setSelCharOffset(-40);
    const QString fragment = HtmlFragment::fromRuns(doc.runs());
    EXPECT_EQ(readBack(fragment), doc.runs());
    // Characters outside ASCII go as themselves, not as references.
    EXPECT_TRUE(fragment.contains(QStringLiteral("\u00E9\u20AC\u00A0x")));
    EXPECT_FALSE(fragment.contains(QLatin1String("&#")));
}

TEST(HtmlFragment, GenericFamilyStandsInForTheFace)
{
    const std::pair<const char *, const char *> cases[] = {{"Courier New", "monospace"},
                                                           {"DejaVu Sans Mono", "monospace"},
                                                           {"Brush Script MT", "cursive"},
                                                           {"Comic Sans MS", "cursive"},
                                                           {"Times New Roman", "serif"},
                                                           {"DejaVu Serif", "serif"},
                                                           {"Liberation Sans", "sans-serif"},
                                                           {"Arial", "sans-serif"},
                                                           {"", "sans-serif"}};
    for (const auto &[face, family] : cases)
        EXPECT_EQ(HtmlFragment::genericFamily(QString::fromLatin1(face)), QLatin1String(family))
            << face;
}
