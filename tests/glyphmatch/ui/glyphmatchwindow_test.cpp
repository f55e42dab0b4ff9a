// Glyphmatch's window driven offscreen with fake services: start-up, the table, printing
// through the HTML page, help and the default button.
#include "fakes/accessibilitywalk.h"
#include "fakes/fakebusypointer.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakefilelocations.h"
#include "fakes/fakefontcatalog.h"
#include "fakes/fakemessageservice.h"
#include "fakes/fakeprintservice.h"
#include "fakes/fakeshell.h"
#include "fakes/namedchild.h"
#include "logic/keyboardtable.h"
#include "ui/glyphmatchwindow.h"
#include "widgets/fonts/symbolfont.h"
#include "widgets/grid/flexgrid.h"
#include "widgets/richtext/twips.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GlyphmatchWindowTest : public ::testing::Test {
protected:
    FakeFontCatalog fonts{{"Wingdings", "DejaVu Sans", "arial", "Arial", "D050000L", "Verdana"}};
    FakeMessageService messages;
    FakeShell shell;
    FakeBusyPointer busy;
    FakeFileLocations locations;
    FakeClipboard clipboard;
    FakePrintService printer;
    std::unique_ptr<GlyphmatchWindow> window;

    void start()
    {
        window = std::make_unique<GlyphmatchWindow>(
            GlyphmatchServices{fonts, messages, shell, busy, locations, &clipboard, &printer});
        window->Form_Load();
    }
    template <typename T> T *child(const char *name)
    {
        return namedChild<T>(window.get(), QString::fromLatin1(name));
    }
    FlexGrid *grid() { return child<FlexGrid>("Grid"); }
    QComboBox *size() { return child<QComboBox>("ComboSize"); }
    QComboBox *fc() { return child<QComboBox>("FC"); }
    QListWidget *fl() { return child<QListWidget>("FL"); }
    void selectFl(const QString &name)
    {
        fl()->setCurrentItem(fl()->findItems(name, Qt::MatchExactly).value(0));
    }
    QByteArray page()
    {
        QFile file(window->pagePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(GlyphmatchWindowTest, StartsWithArialAndWingdingsInCaseInsensitiveOrder)
{
    start();
    EXPECT_EQ(window->windowTitle(), "Glyphmatch");
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(busy.windowBusy);
    EXPECT_EQ(fc()->currentText(), "Arial");
    ASSERT_NE(fl()->currentItem(), nullptr);
    EXPECT_EQ(fl()->currentItem()->text(), "Wingdings");
    EXPECT_EQ(fc()->itemText(0), "arial");
    EXPECT_EQ(fc()->itemText(1), "Arial");
    EXPECT_EQ(fc()->itemText(2), "D050000L");
    EXPECT_EQ(fl()->item(5)->text(), "Wingdings");
    EXPECT_FALSE(grid()->isHidden());
    EXPECT_EQ(size()->currentText(), "24");
}

TEST_F(GlyphmatchWindowTest, WithoutArialAndWingdingsASymbolFontIsComparedWith)
{
    fonts.setNames({"Zapf", "DejaVu Sans", "bravo", "Liberation Serif"});
    fonts.setSymbolFonts({"Zapf"});
    start();
    EXPECT_EQ(fc()->currentText(), "bravo");
    EXPECT_EQ(fl()->currentItem()->text(), "Zapf");
    // Without any symbol font, the first font.
    fonts.setSymbolFonts({});
    start();
    EXPECT_EQ(fl()->currentItem()->text(), "bravo");
}

TEST_F(GlyphmatchWindowTest, NoFontsAtAllStillStarts)
{
    fonts.setNames({});
    start();
    EXPECT_EQ(fc()->currentText(), "");
    EXPECT_EQ(fl()->currentItem(), nullptr);
    EXPECT_EQ(grid()->text(0, 0), "A");
}

TEST_F(GlyphmatchWindowTest, GridHoldsTheTableInTheChosenFonts)
{
    start();
    FlexGrid *g = grid();
    EXPECT_EQ(g->rows(), 12);
    EXPECT_EQ(g->cols(), 23);
    EXPECT_EQ(g->text(4, 15), QString(QChar(0x00A4)));
    EXPECT_EQ(g->text(4, 16), QString(QChar(0x00A4)));
    EXPECT_EQ(g->text(11, 21), QString(QChar(0x00AC)));
    EXPECT_EQ(g->text(0, 2), "");
    EXPECT_EQ(g->grid().cellFace(0, 0), "");
    EXPECT_EQ(g->grid().cellFace(3, 1), "Wingdings");
    EXPECT_EQ(g->grid().cellFace(11, 22), "Wingdings");
    EXPECT_EQ(g->gridFont().family(), "Arial");
    EXPECT_EQ(g->fontSize(), 24);
    // The written width at least, wider where a glyph would be clipped; all alike.
    EXPECT_GE(g->grid().columnWidth(0), 544);
    EXPECT_EQ(g->grid().columnWidth(1), g->grid().columnWidth(0));
    EXPECT_EQ(g->grid().columnWidth(22), g->grid().columnWidth(0));
    EXPECT_EQ(g->grid().columnWidth(2), 200);
    EXPECT_EQ(g->grid().cellToolTip(3, 0), "");
    EXPECT_FALSE(g->grid().cellToolTip(3, 1).isEmpty());
    EXPECT_TRUE(g->grid().columnCentred(2));
    EXPECT_TRUE(g->selectionModel()->selectedIndexes().isEmpty()); // no cell is highlighted
}

TEST_F(GlyphmatchWindowTest, RefreshAppliesTheSizeRuleAndNewFontsOnlyWhenPressed)
{
    start();
    const int rowAt24 = grid()->rowHeight(0);
    size()->setEditText("5");
    selectFl("D050000L");
    EXPECT_EQ(grid()->grid().cellFace(0, 1), "Wingdings");
    child<QPushButton>("CommandGo")->click();
    EXPECT_EQ(size()->currentText(), "10");
    EXPECT_EQ(grid()->grid().columnWidth(0), 460);
    EXPECT_EQ(grid()->grid().cellFace(0, 1), "D050000L");
    EXPECT_LT(grid()->rowHeight(0), rowAt24);
    size()->setEditText("40");
    window->CommandGo_Click();
    EXPECT_EQ(size()->currentText(), "36");
    EXPECT_GT(grid()->rowHeight(0), rowAt24);
    // M and W of the text font and the widest dingbat fit their cells at 36 points.
    QFont text = grid()->gridFont();
    QFont dingbats = text;
    dingbats.setFamilies({"D050000L"});
    const double widest = std::max(SymbolFont::widestGlyph(text, "MWm@"),
                                   SymbolFont::widestGlyph(dingbats, KeyboardTable::sequence()));
    EXPECT_GE(Twips::toPixels(grid()->grid().columnWidth(3), grid()), widest);
    EXPECT_GE(grid()->grid().columnWidth(3), 616);
    EXPECT_EQ(grid()->grid().cellToolTip(0, 1), "Unicode: " + QString(QChar(0x2721)) + " (U+2721)");
}

TEST_F(GlyphmatchWindowTest, GridFitsItsCellsInALargerWindowAndScrollsInASmallerOne)
{
    start();
    window->resize(window->size() + QSize(300, 300));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid()->size(), grid()->sizeHint());
    window->resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_LT(grid()->height(), grid()->sizeHint().height());
    EXPECT_GT(grid()->height(), 0);
    window->resize(50, 50); // the smallest window still shows every control apart
    QCoreApplication::processEvents();
    QList<QWidget *> controls = {fc(), fl(), size(), grid()};
    for (const char *name :
         {"Label1", "Label2", "Label3", "CommandGo", "CommandPrint", "CommandHelp"})
        controls.append(child<QWidget>(name));
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and "
                << controls[j]->objectName().toStdString();
    }
}

