// Charboard beyond the designed page, driven offscreen: the chooser of blocks and the whole
// font, the search by name, details, recently used characters, what cells tell assistive
// technology, and glyphs that always lie whole inside their cells.
#include "charboard/ui/charboardwindowfixture.h"
#include "widgets/grid/flexgriddelegate.h"
#include "widgets/grid/indexedglyphrun.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CharboardUnicodeTest : public CharboardWindowFixture {
protected:
    CharboardUnicodeTest()
        : CharboardWindowFixture(
              {"DejaVu Sans", "DejaVu Math TeX Gyre", "Liberation Serif", "D050000L", "Unifont"})
    {}
    QComboBox *choices() { return child<QComboBox>("ComboChars"); }
    QLineEdit *find() { return child<QLineEdit>("TextFind"); }
    QString collected() { return child<QLineEdit>("TextCopy")->text(); }
    void choose(const QString &labelStart)
    {
        for (int i = 0; i < choices()->count(); ++i) {
            if (choices()->itemText(i).startsWith(labelStart)) {
                choices()->setCurrentIndex(i);
                window->ComboChars_Click();
                return;
            }
        }
        ADD_FAILURE() << "no choice " << labelStart.toStdString();
    }
    QString accessibleName(int row, int col)
    {
        return grid()->model()->index(row, col).data(Qt::AccessibleTextRole).toString();
    }
};

TEST_F(CharboardUnicodeTest, BlocksAndTheWholeFontScrollByRowsAndCollectAsThePageDoes)
{
    start();
    chooseFont("DejaVu Sans");
    EXPECT_EQ(choices()->itemText(0), QString::fromUtf8("Windows-1252 (32–255)"));
    EXPECT_EQ(choices()->currentIndex(), 0);
    choose("Arrows (");
    EXPECT_EQ(grid()->rows(), 7); // 112 arrows, 16 to a row
    EXPECT_EQ(grid()->text(0, 0), QString(QChar(0x2190)));
    EXPECT_EQ(child<QLabel>("LabelAlt")->text(), ""); // no keypad code outside the code page
    EXPECT_TRUE(child<QLabel>("LabelDetails")->text().contains("LEFTWARDS ARROW"));
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Return);
    window->CSelect_Click();
    EXPECT_EQ(collected(), QString(QChar(0x2190 + 17)) + QChar(0x2190 + 17));

    choose("All characters in this font");
    EXPECT_GT(grid()->rows(), 300);
    EXPECT_EQ(grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    grid()->setCurrentCell(200, 3);
    EXPECT_EQ(grid()->rowAt(grid()->visualRect(grid()->currentIndex()).center().y()), 200);
    // The choice is kept for the next font; the designed page comes back exactly as it was.
    chooseFont("Liberation Serif");
    EXPECT_EQ(choices()->currentText(), "All characters in this font");
    choose("Windows-1252");
    EXPECT_EQ(grid()->rows(), 14);
    EXPECT_EQ(grid()->text(2, 0), "@");
    EXPECT_EQ(child<QLabel>("LabelAlt")->text(), "Alt + 32");
    // A symbol font offers its codes only.
    chooseFont("D050000L");
    EXPECT_EQ(choices()->count(), 1);
}

