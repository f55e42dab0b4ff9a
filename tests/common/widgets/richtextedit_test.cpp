// The editor widget beyond the shared interface: what the user types and pastes reaches
// the box's document, the clipboard carries our RTF, the events reach the window, and the
// screen shows the formatting.
#include "core/randomsource.h"
#include "richtext/rtfreader.h"
#include "widgets/platform/qtclipboard.h"
#include "widgets/richtext/richtextedit.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

const CharFormat kRaised{"Liberation Serif", 20, 0x0000FF, true, false, 80};

class RichTextEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        edit.resize(400, 200);
        edit.setText("ab\r\ncd");
        edit.select(1, 1);
        edit.setSelFontName(kRaised.face);
        edit.setSelFontSize(kRaised.size);
        edit.setSelColour(kRaised.colour);
        edit.setSelBold(true);
        edit.setSelCharOffset(kRaised.offset);
    }

    // Places the on-screen cursor as the user would (Qt positions).
    void placeCursor(int qtPosition, int qtAnchor = -1)
    {
        QTextCursor cursor(edit.document());
        cursor.setPosition(qtAnchor < 0 ? qtPosition : qtAnchor);
        cursor.setPosition(qtPosition, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
    }

    RichTextEdit edit;
};

TEST_F(RichTextEditTest, TypedTextReachesTheDocumentWithTheFormatBeforeIt)
{
    placeCursor(2); // after b
    QTest::keyClicks(&edit, "XY");
    EXPECT_EQ(edit.text(), "abXY\r\ncd");
    EXPECT_EQ(edit.formatAt(3), kRaised);
    EXPECT_EQ(edit.selStart(), 4);
    EXPECT_EQ(edit.selLength(), 0);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), "abXY\r\n\r\n\r\ncd");
    EXPECT_EQ(edit.selStart(), 8);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "abXY\r\ncd");
    // Formats set afterwards land where the box counts.
    edit.select(6, 1);
    edit.setSelItalic(true);
    EXPECT_TRUE(edit.formatAt(6).italic);
    EXPECT_FALSE(edit.formatAt(7).italic);
    QTextCursor cursor(edit.document());
    cursor.setPosition(5); // "c" in Qt's counting: one separator fewer
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    EXPECT_EQ(cursor.selectedText(), "c");
    EXPECT_TRUE(cursor.charFormat().fontItalic());
}

// The box's document follows whatever the user does with the keyboard: after every step
// its text is Qt's text with CR LF breaks, and its formats are those Qt shows.
TEST_F(RichTextEditTest, FollowsRandomKeyboardEditing)
{
    const QList<Qt::Key> keys{Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                              Qt::Key_Home,   Qt::Key_End,   Qt::Key_Return, Qt::Key_Backspace,
                              Qt::Key_Delete, Qt::Key_A,     Qt::Key_B,      Qt::Key_Space};
    for (quint32 seed = 1; seed <= 5; ++seed) {
        SetUp();
        RandomSource random(seed);
        for (int step = 0; step < 150; ++step) {
            const Qt::Key key = keys[random.below(int(keys.size()))];
            Qt::KeyboardModifiers modifiers;
            if (random.next() < 0.2f)
                modifiers |= Qt::ShiftModifier;
            if (random.next() < 0.05f) {
                QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier); // select all
                continue;
            }
            if (random.next() < 0.05f) {
                QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier); // undo
                continue;
            }
            QTest::keyClick(&edit, key, modifiers);
            QString shown = edit.document()->toRawText();
            shown.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
            ASSERT_EQ(edit.text(), shown) << "seed " << seed << " step " << step;
        }
        const QTextCursor cursor = edit.textCursor();
        EXPECT_EQ(edit.selLength(), cursor.selectionEnd() - cursor.selectionStart() +
                                        (edit.selText().count(QStringLiteral("\r\n"))));
        for (int q = 0; q + 1 < edit.document()->characterCount(); ++q) {
            QTextCursor at(edit.document());
            at.setPosition(q + 1);
            if (edit.document()->characterAt(q) == QChar::ParagraphSeparator)
                continue;
            const QTextCharFormat f = at.charFormat();
            const int p = q + edit.document()->findBlock(q).blockNumber();
            EXPECT_EQ(edit.formatAt(p).bold, f.fontWeight() > QFont::Normal) << p;
            // Text typed into an emptied box has no size of its own and shows the base size.
            const double shownSize = f.hasProperty(QTextFormat::FontPointSize)
                                         ? f.fontPointSize()
                                         : edit.document()->defaultFont().pointSizeF();
            EXPECT_EQ(edit.formatAt(p).size, shownSize) << p;
        }
    }
}