TEST_F(GlyphmatchWindowTest, EnterAnywherePressesRefresh)
{
    start();
    window->show();
    for (QWidget *target :
         {static_cast<QWidget *>(size()->lineEdit()), static_cast<QWidget *>(fc()),
          static_cast<QWidget *>(fl()), static_cast<QWidget *>(grid())}) {
        size()->setEditText("12.5");
        QTest::keyClick(target, Qt::Key_Return);
        EXPECT_EQ(size()->currentText(), "12") << target->objectName().toStdString();
    }
    EXPECT_EQ(size()->count(), 10); // Enter in the size box does not add an item
}

TEST_F(GlyphmatchWindowTest, PrintWritesThePageAndOpensIt)
{
    start();
    size()->setEditText("36");
    window->CommandPrint_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Print keyboard table");
    EXPECT_EQ(messages.shown[0].buttons, MessageService::Buttons::OkCancel);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        "This will open the keyboard table in your web browser.  You"));
    EXPECT_EQ(QFileInfo(window->pagePath()).absolutePath(),
              QDir(locations.programFolder()).absolutePath());
    const QByteArray bytes = page();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.startsWith(
        "<!--Created by the Glyphmatch tool from Kerncraft v1.0 - download from http"));
    EXPECT_TRUE(bytes.contains("<title>Wingdings</title>"));
    EXPECT_TRUE(bytes.contains("<font face='Wingdings' size=7>\xA4</font></td>"));
    EXPECT_TRUE(bytes.contains("<font face='Arial' size=7>&lt;</font></td>"));
    // Written widths (616 twips at 36 points), and a title on each symbol cell only.
    EXPECT_EQ(bytes.count("<td width=42 align=center"), 12 * 8);
    EXPECT_EQ(bytes.count("<td title='"), 12 * 8);
    EXPECT_EQ(bytes.count("<td "), 12 * 23);
    ASSERT_EQ(shell.documents.size(), 1);
    EXPECT_EQ(shell.documents[0], window->pagePath());
    EXPECT_FALSE(busy.windowBusy);
    EXPECT_FALSE(grid()->isHidden());
}