TEST_F(CharboardUnicodeTest, SearchFindsByNameCodeAndPastedCharacterAndMarksWhatTheFontLacks)
{
    start();
    chooseFont("DejaVu Sans");
    find()->setText("copyright");
    EXPECT_EQ(grid()->text(0, 0), QString::fromUtf8("©"));
    EXPECT_EQ(child<QLabel>("LabelAlt")->text(), "Alt + 0169");
    EXPECT_EQ(accessibleName(0, 0), "U+00A9 COPYRIGHT SIGN");
    find()->setText("right arrow");
    QStringList shown;
    for (int c = 0; c < 16; ++c)
        shown.append(grid()->text(0, c));
    EXPECT_TRUE(shown.contains(QString(QChar(0x2192)))) << shown.join(' ').toStdString();
    find()->setText(QString::fromUtf8("✁"));
    EXPECT_EQ(grid()->rows(), 1);
    EXPECT_EQ(grid()->text(0, 0), QString(QChar(0x2701)));
    find()->setText("U+1D11E");
    EXPECT_EQ(grid()->text(0, 0), QString::fromUtf8("𝄞"));
    EXPECT_TRUE(child<QLabel>("LabelDetails")->text().contains("UTF-16: D834 DD1E"));
    EXPECT_EQ(accessibleName(0, 0), "U+1D11E MUSICAL SYMBOL G CLEF, not in this font");
    // Enter on a result collects it, as on the page.
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(collected(), QString::fromUtf8("𝄞"));
    // Emptied, the search gives the chosen characters back.
    find()->clear();
    EXPECT_EQ(grid()->rows(), 14);
    EXPECT_EQ(grid()->text(0, 1), "!");
}

TEST_F(CharboardUnicodeTest, RecentlyUsedCharactersAreKeptAcrossARestart)
{
    start();
    chooseFont("DejaVu Sans");
    grid()->setCurrentCell(2, 1); // A
    window->CSelect_Click();
    find()->setText("grinning face");
    window->CSelect_Click();
    auto *recent = child<FlexGrid>("GridRecent");
    EXPECT_EQ(recent->text(0, 0), QString::fromUtf8("😀"));
    EXPECT_EQ(recent->text(0, 1), "A");
    window.reset();
    start();
    recent = child<FlexGrid>("GridRecent");
    EXPECT_EQ(recent->text(0, 0), QString::fromUtf8("😀"));
    EXPECT_EQ(recent->text(0, 1), "A");
    window->GridRecent_Click(1);
    EXPECT_EQ(collected(), "A");
    EXPECT_EQ(recent->text(0, 0), "A");
}

