// Whether the office suite and the web browser draw the formatted Arabic words joined and
// in order: each reader renders the Refresh's RTF or HTML, the same words in one plain
// run per word, and the words with joining forbidden (ZWNJ between the letters). Joined
// words show fewer separate strokes than the forbidden ones and as many as the plain run.
// Needs soffice, pdftoppm and chromium: disabled in the ordinary run, started by
// scripts/check-readers.sh.
#include "core/progressstate.h"
#include "core/randomsource.h"
#include "effects/formatter.h"
#include "effects/htmlwriter.h"
#include "effects/recentcolours.h"
#include "fakes/fakerefreshhost.h"
#include "richtext/richdocument.h"
#include "widgets/fonts/qtfontcatalog.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <iostream>

namespace {

const QString kWords = QStringLiteral("\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639"
                                      "\u0627\u0644\u0645");

// Ink columns of the image's darker-than-paper pixels, as runs separated by blank columns:
// (count, total width of the ink's bounding box).
std::pair<int, int> strokes(const QImage &image)
{
    int runs = 0;
    int first = -1;
    int last = -1;
    bool inRun = false;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y) {
            const QColor c = image.pixelColor(x, y);
            ink = std::min({c.red(), c.green(), c.blue()}) < 200;
        }
        if (ink && !inRun) {
            ++runs;
            first = first < 0 ? x : first;
        }
        if (ink)
            last = x;
        inRun = ink;
    }
    return {runs, last - first + 1};
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitCode() == 0;
}

// The words as plain runs: each word in the face, size, bold and italic the Refresh gave
// its first letter, in black and on the baseline.
RichDocument plainWords(const RichDocument &formatted, const QString &text)
{
    RichDocument plain;
    plain.setText(text);
    int source = 0; // the letter of the formatted text, ZWNJ skipped
    for (int i = 0; i < text.size(); ++i) {
        const CharFormat f = formatted.formatAt(source);
        source += text[i] == QChar(0x200C) ? 0 : 1;
        plain.select(i, 1);
        plain.setSelFontName(f.face);
        plain.setSelFontSize(f.size);
        plain.setSelBold(f.bold);
        plain.setSelItalic(f.italic);
    }
    return plain;
}

QString withoutJoins(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (!out.isEmpty() && c != u' ' && out.back() != u' ')
            out += QChar(0x200C);
        out += c;
    }
    return out;
}

RichDocument formatted(const QString &text)
{
    static const QtFontCatalog catalog;
    RandomSource random(5);
    RecentColours recent;
    ProgressState progress;
    Formatter formatter(random, recent, progress);
    formatter.setSymbolFonts(catalog.symbolFontNames());
    formatter.setFontCatalog(&catalog);
    FakeRefreshHost host;
    EffectSettings s;
    s.setFonts(catalog.names());
    s.fontSelected.fill(true);
    s.text = text;
    s.characterPosition = EffectSettings::PositionNone;
    RichDocument box;
    formatter.refresh(s, OutputMode::Normal, box, host);
    return box;
}

struct Rendered {
    std::pair<int, int> formatted;
    std::pair<int, int> plain;
    std::pair<int, int> unjoined;
};

QImage byOffice(const QDir &dir, const QString &name, const QByteArray &rtf)
{
    QFile file(dir.filePath(name + ".rtf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    file.close();
    if (!run("soffice",
             {"--headless", "--convert-to", "pdf", "--outdir", dir.path(), file.fileName()}) ||
        !run("pdftoppm", {"-r", "100", "-png", "-singlefile", "-y", "0", "-H", "300",
                          dir.filePath(name + ".pdf"), dir.filePath(name + "-office")}))
        return {};
    return QImage(dir.filePath(name + "-office.png"));
}

QImage byBrowser(const QDir &dir, const QString &name, const RichDocument &doc)
{
    const QString html = QStringLiteral("<html><head><meta charset=\"windows-1252\"></head>"
                                        "<body>%1</body></html>")
                             .arg(HtmlWriter::body(doc));
    QFile file(dir.filePath(name + ".htm"));
    if (!file.open(QIODevice::WriteOnly) || file.write(html.toLatin1()) < 0)
        return {};
    file.close();
    const QString png = dir.filePath(name + "-browser.png");
    if (!run("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                          "--window-size=900,300", "--screenshot=" + png,
                          QUrl::fromLocalFile(file.fileName()).toString()}))
        return {};
    return QImage(png);
}

} // namespace

TEST(DISABLED_ExternalReaders, ArabicWordsComeOutJoinedAndInOrder)
{
    QTemporaryDir temp;
    temp.setAutoRemove(false);
    const QDir dir(temp.path());
    const RichDocument words = formatted(kWords);
    const RichDocument plain = plainWords(words, kWords);
    std::cout << "files in " << dir.path().toStdString() << "\n";
    for (const bool office : {true, false}) {
        auto measure = [&](const QString &name, const RichDocument &doc) {
            const QImage image =
                office ? byOffice(dir, name, doc.rtf()) : byBrowser(dir, name, doc);
            EXPECT_FALSE(image.isNull()) << name.toStdString();
            return strokes(image);
        };
        const auto a = measure("formatted", words);
        const auto b = measure("plain", plain);
        const auto c = measure("unjoined", plainWords(words, withoutJoins(kWords)));
        std::cout << (office ? "office" : "browser") << ": formatted " << a.first << " strokes "
                  << a.second << " px, plain " << b.first << " strokes " << b.second
                  << " px, joins forbidden " << c.first << " strokes " << c.second << " px\n";
        EXPECT_EQ(a.first, b.first) << (office ? "office" : "browser");
        EXPECT_LT(a.first, c.first) << (office ? "office" : "browser");
        EXPECT_NEAR(a.second, b.second, b.second / 10 + 2) << (office ? "office" : "browser");
    }
}