TEST_F(GlyphmatchWindowTest, PrintGoesToTheUserDataFolderWhenTheProgramFolderIsNotWritable)
{
    locations.setProgramFolderWritable(false);
    start();
    window->CommandPrint_Click();
    EXPECT_EQ(QFileInfo(window->pagePath()).absolutePath(),
              QDir(locations.userCacheFolder()).absolutePath());
    EXPECT_FALSE(page().isEmpty());
    EXPECT_EQ(shell.documents.size(), 1);
}

TEST_F(GlyphmatchWindowTest, PrintThatCannotWriteThePageSaysWhyAndOpensNothing)
{
    start();
    QDir().mkpath(window->pagePath());
    window->CommandPrint_Click();
    EXPECT_TRUE(shell.documents.isEmpty());
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].title, "Glyphmatch");
    EXPECT_TRUE(messages.shown[1].text.endsWith("could not be written.  It is a folder."));
    EXPECT_FALSE(busy.windowBusy);
}

TEST_F(GlyphmatchWindowTest, CancelledPrintStillRefreshesTheGrid)
{
    start();
    messages.answers.push_back(MessageService::Answer::Cancel);
    size()->setEditText("nothing");
    window->CommandPrint_Click();
    EXPECT_EQ(size()->currentText(), "24");
    EXPECT_FALSE(QFile::exists(window->pagePath()));
    EXPECT_TRUE(shell.documents.isEmpty());
}

TEST_F(GlyphmatchWindowTest, HelpOpensTheBundledPage)
{
    start();
    child<QPushButton>("CommandHelp")->click();
    ASSERT_EQ(shell.addresses.size(), 1);
    EXPECT_TRUE(shell.addresses[0].startsWith("file://"));
    EXPECT_TRUE(shell.addresses[0].endsWith("/glyphmatch.html"));
}

TEST_F(GlyphmatchWindowTest, WindowStaysWithinTheScreenAtEverySize)
{
    start();
    const QRect area = window->screen()->availableGeometry();
    for (const char *size : {"8", "48"}) {
        this->size()->setEditText(QString::fromLatin1(size));
        window->CommandGo_Click();
        EXPECT_TRUE(area.contains(window->frameGeometry())) << size;
    }
    // At 36 points the table is larger than the screen: the grid scrolls instead.
    EXPECT_LT(grid()->height(), grid()->sizeHint().height());
}

TEST_F(GlyphmatchWindowTest, RefreshKeepsTheSizeTheUserGaveTheWindow)
{
    start();
    const QSize chosen = window->minimumSizeHint() + QSize(40, 30);
    window->resize(chosen);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->size(), chosen);
    for (const char *size : {"10", "36"}) {
        this->size()->setEditText(QString::fromLatin1(size));
        window->CommandGo_Click();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->size(), chosen) << size;
    }
}