TEST_F(RichTextEditTest, TheUsersSelectionIsTheBoxSelection)
{
    placeCursor(4, 1); // "b", the separator, "c"
    EXPECT_EQ(edit.selStart(), 1);
    EXPECT_EQ(edit.selLength(), 4);
    EXPECT_EQ(edit.selText(), "b\r\nc");
    EXPECT_EQ(edit.selFontName(), "");
    edit.setSelColour(0x00FF00);
    EXPECT_EQ(edit.formatAt(4).colour, 0x00FF00);
    EXPECT_EQ(edit.formatAt(5).colour, 0);
}

TEST_F(RichTextEditTest, CopyAndPasteCarryOurRtf)
{
    placeCursor(2, 0);
    edit.copy();
    const QMimeData *data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QtClipboard::rtfMimeType()));
    EXPECT_TRUE(data->data(QtClipboard::rtfMimeType()).contains("\\fs40"));
    EXPECT_EQ(data->text(), "ab");
    // The keys copy the same three flavours as the Copy commands.
    ASSERT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QLatin1String("font-size:20pt")))
        << data->html().toStdString();

    RichTextEdit target;
    target.setText("xyz");
    QTextCursor cursor(target.document());
    cursor.setPosition(1);
    target.setTextCursor(cursor);
    target.paste();
    EXPECT_EQ(target.text(), "xabyz");
    EXPECT_EQ(target.formatAt(2), kRaised);
    EXPECT_EQ(target.selStart(), 3);
}

TEST_F(RichTextEditTest, NeverTakesHtml)
{
    auto *html = new QMimeData;
    html->setHtml("<b>bold</b>");
    QApplication::clipboard()->setMimeData(html);
    EXPECT_FALSE(edit.canPaste());
    auto *both = new QMimeData;
    both->setHtml("<b>bold</b>");
    both->setText("plain");
    QApplication::clipboard()->setMimeData(both);
    placeCursor(0);
    edit.paste();
    EXPECT_EQ(edit.text(), "plainab\r\ncd");
    EXPECT_FALSE(edit.formatAt(0).bold);
}

TEST_F(RichTextEditTest, ReportsClicksKeysAndButtons)
{
    QList<int> downs, ups, keys;
    int clicks = 0;
    edit.onMouseDown = [&](int b) { downs << b; };
    edit.onMouseUp = [&](int b) { ups << b; };
    edit.onClick = [&] { ++clicks; };
    edit.onKeyUp = [&](int k) { keys << k; };
    for (const Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(edit.viewport(), b, {}, QPoint(5, 5));
        QTest::mouseRelease(edit.viewport(), b, {}, QPoint(5, 5));
    }
    QTest::keyClick(&edit, Qt::Key_End);
    EXPECT_EQ(downs, (QList<int>{1, 2, 4}));
    EXPECT_EQ(ups, (QList<int>{1, 2, 4}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(keys, (QList<int>{Qt::Key_End}));
}

TEST_F(RichTextEditTest, ShowsRaiseAndSizeAsQtFormats)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(2);
    const QTextCharFormat shown = cursor.charFormat();
    EXPECT_EQ(shown.fontPointSize(), 20.0);
    EXPECT_DOUBLE_EQ(shown.baselineOffset(), 80 / 20.0 / 20.0 * 100); // 4 pt of 20 pt
    EXPECT_TRUE(shown.fontFamilies().toStringList().contains("Liberation Serif"));
    EXPECT_EQ(shown.foreground().color(), QColor(255, 0, 0));
    // A new size keeps the raise in twips.
    edit.select(1, 1);
    edit.setSelFontSize(40);
    cursor.setPosition(2);
    EXPECT_DOUBLE_EQ(cursor.charFormat().baselineOffset(), 80 / 20.0 / 40.0 * 100);
    EXPECT_EQ(edit.formatAt(1).offset, 80);
}

TEST_F(RichTextEditTest, LooksRightOnScreen)
{
    edit.setText("Raised Lowered Plain\r\nSecond line");
    const QStringList faces{"DejaVu Serif", "Liberation Mono", "URW Gothic"};
    for (int i = 0; i < 20; ++i) {
        edit.select(i, 1);
        edit.setSelFontName(faces[i % 3]);
        edit.setSelFontSize(14 + (i % 4) * 4);
        edit.setSelColour(i < 7 ? 0x0000CC : i < 15 ? 0x008800 : 0xCC0000);
        edit.setSelCharOffset(i < 7 ? 120 : i < 15 ? -120 : 0);
        edit.setSelBold(i % 2 == 0);
        edit.setSelItalic(i % 3 == 0);
    }
    edit.resize(520, 160);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    const QImage image = edit.grab().toImage();
    const QString path = QDir::temp().filePath("richtextedit.png");
    image.save(path);
    // Something was drawn in each of the three colours.
    int blue = 0, green = 0, red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > 150 && c.red() < 80 && c.green() < 80;
            green += c.green() > 100 && c.red() < 60 && c.blue() < 60;
            red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
        }
    }
    EXPECT_GT(blue, 20);
    EXPECT_GT(green, 20);
    EXPECT_GT(red, 20);
}

} // namespace

