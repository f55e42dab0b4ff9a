// The same behaviour from both rich-text boxes: the headless document and the editor
// widget. Every case here runs against each of them.
#include "richtext/richdocument.h"
#include "richtext/rtfwriter.h"
#include "widgets/richtext/richtextedit.h"

#include <gtest/gtest.h>

namespace {

template <typename Box> class RichTextBoxConformance : public testing::Test {
protected:
    Box box;
    RichTextBox &r() { return box; }

    // "ab", line break, "cd" with b in bold red IMPACT 20 pt raised 40 twips, the break in
    // blue and d italic lowered 60 twips.
    void formatSample()
    {
        r().setText("ab\r\ncd");
        r().select(1, 1);
        r().setSelFontName("IMPACT");
        r().setSelFontSize(20);
        r().setSelBold(true);
        r().setSelColour(0x0000FF);
        r().setSelCharOffset(40);
        r().select(2, 2);
        r().setSelColour(0xFF0000);
        r().select(5, 1);
        r().setSelItalic(true);
        r().setSelCharOffset(-60);
    }

    void expectSample(RichTextBox &b)
    {
        ASSERT_EQ(b.text(), "ab\r\ncd");
        const CharFormat plain = b.defaultFormat();
        EXPECT_EQ(b.formatAt(0), plain);
        EXPECT_EQ(b.formatAt(1), (CharFormat{"IMPACT", 20, 0x0000FF, true, false, 40}));
        const CharFormat lineBreak{plain.face, plain.size, 0xFF0000, false, false, 0};
        EXPECT_EQ(b.formatAt(2), lineBreak);
        EXPECT_EQ(b.formatAt(3), lineBreak);
        EXPECT_EQ(b.formatAt(4), plain);
        EXPECT_EQ(b.formatAt(5), (CharFormat{plain.face, plain.size, 0, false, true, -60}));
    }
};

using Boxes = testing::Types<RichDocument, RichTextEdit>;
TYPED_TEST_SUITE(RichTextBoxConformance, Boxes);

TYPED_TEST(RichTextBoxConformance, CountsEveryLineBreakAsCrLf)
{
    this->r().setText("a\nb\rc\r\nd");
    EXPECT_EQ(this->r().text(), "a\r\nb\r\nc\r\nd");
    this->r().select(1, 5);
    EXPECT_EQ(this->r().selText(), "\r\nb\r\n");
    this->r().select(3, 100);
    EXPECT_EQ(this->r().selStart(), 3);
    EXPECT_EQ(this->r().selLength(), 7);
    EXPECT_EQ(this->r().selText(), "b\r\nc\r\nd");
}

TYPED_TEST(RichTextBoxConformance, SelectionIsClampedAndStartCollapsesIt)
{
    this->r().setText("abc");
    this->r().select(1, 2);
    this->r().setSelStart(2);
    EXPECT_EQ(this->r().selLength(), 0);
    this->r().select(10, 5);
    EXPECT_EQ(this->r().selStart(), 3);
    EXPECT_EQ(this->r().selLength(), 0);
    this->r().select(-4, -1);
    EXPECT_EQ(this->r().selStart(), 0);
    EXPECT_EQ(this->r().selLength(), 0);
}

TYPED_TEST(RichTextBoxConformance, ReplacingTheSelectionTakesItsFormat)
{
    this->formatSample();
    this->r().select(1, 1);
    this->r().setSelText("XY\nZ");
    EXPECT_EQ(this->r().text(), "aXY\r\nZ\r\ncd");
    EXPECT_EQ(this->r().selStart(), 6);
    EXPECT_EQ(this->r().selLength(), 0);
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(this->r().formatAt(p), (CharFormat{"IMPACT", 20, 0x0000FF, true, false, 40}))
            << p;
    // Text typed at an insertion point takes the format of the character before it.
    this->r().select(10, 0);
    this->r().setSelText("!");
    EXPECT_EQ(this->r().text(), "aXY\r\nZ\r\ncd!");
    EXPECT_EQ(this->r().formatAt(10).offset, -60);
}

TYPED_TEST(RichTextBoxConformance, ChangesInsideALineBreakTakeTheWholeBreak)
{
    this->r().setText("ab\r\ncd");
    this->r().select(3, 0); // between CR and LF
    this->r().setSelText("X");
    EXPECT_EQ(this->r().text(), "abX\r\ncd");
    this->r().select(3, 1); // CR only
    this->r().setSelColour(0x00FF00);
    EXPECT_EQ(this->r().formatAt(3).colour, 0x00FF00);
    EXPECT_EQ(this->r().formatAt(4).colour, 0x00FF00);
    EXPECT_EQ(this->r().formatAt(5).colour, 0);
    this->r().select(4, 1); // LF only
    this->r().setSelText("");
    EXPECT_EQ(this->r().text(), "abXcd");
}

TYPED_TEST(RichTextBoxConformance, SetsEveryAttributeOnTheSelection)
{
    this->formatSample();
    this->expectSample(this->r());
}

TYPED_TEST(RichTextBoxConformance, MixedSelectionsReadAsNoValue)
{
    this->formatSample();
    this->r().select(0, 2);
    EXPECT_EQ(this->r().selFontName(), "");
    EXPECT_EQ(this->r().selFontSize(), std::nullopt);
    EXPECT_EQ(this->r().selColour(), std::nullopt);
    EXPECT_EQ(this->r().selBold(), std::nullopt);
    EXPECT_EQ(this->r().selItalic(), false);
    this->r().select(4, 2);
    EXPECT_EQ(this->r().selFontName(), RichDocument::kDefaultFace);
    EXPECT_EQ(this->r().selFontSize(), 12.0);
    EXPECT_EQ(this->r().selColour(), 0);
    EXPECT_EQ(this->r().selBold(), false);
    EXPECT_EQ(this->r().selItalic(), std::nullopt);
    this->r().select(1, 1);
    EXPECT_EQ(this->r().selFontName(), "IMPACT");
    EXPECT_EQ(this->r().selFontSize(), 20.0);
    EXPECT_EQ(this->r().selColour(), 0x0000FF);
    EXPECT_EQ(this->r().selBold(), true);
}

TYPED_TEST(RichTextBoxConformance, RefusedSizesLeaveTheSize)
{
    this->r().setText("abcd");
    for (const double refused : {0.0, 0.99, 1638.5, 5000.0, -3.0, std::nan("")}) {
        this->r().select(0, 1);
        this->r().setSelFontSize(refused);
        EXPECT_EQ(this->r().formatAt(0).size, 12.0) << refused;
    }
    this->r().select(1, 1);
    this->r().setSelFontSize(1.0);
    this->r().select(2, 1);
    this->r().setSelFontSize(1638.0);
    this->r().select(3, 1);
    this->r().setSelFontSize(10.5);
    EXPECT_EQ(this->r().formatAt(1).size, 1.0);
    EXPECT_EQ(this->r().formatAt(2).size, 1638.0);
    EXPECT_EQ(this->r().formatAt(3).size, 10.5);
}

TYPED_TEST(RichTextBoxConformance, BaseFontSizeChangesOnlyTextWithoutASizeOfItsOwn)
{
    this->r().setText("abc");
    this->r().select(0, 1);
    this->r().setSelFontSize(20);
    this->r().select(2, 1);
    this->r().setSelCharOffset(100);
    this->r().setBaseFontSize(30);
    EXPECT_EQ(this->r().formatAt(0).size, 20.0);
    EXPECT_EQ(this->r().formatAt(1).size, 30.0);
    EXPECT_EQ(this->r().formatAt(2),
              (CharFormat{RichDocument::kDefaultFace, 30, 0, false, false, 100}));
    EXPECT_EQ(this->r().defaultFormat().size, 30.0);
    this->r().setBaseFontSize(0);
    EXPECT_EQ(this->r().formatAt(1).size, 30.0);
    this->r().setText("new");
    EXPECT_EQ(this->r().formatAt(0).size, 30.0);
}

TYPED_TEST(RichTextBoxConformance, RtfRoundTripKeepsTextAndFormat)
{
    this->formatSample();
    const QByteArray rtf = this->r().rtf();
    TypeParam other;
    other.setRtf(rtf);
    this->expectSample(other);
    EXPECT_EQ(other.rtf(), rtf);
    // Both implementations write the same document for the same content.
    RichDocument reference;
    reference.setRtf(rtf);
    EXPECT_EQ(reference.rtf(), rtf);
}

TYPED_TEST(RichTextBoxConformance, SelectionRtfReplacesTheSelection)
{
    this->formatSample();
    this->r().select(1, 3); // b and the break
    const QByteArray piece = this->r().selRtf();
    TypeParam target;
    target.setText("xyz");
    target.select(1, 1);
    target.setSelRtf(piece);
    EXPECT_EQ(target.text(), "xb\r\nz");
    EXPECT_EQ(target.formatAt(1), (CharFormat{"IMPACT", 20, 0x0000FF, true, false, 40}));
    EXPECT_EQ(target.formatAt(2).colour, 0xFF0000);
    EXPECT_EQ(target.formatAt(4), target.defaultFormat());
    EXPECT_EQ(target.selStart(), 4);
}

TYPED_TEST(RichTextBoxConformance, TextThatIsNotRtfGoesInAsPlainText)
{
    this->formatSample();
    this->r().setRtf("$%^&");
    EXPECT_EQ(this->r().text(), "$%^&");
    EXPECT_EQ(this->r().formatAt(2), this->r().defaultFormat());
    this->r().setRtf(QString("caf\u00e9 \u4e2d").toUtf8());
    EXPECT_EQ(this->r().text(), QString("caf\u00e9 \u4e2d"));
    this->r().setRtf(QByteArray("caf\xe9"));
    EXPECT_EQ(this->r().text(), QString("caf\u00e9"));
    this->r().select(0, 4);
    this->r().setSelRtf("plain\r\nline");
    EXPECT_EQ(this->r().text(), "plain\r\nline");
}

TYPED_TEST(RichTextBoxConformance, TheEmptyStringEmptiesTheBox)
{
    this->formatSample();
    this->r().setRtf(QByteArray());
    EXPECT_EQ(this->r().text(), "");
    EXPECT_EQ(this->r().selStart(), 0);
    this->r().setSelText("new");
    EXPECT_EQ(this->r().formatAt(0), this->r().defaultFormat());
}

TYPED_TEST(RichTextBoxConformance, ReadsASplicedDocument)
{
    // The formatter's Refresh: each piece formatted alone, the pieces' RTF spliced.
    TypeParam marker;
    marker.setRtf("$%^&");
    const QByteArray m = marker.rtf();
    const QByteArray h = m.left(m.toLower().indexOf("deftab") + 9);
    const QByteArray f = m.mid(m.toLower().indexOf("\\par "));
    const QStringList pieces{"ab}cd\\", "\r\nx{y"};
    const QStringList faces{"DejaVu Sans", "Liberation Serif"};
    QByteArray spliced = h;
    for (int i = 0; i < 2; ++i) {
        this->r().setText(pieces[i]);
        for (int k = 0; k < pieces[i].size(); ++k) {
            this->r().select(k, 1);
            this->r().setSelFontName(faces[(i + k) % 2]);
            this->r().setSelColour(0x010203 * (i * 7 + k + 1));
        }
        QByteArray doc = this->r().rtf();
        doc.replace(h, "");
        doc.replace(f, "");
        spliced += doc;
    }
    spliced += f;
    this->r().setRtf(spliced);
    ASSERT_EQ(this->r().text(), "ab}cd\\\r\nx{y");
    for (int p = 0; p < 11; ++p) {
        const int piece = p < 6 ? 0 : 1;
        const int k = p - piece * 6;
        // Formatting the LF alone formats the whole line break.
        const int unit = p == 6 ? 1 : k;
        EXPECT_EQ(this->r().formatAt(p).face, faces[(piece + unit) % 2]) << p;
        EXPECT_EQ(this->r().formatAt(p).colour, 0x010203 * (piece * 7 + unit + 1)) << p;
    }
    // Written again, it has one font table and one colour table.
    const QByteArray again = this->r().rtf();
    EXPECT_EQ(again.count("\\fonttbl"), 1);
    EXPECT_EQ(again.count("\\colortbl"), 1);
}

} // namespace
