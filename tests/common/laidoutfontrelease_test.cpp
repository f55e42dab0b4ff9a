// Letting go of a laid-out document's fonts: they are unloaded, and nothing moves on screen.
#include "laidoutfontrelease.h"
#include "richtextedit.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtGui/private/qfont_p.h>
#include <gtest/gtest.h>

namespace {

// Paragraphs in many faces, sizes and styles, laid out at a fixed width.
void fill(QTextDocument &document)
{
    const QStringList faces{"DejaVu Sans", "Liberation Serif", "Liberation Mono"};
    QTextCursor cursor(&document);
    for (int i = 0; i < 300; ++i) {
        QTextCharFormat format;
        format.setFontFamilies({faces.at(i % 3)});
        format.setFontPointSize(8 + i % 13);
        format.setFontWeight(i % 2 ? QFont::Bold : QFont::Normal);
        format.setFontItalic(i % 5 == 0);
        cursor.insertText(QStringLiteral("Line %1 of the document\n").arg(i), format);
    }
    document.setTextWidth(300);
    document.size();
}

int formatsWithLoadedFonts(const QTextDocument &document)
{
    int loaded = 0;
    for (const QTextFormat &format : document.allFormats())
        if (format.isCharFormat() && QFontPrivate::get(format.toCharFormat().font())->engineData)
            ++loaded;
    return loaded;
}

QImage render(QTextDocument &document)
{
    QImage image(document.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter);
    return image;
}

TEST(LaidOutFontRelease, UnloadsTheFontsAndKeepsWhatIsShown)
{
    QTextDocument released;
    QTextDocument kept;
    fill(released);
    fill(kept);
    QList<QRectF> rects;
    for (QTextBlock block = released.begin(); block.isValid(); block = block.next())
        rects.append(released.documentLayout()->blockBoundingRect(block));
    ASSERT_GT(formatsWithLoadedFonts(released), 100);

    LaidOutFontRelease release;
    release.release(&released);

    EXPECT_EQ(formatsWithLoadedFonts(released), 0);
    QList<QRectF> after;
    for (QTextBlock block = released.begin(); block.isValid(); block = block.next())
        after.append(released.documentLayout()->blockBoundingRect(block));
    EXPECT_EQ(after, rects);
    EXPECT_EQ(render(released), render(kept));
}

// Painting loads the fonts of what it shows; scrolling through a box of many faces lets
// them go again every few screens, so they do not pile up.
TEST(LaidOutFontRelease, ScrollingThroughManyFacesKeepsFewLoaded)
{
    const QStringList faces{"DejaVu Sans", "Liberation Serif", "Liberation Mono"};
    RichRuns runs;
    for (int i = 0; i < 300; ++i) {
        const CharFormat format{faces.at(i % 3), 8.0 + i / 3, 0, false, false, 0};
        runs.append(RichRun{QStringLiteral("Line %1\r\n").arg(i), format});
    }
    RichTextEdit edit;
    edit.setShowsManyFaces(true);
    edit.resize(300, 200);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    edit.loadRuns(runs);
    edit.ensureLayout();
    QScrollBar *bar = edit.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 20 * bar->pageStep());
    for (int position = 0; position <= bar->maximum(); position += bar->pageStep()) {
        bar->setValue(position);
        edit.viewport()->repaint();
    }
    EXPECT_LT(formatsWithLoadedFonts(*edit.document()), 60);
}

} // namespace
