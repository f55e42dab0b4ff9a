// The Refresh over one mixed text with every installed font selected, asked of the real
// character maps: one format per perceived character, one font, size and position per word
// of a joining script, a face that has the glyphs for every character, and the whole text
// in the box, the RTF and the HTML in every output mode.
#include "core/progressstate.h"
#include "core/randomsource.h"
#include "effects/fontchooser.h"
#include "effects/formatter.h"
#include "effects/htmlwriter.h"
#include "effects/recentcolours.h"
#include "effects/textunits.h"
#include "fakes/fakerefreshhost.h"
#include "richtext/richdocument.h"
#include "widgets/fonts/qtfontcatalog.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString &mixedText()
{
    static const QString text = QString::fromUcs4(
        U"Cafe\u0301 na\u0308ive \u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627"
        U"\u0644\u0645 \u0928\u092E\u0938\u094D\u0924\u0947 \u0926\u0941\u0928\u093F\u092F"
        U"\u093E \u3053\u3093\u306B\u3061\u306F\u4E16\u754C \U0001F389 "
        U"\U0001F468\u200D\U0001F469\u200D\U0001F467 \U0001F1EF\U0001F1F5 \u2764\uFE0F end.");
    return text;
}

const QtFontCatalog &catalog()
{
    static const QtFontCatalog installed;
    return installed;
}

struct RunSetup {
    const char *name;
    OutputMode mode;
    bool words;
    bool alternate;
};

RichDocument refreshed(const RunSetup &setup)
{
    RandomSource random(21);
    RecentColours recent;
    ProgressState progress;
    Formatter formatter(random, recent, progress);
    formatter.setSymbolFonts(catalog().symbolFontNames());
    formatter.setFontCatalog(&catalog());
    FakeRefreshHost host;
    EffectSettings s;
    s.setFonts(catalog().names());
    s.fontSelected.fill(true);
    s.text = mixedText();
    s.formatWordByWord = setup.words;
    s.alternateSelectedFonts = setup.alternate;
    s.colouring = EffectSettings::ColourRandom;
    RichDocument box;
    formatter.refresh(s, setup.mode, box, host);
    return box;
}

const RunSetup kSetups[] = {
    {"Normal, random fonts", OutputMode::Normal, false, false},
    {"HTML, fonts in turn", OutputMode::Html, false, true},
    {"Word Processor, random fonts", OutputMode::WordProcessor, false, false},
    {"Normal, word by word", OutputMode::Normal, true, false},
};

QString htmlText(const RichDocument &box)
{
    QTextDocument page;
    // The writer's colours are bare hexadecimal, which the page's parser would warn about.
    page.setHtml(HtmlWriter::body(box).remove(QRegularExpression(QStringLiteral(" color=\\w+"))));
    return page.toPlainText().replace(QChar(0x2029), QLatin1Char('\n'));
}

} // namespace

TEST(InstalledFonts, EveryUnitHasOneFormatAndAFaceThatDrawsIt)
{
    for (const RunSetup &setup : kSetups) {
        const RichDocument box = refreshed(setup);
        const QString text = box.text();
        for (const TextUnits::Span &span : TextUnits::spans(text)) {
            const QString part = text.mid(span.start, span.length);
            const CharFormat first = box.formatAt(int(span.start));
            for (qsizetype i = span.start + 1; i < span.start + span.length; ++i) {
                const CharFormat f = box.formatAt(int(i));
                // A joined word keeps one font, size and position; a perceived character
                // keeps everything.
                ASSERT_EQ(f.face, first.face) << setup.name << " " << part.toStdString();
                ASSERT_EQ(f.size, first.size) << setup.name << " " << part.toStdString();
                ASSERT_EQ(f.offset, first.offset) << setup.name << " " << part.toStdString();
                ASSERT_EQ(f, first) << setup.name << " " << part.toStdString();
            }
            if (FontChooser::required(part).isEmpty())
                continue;
            EXPECT_TRUE(catalog().hasGlyphsFor(first.face, FontChooser::required(part)))
                << setup.name << ": " << first.face.toStdString() << " for " << part.toStdString();
        }
    }
}

TEST(InstalledFonts, NothingIsLostInTheBoxTheRtfOrTheHtml)
{
    for (const RunSetup &setup : kSetups) {
        const RichDocument box = refreshed(setup);
        EXPECT_EQ(box.text(), mixedText()) << setup.name;
        RichDocument reread;
        reread.setRtf(box.rtf());
        EXPECT_EQ(reread.text(), mixedText()) << setup.name;
        EXPECT_EQ(htmlText(box), mixedText()) << setup.name;
    }
}
