// Documents from outside: text in the code pages that word processors write, symbol fonts,
// hidden and capitalised text, pasted paragraph marks, and font names that need escaping.
#include "richtext/richdocument.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

RichDocument read(const QByteArray &rtf)
{
    RichDocument doc;
    doc.setRtf(rtf);
    return doc;
}

QByteArray dataFile(const char *name)
{
    QFile file(QStringLiteral(KERNCRAFT_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct FileCase {
    const char *file;
    QString text;
};

class RtfCodePageFile : public testing::TestWithParam<FileCase> {};

TEST_P(RtfCodePageFile, ReadsTheText)
{
    const QByteArray rtf = dataFile(GetParam().file);
    ASSERT_FALSE(rtf.isEmpty()) << GetParam().file;
    EXPECT_EQ(read(rtf).text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RtfCodePageFile,
    testing::Values(FileCase{"cyrillic-ansicpg1251.rtf", QString("Привет, мир! ёЁ №")},
                    FileCase{"greek-turkish-fcharset.rtf", QString("Αθήνα è İstanbul ğüşöç")},
                    // Pairs split across lines of the file, trails written as plain letters, a \u
                    // with its two fallback bytes.
                    FileCase{"shiftjis-split.rtf", QString("日本語アイウ ok 日語")},
                    // The symbol font keeps its byte codes; the Cyrillic font after it does not.
                    FileCase{"symbol-font.rtf", QString("\u00e0\u00b7ab\u0080 \u0430\u0402")},
                    FileCase{"mac-roman.rtf", QString("café • naïve “x”")},
                    // Lead bytes cut off by a control word and by the end of the group.
                    FileCase{"truncated-dbcs.rtf", QString("日x")},
                    FileCase{"unknown-codepage.rtf", QString("café €é")},
                    // Made with: soffice --headless --infilter="Text (encoded):UTF8,LF,,,"
                    // --convert-to rtf on a three-line UTF-8 text file.
                    FileCase{"libreoffice-mixed.rtf",
                             QString("Кириллица: Съешь же ещё этих мягких французских булок.\r\n"
                                     "Ελληνικά: Ξεσκεπάζω την ψυχοφθόρα βδελυγμία.\r\n"
                                     "日本語: いろはにほへと ちりぬるを、カタカナ。")}),
    [](const testing::TestParamInfo<FileCase> &info) {
        std::string name;
        for (const char *c = info.param.file; *c && *c != '.'; ++c)
            name += std::isalnum(uchar(*c)) ? *c : '_';
        return name;
    });

TEST(RtfCodePage, FontNamesReadInTheirFontsPage)
{
    const RichDocument doc = read(dataFile("shiftjis-split.rtf"));
    EXPECT_EQ(doc.formatAt(0).face, QString("ＭＳ 明朝"));
    EXPECT_EQ(read(dataFile("greek-turkish-fcharset.rtf")).formatAt(8).face, "Arial TUR");
}

struct InlineCase {
    const char *name;
    QByteArray rtf;
    QString text;
};

class RtfCharacterState : public testing::TestWithParam<InlineCase> {};

TEST_P(RtfCharacterState, ReadsTheText)
{
    EXPECT_EQ(read(GetParam().rtf).text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfCharacterState,
    testing::Values(
        InlineCase{"PcIsCodePage437", "{\\rtf1\\pc \\'82\\'e1\\'9b}", QString("éß¢")},
        InlineCase{"PcaIsCodePage850", "{\\rtf1\\pca \\'82\\'e1\\'9b}", QString("éßø")},
        InlineCase{"CpgWinsOverCharset",
                   "{\\rtf1{\\fonttbl{\\f0\\fcharset204\\cpg1253 A;}}\\f0 \\'e1}", QString("α")},
        InlineCase{"CharsetOneIsTheDocumentsPage",
                   "{\\rtf1\\ansicpg1250{\\fonttbl{\\f0\\fcharset1 A;}}\\f0 \\'b9}", QString("ą")},
        InlineCase{"BrokenPairKeepsTheSecondByte", "{\\rtf1\\ansicpg932 \\'93\\'31x\\'93 z}",
                   QString("\ufffd1x\ufffd z")},
        InlineCase{
            "Utf8PageJoinsItsSequences",
            "{\\rtf1\\ansi\\ansicpg65001 \\'e2\\'82\\'ac caf\\'c3\\'a9 \\'f0\\'9f\\'98\\'80}",
            QString::fromUtf8("\u20ac caf\u00e9 \U0001F600")},
        InlineCase{"Utf8PageBrokenSequenceIsOneReplacement",
                   "{\\rtf1\\ansicpg65001 \\'e2\\'82x\\'ff y}", QString("\ufffdx\ufffd y")},
        InlineCase{"HiddenTextDropped", "{\\rtf1 a{\\v hidden\\par more}b\\v c\\v0 d\\par}", "abd"},
        InlineCase{"PlainEndsHiddenAndCaps", "{\\rtf1\\v x\\plain y\\caps z\\plain w}", "yZw"},
        InlineCase{"CapsReadUpperCase", "{\\rtf1 a{\\caps bc\\u233?\\'e9}d\\caps0 e}",
                   QString("aBCÉÉde")}),
    [](const testing::TestParamInfo<InlineCase> &info) { return std::string(info.param.name); });

TEST(RtfPaste, ForeignDocumentsKeepTheirLastParagraphMark)
{
    const QByteArray foreign = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 one\\par two\\par }";
    RichDocument doc;
    doc.setText("[]");
    doc.select(1, 0);
    doc.setSelRtf(foreign);
    EXPECT_EQ(doc.text(), "[one\r\ntwo\r\n]");
    EXPECT_EQ(read(foreign).text(), "one\r\ntwo");

    // Our own documents end in a footer that is no paragraph: copy and paste is exact.
    RichDocument source;
    source.setText("x\r\ny");
    doc.setText("[]");
    doc.select(1, 0);
    doc.setSelRtf(source.rtf());
    EXPECT_EQ(doc.text(), "[x\r\ny]");
}

const SymbolFaces kSymbols({"Symbol", "Wing;dings"});

TEST(RtfFontTable, SymbolFontsAreMarkedAndNamesEscaped)
{
    RichDocument doc;
    doc.setSymbolFaces(kSymbols);
    doc.setRuns(RichRuns{{"a", {"symbol", 12, 0}}, {"b", {"Odd;{Name}\\", 12, 0}}});
    const QByteArray rtf = doc.rtf();
    EXPECT_TRUE(rtf.contains("{\\f0\\fnil\\fcharset2 symbol;}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\f1\\fnil\\fcharset0 Odd\\'3b\\{Name\\}\\\\;}")) << rtf.constData();
}

TEST(RtfFontTable, SymbolFontsAndOddNamesReadBackIdentical)
{
    // Every byte code of a symbol font, text that Windows-1252 would write as the same
    // bytes, and names that cut a font table short when written as they are.
    QString codes;
    for (char16_t c = 0x20; c <= 0xFF; ++c)
        codes += QChar(c);
    const RichRuns runs{{codes + QString("€\uf0b7\u4e2d"), {"Symbol", 12, 0}},
                        {codes + QString("€"), {"Arial", 12, 0}},
                        {"x;y", {"Wing;dings", 10, 0xFF}},
                        {"z", {"A;B {C} \\D é Ж", 14, 0}},
                        {"w", {"Symbol", 12, 0, true}}};
    RichDocument doc;
    doc.setSymbolFaces(kSymbols);
    doc.setRuns(runs);
    const QByteArray rtf = doc.rtf();
    RichDocument back = read(rtf);
    back.setSymbolFaces(kSymbols);
    ASSERT_EQ(back.text(), doc.text()) << rtf.constData();
    for (int p = 0; p < doc.length(); ++p)
        ASSERT_EQ(back.formatAt(p), doc.formatAt(p)) << "position " << p;
    EXPECT_EQ(back.rtf(), rtf);
}

// Each document marks the faces of its own catalog: two catalogs meet in one process.
TEST(RtfFontTable, SymbolFacesTravelWithTheDocument)
{
    const RichRuns runs{{"a", {"Symbol", 12, 0}}, {"b", {"Webdings", 12, 0}}};
    RichDocument first;
    first.setSymbolFaces(SymbolFaces({"symbol"}));
    first.setRuns(runs);
    RichDocument second;
    second.setSymbolFaces(SymbolFaces({"Webdings"}));
    second.setRuns(runs);
    RichDocument plain;
    plain.setRuns(runs);
    const QByteArray a = first.rtf(), b = second.rtf(), c = plain.rtf();
    EXPECT_TRUE(a.contains("\\fcharset2 Symbol;") && a.contains("\\fcharset0 Webdings;"))
        << a.constData();
    EXPECT_TRUE(b.contains("\\fcharset0 Symbol;") && b.contains("\\fcharset2 Webdings;"))
        << b.constData();
    EXPECT_FALSE(c.contains("fcharset2")) << c.constData();
    first.select(0, 1);
    EXPECT_TRUE(first.selRtf().contains("\\fcharset2 Symbol;")) << first.selRtf().constData();
}

} // namespace