TEST_F(GlyphmatchWindowTest, DoubleClickOnASymbolCopiesItsUnicodeEquivalent)
{
    fonts.setNames({"DejaVu Sans", "Standard Symbols PS"});
    start();
    fc()->setCurrentText("DejaVu Sans");
    selectFl("Standard Symbols PS");
    window->CommandGo_Click();
    window->Grid_DblClick(0, 1); // A: capital alpha
    EXPECT_EQ(clipboard.plain, QString(QChar(0x0391)));
    ASSERT_TRUE(clipboard.rich.has_value() && clipboard.markup.has_value());
    EXPECT_TRUE(clipboard.markup->contains(QLatin1String("DejaVu Sans")));
    // The text column copies nothing.
    clipboard = FakeClipboard();
    window->Grid_DblClick(0, 0);
    EXPECT_FALSE(clipboard.plain.has_value());
}

TEST_F(GlyphmatchWindowTest, PreviewAndPdfPrintTheWholeTable)
{
    start();
    printer.chosenPdfName = QStringLiteral("/tmp/table.pdf");
    window->mnuPdf_Click();
    window->mnuPreview_Click();
    ASSERT_EQ(printer.written.size(), 1);
    ASSERT_EQ(printer.previewed.size(), 1);
    for (const PrintJob &job : {printer.written[0], printer.previewed[0]}) {
        EXPECT_EQ(job.title, QStringLiteral("Wingdings"));
        EXPECT_EQ(job.html.count(QLatin1String("<tr>")), 12);
        EXPECT_TRUE(job.html.contains(QStringLiteral("size=6>&lt;</font></td>")));
    }
}

TEST_F(GlyphmatchWindowTest, Screenshots)
{
    QDir().mkpath(QDir::tempPath() + "/kerncraft-screenshots");
    fonts.setNames({"DejaVu Sans", "Liberation Serif", "D050000L", "Standard Symbols PS"});
    start();
    window->resize(window->sizeHint());
    const auto shot = [&](const QString &text, const QString &symbol, const char *file) {
        fc()->setCurrentText(text);
        selectFl(symbol);
        window->CommandGo_Click();
        const QImage image = window->grab().toImage();
        EXPECT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(QDir::tempPath() + "/kerncraft-screenshots/" + file));
    };
    shot("DejaVu Sans", "D050000L", "glyphmatch-dingbats.png");
    shot("DejaVu Sans", "Liberation Serif", "glyphmatch-text.png");
    shot("Liberation Serif", "Standard Symbols PS", "glyphmatch-symbols.png");
}

} // namespace

namespace {

// For a screen reader and without a mouse: the boxes named by their labels, Tab through the
// fonts and the size to Print and the table, the cells naming character and code, and Copy
// on a symbol doing what a double-click does.
TEST_F(GlyphmatchWindowTest, EveryControlIsNamedAndTheTableWorksFromTheKeyboard)
{
    fonts.setNames({"DejaVu Sans", "Standard Symbols PS"});
    start();
    window->show();
    EXPECT_EQ(AccessibilityWalk::unnamedControls(window.get()).join(u' ').toStdString(), "");
    // A combo box is named by its text; its label is told as the label's relation.
    EXPECT_TRUE(AccessibilityWalk::labelledBy(size(), child<QLabel>("Label3")));
    EXPECT_EQ(
        AccessibilityWalk::tabChainNames(window.get()),
        QStringList({"FC", "ComboSize", "FL", "CommandGo", "CommandPrint", "CommandHelp", "Grid"}));
    QAccessibleInterface *cell =
        QAccessible::queryAccessibleInterface(grid())->tableInterface()->cellAt(0, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("A, U+0041"));

    fc()->setCurrentText("DejaVu Sans");
    selectFl("Standard Symbols PS");
    window->CommandGo_Click();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    grid()->setFocus();
    grid()->setCurrentCell(0, 1);
    QTest::keySequence(grid(), QKeySequence::Copy);
    EXPECT_EQ(clipboard.plain, QString(QChar(0x0391)));
}

} // namespace