namespace {

// Printing renders the box; that works also straight after a change, before the event
// loop has run, and for a box that is not on screen.
TEST(RichTextEditRender, PaintsPendingChanges)
{
    RichTextEdit edit;
    edit.resize(300, 80);
    edit.setText("Printed text");
    edit.select(0, 7);
    edit.setSelFontSize(24);
    QImage image(edit.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    edit.render(&image);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    }
    EXPECT_GT(dark, 50);
    EXPECT_EQ(edit.formatAt(0).size, 24.0);
}

} // namespace

namespace {

// A long document of many formats, lines of their own among them.
RichRuns longRuns()
{
    RichRuns runs;
    for (int i = 0; i < 3000; ++i) {
        const CharFormat format{i % 2 ? "Liberation Sans" : "DejaVu Serif",
                                8.0 + i % 9,
                                qint32(i * 4099 % 0xFFFFFF),
                                i % 3 == 0,
                                i % 5 == 0,
                                0};
        runs.append(RichRun{i % 7 == 6 ? QStringLiteral("\r\n") : QStringLiteral("wo"), format});
    }
    return runs;
}

QString qtText(const RichTextEdit &edit)
{
    return edit.document()->toPlainText().replace(QChar::ParagraphSeparator, u'\n');
}

QString modelText(const RichTextEdit &edit)
{
    return QString(edit.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A load shows the first screenful at once and the rest between events; reads see the
// whole document from the start, and the result is what setRuns gives.
TEST(RichTextEditLoad, FillsTheBoxBetweenEventsAsSetRunsWould)
{
    RichTextEdit edit;
    edit.resize(300, 120);
    edit.show();
    RichTextEdit reference;
    reference.setRuns(longRuns());
    int lastDone = -1;
    edit.loadRuns(longRuns(), [&lastDone](int done, int) { lastDone = done; });
    EXPECT_TRUE(edit.isLoading());
    EXPECT_GT(lastDone, 0);
    EXPECT_LT(qtText(edit).size(), modelText(edit).size());
    EXPECT_EQ(edit.rtf(), reference.rtf());
    for (int i = 0; i < 1000 && edit.isLoading(); ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(edit.isLoading());
    EXPECT_EQ(qtText(edit), modelText(edit));
    EXPECT_EQ(edit.runs(), reference.runs());
}

// Whoever follows a load hears its end, also when new content replaces it half-way.
TEST(RichTextEditLoad, ReportsItsEndWhenReplaced)
{
    RichTextEdit edit;
    edit.resize(300, 120);
    edit.show();
    QList<std::pair<int, int>> reports;
    edit.loadRuns(longRuns(), [&reports](int done, int total) { reports.append({done, total}); });
    ASSERT_TRUE(edit.isLoading());
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_LT(reports.last().first, reports.last().second);
    edit.setText(QStringLiteral("new"));
    EXPECT_EQ(reports.last(), std::make_pair(3, 3));
    const qsizetype count = reports.size();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(reports.size(), count);
}

// A change or a key while the load is still going lands on the whole document.
TEST(RichTextEditLoad, ChangesAndKeysDuringTheLoadSeeTheWholeDocument)
{
    for (const bool byKey : {false, true}) {
        RichTextEdit edit;
        edit.resize(300, 120);
        edit.show();
        edit.loadRuns(longRuns());
        ASSERT_TRUE(edit.isLoading());
        const int end = edit.length();
        if (byKey) {
            QTextCursor cursor = edit.textCursor();
            cursor.movePosition(QTextCursor::End);
            edit.setTextCursor(cursor);
            QTest::keyClick(edit.viewport(), Qt::Key_Z);
        } else {
            edit.select(end, 0);
            edit.setSelText(QStringLiteral("z"));
        }
        EXPECT_FALSE(edit.isLoading()) << byKey;
        EXPECT_EQ(edit.text().count(u'z'), 1) << byKey;
        if (!byKey) {
            EXPECT_TRUE(edit.text().endsWith(QStringLiteral("woz")));
        }
        EXPECT_EQ(qtText(edit), modelText(edit)) << byKey;
    }
}

} // namespace