TEST_F(CharboardUnicodeTest, CellsTellAssistiveTechnologyWhatTheyAre)
{
    start();
    chooseFont("Liberation Serif");
    EXPECT_EQ(accessibleName(8, 9), "U+00A9 COPYRIGHT SIGN, Alt+0169");
    EXPECT_EQ(accessibleName(6, 1), "U+0081 <control-0081>, Alt+0129, not in this font");
    chooseFont("D050000L");
    EXPECT_EQ(accessibleName(0, 1), "U+2701 UPPER BLADE SCISSORS, Alt+33");
    // The design's blank menu entry is a gap that takes no focus and no click.
    auto *blank = window->findChild<QWidget *>("mnuBl");
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(window->menuBar()->cornerWidget(Qt::TopLeftCorner), blank);
    EXPECT_EQ(blank->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(blank->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_GT(blank->width(), 0);
    // Help is the menu bar's only entry, after the gap.
    ASSERT_EQ(window->menuBar()->actions().size(), 1);
    EXPECT_EQ(window->menuBar()->actions().first()->text(), "&Help");
}

// Draws the glyph as the grid places it in the cell, without any clipping, on an image with
// room around the cell, and returns the ink that fell outside the cell.
int inkOutsideCell(const QFont &gridFont, const QString &text, const QRect &cell, qreal scale)
{
    const QRawFont raw = QRawFont::fromFont(gridFont);
    const IndexedGlyphRun run(raw, text);
    const QRectF box = FlexGridDelegate::inkBox(cell);
    const QFontMetricsF metrics(gridFont);
    const qreal baseline =
        cell.top() + (cell.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    const IndexedGlyphRun::Placement at = run.placeIn(box, baseline);
    const QRect room = cell.adjusted(-cell.width(), -cell.height(), cell.width(), cell.height());
    QImage image(room.size() * scale, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.translate(-room.topLeft());
    painter.translate(at.origin);
    painter.scale(at.scale, at.scale);
    painter.setPen(Qt::black);
    painter.drawGlyphRun(QPointF(0, 0), run.run());
    painter.end();
    const QRect inside((cell.topLeft() - room.topLeft()) * scale, cell.size() * scale);
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            outside += !inside.contains(x, y) && qGray(image.pixel(x, y)) < 200 ? 1 : 0;
    }
    return outside;
}

TEST_F(CharboardUnicodeTest, GlyphsLieWholeInsideTheirCellsAtTheSmallestWindowAndScaled)
{
    start();
    window->resize(200, 150);
    QCoreApplication::processEvents();
    // The new controls take their own room beside the grid's, even at the smallest.
    QList<QWidget *> controls = {grid()};
    for (const char *name : {"ComboChars", "TextFind", "LabelDetails", "GridRecent", "TextCopy"})
        controls.append(child<QWidget>(name));
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and "
                << controls[j]->objectName().toStdString();
    }
    const QString tall = QString::fromUtf8("ÀÑ‰gÅ@j");
    for (const char *face : {"DejaVu Sans", "DejaVu Math TeX Gyre"}) {
        chooseFont(face);
        QCoreApplication::processEvents();
        const QRect cell = grid()->visualRect(grid()->model()->index(3, 4));
        ASSERT_GE(cell.width(), 10);
        // The fitted grid has no empty band: its rows fill it but for the pixel of room.
        const int row = grid()->verticalHeader()->sectionSize(3);
        EXPECT_LE(grid()->height() - 2 * grid()->frameWidth() - 14 * row, 1);
        for (const qreal scale : {1.0, 1.5}) {
            for (const QChar c : tall)
                EXPECT_EQ(inkOutsideCell(grid()->gridFont(), c, cell, scale), 0)
                    << face << " " << QString(c).toStdString() << " at " << scale;
        }
    }
}

TEST(CharboardCells, ACharacterBeyondTheBmpIsDrawnNotHatchedWhenTheFontHasIt)
{
    const auto draw = [](const QString &text) {
        FlexGrid grid;
        grid.setRows(1);
        grid.setCols(1);
        grid.setColWidth(0, 900);
        grid.setColCentred(0);
        grid.setFontName("Unifont Upper");
        grid.setFontSize(24);
        grid.setSelectionMode(QAbstractItemView::NoSelection);
        grid.setText(0, 0, text);
        grid.resize(grid.sizeHint());
        grid.show();
        QCoreApplication::processEvents();
        return grid.grab().toImage();
    };
    const QImage clef = draw(QString::fromUtf8("𝄞"));
    const QImage hatched = draw(QString::fromUtf8("\U0010FFFD")); // a private code it lacks
    const QImage blank = draw(" ");
    EXPECT_NE(clef, hatched);
    EXPECT_NE(clef, blank);
}

TEST_F(CharboardUnicodeTest, ThePreviewKeepsItsHeightForEveryFont)
{
    start();
    const int height = child<QWidget>("SampleText")->height();
    for (const char *face : {"D050000L", "DejaVu Math TeX Gyre", "Unifont", "DejaVu Sans"}) {
        chooseFont(face);
        QCoreApplication::processEvents();
        EXPECT_EQ(child<QWidget>("SampleText")->height(), height) << face;
    }
}

} // namespace

namespace {

TEST_F(CharboardUnicodeTest, Screenshots)
{
    const QString folder = QDir::tempPath() + "/kerncraft-screenshots";
    QDir().mkpath(folder);
    start();
    const auto shot = [&](const char *file) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(window->grab().toImage().save(folder + "/" + file));
    };
    chooseFont("DejaVu Math TeX Gyre");
    grid()->setCurrentCell(10, 0); // À
    shot("charboard-math-accents.png");
    chooseFont("DejaVu Sans");
    choose("Arrows (");
    shot("charboard-arrows.png");
    find()->setText("heart");
    shot("charboard-search-heart.png");
    find()->clear();
    chooseFont("Unifont");
    choose("All characters in this font");
    grid()->setCurrentCell(600, 5);
    shot("charboard-unifont-all.png");
    chooseFont("D050000L");
    grid()->setCurrentCell(0, 1);
    shot("charboard-d050000l.png");
}

} // namespace
