// Facelister's window driven offscreen with injected fonts and services: start-up, the
// list commands, the refresh and its indicator, the sample rule, menus and commands.
#include "core/progressstate.h"
#include "fakes/accessibilitywalk.h"
#include "fakes/fakebusypointer.h"
#include "fakes/fakeclipboard.h"
#include "fakes/fakefilelocations.h"
#include "fakes/fakefontcatalog.h"
#include "fakes/fakemessageservice.h"
#include "fakes/fakeprintservice.h"
#include "fakes/fakeshell.h"
#include "fakes/namedchild.h"
#include "logic/fontdetails.h"
#include "logic/fontlisthtml.h"
#include "logic/previewbuilder.h"
#include "logic/savefiledialog.h"
#include "richtext/richdocument.h"
#include "ui/facelisterwindow.h"
#include "ui/fontdetailspanel.h"
#include "ui/pleasewaitwindow.h"
#include "ui/previewview.h"
#include "ui/qtsavefiledialog.h"
#include "ui/systemfontdetails.h"
#include "ui/waterfallview.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/qtfontcatalog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FakeSaveDialog : public SaveFileDialog {
public:
    QStringList answers; // used in turn; an empty string is a cancel
    QStringList suggested;

    QString saveFileName(const QString &, const QString &suggestedName,
                         const QString &filter) override
    {
        suggested.append(suggestedName);
        lastFilter = filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString lastFilter;
};

// Details made up from the name asked for, and the names asked.
class FakeFontDetails : public FontDetailsSource {
public:
    mutable QStringList asked;
    FontDetails details(const QString &family) const override
    {
        asked.append(family);
        FontDetails details;
        details.family = family;
        details.files = {QStringLiteral("/fonts/%1.ttf").arg(family)};
        details.version = QStringLiteral("Version 1.0");
        return details;
    }
};

const QStringList kFonts = {QStringLiteral("Verdana"),      QStringLiteral("Arial"),
                            QStringLiteral("Courier"),      QStringLiteral("Courier New"),
                            QStringLiteral("Cambria Math"), QStringLiteral("Slim Jim"),
                            QStringLiteral("Tahoma")};

class FacelisterWindowTest : public ::testing::Test {
protected:
    void SetUp() override { makeWindow(kFonts); }

    void makeWindow(const QStringList &fonts)
    {
        form.reset();
        catalog.setNames(fonts);
        form = std::make_unique<FacelisterWindow>(FacelisterServices{
            catalog, clipboard, messages, shell, busy, files, saveDialog, details, &printer});
    }

    template <typename T> T *child(const char *name) const
    {
        return namedChild<T>(form.get(), QString::fromLatin1(name));
    }
    QAction *action(const char *name) const { return child<QAction>(name); }
    QTimer *timer(const char *name) const { return child<QTimer>(name); }

    QStringList listed() const
    {
        QStringList names;
        auto *list = child<QListWidget>("ListFonts");
        for (int i = 0; i < list->count(); ++i)
            names.append(list->item(i)->text());
        return names;
    }
    QString selectedEntry() const
    {
        const auto items = child<QListWidget>("ListFonts")->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    // A click on the entry, as the user makes it.
    void selectEntry(const QString &name)
    {
        auto *list = child<QListWidget>("ListFonts");
        QListWidgetItem *item = list->item(int(listed().indexOf(name)));
        ASSERT_NE(item, nullptr) << name.toStdString();
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    bool indicatorBold() const { return child<QLineEdit>("TextRP")->font().bold(); }
    QColor indicatorColour() const
    {
        return child<QLineEdit>("TextRP")->palette().color(QPalette::Text);
    }

    // Start-up up to the end of the first build (the tick of TimerRefresh), and the end
    // of the flashing that the list build started.
    void load()
    {
        form->show();
        form->Form_Load();
        ASSERT_TRUE(timer("TimerRefresh")->isActive());
        form->TimerRefresh_Timer();
        finishFlash();
    }
    void finishFlash()
    {
        for (int i = 0; i < 10 && timer("TimerFP")->isActive(); ++i)
            form->TimerFP_Timer();
    }

    FakeFontCatalog catalog;
    FakeClipboard clipboard;
    FakePrintService printer;
    FakeMessageService messages;
    FakeShell shell;
    FakeBusyPointer busy;
    FakeFileLocations files;
    FakeSaveDialog saveDialog;
    FakeFontDetails details;
    std::unique_ptr<FacelisterWindow> form;
};

TEST_F(FacelisterWindowTest, StartUpBuildsListSelectsFirstEntryAndDefersThePreview)
{
    form->show();
    form->Form_Load();
    EXPECT_EQ(listed(), QStringList({QStringLiteral("Arial"), QStringLiteral("Courier New"),
                                     QStringLiteral("SLIM JIM"), QStringLiteral("Tahoma"),
                                     QStringLiteral("Verdana")}));
    EXPECT_EQ(selectedEntry(), QStringLiteral("Arial"));
    // Enabled in itself; the frame around it is disabled until the build ends.
    EXPECT_TRUE(child<QPushButton>("CommandRemove")->isEnabledTo(child<QGroupBox>("Frame1")));
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("7 fonts available"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("5 fonts listed"));
    // The bar stands at one fifth: the installed fonts out of five times their number.
    EXPECT_EQ(form->progress().max(), 35);
    EXPECT_EQ(form->progress().fillWidth(), 5385 / 5);
    PleaseWaitWindow *wait = form->waitWindow();
    EXPECT_TRUE(wait->isVisible());
    EXPECT_EQ(wait->status(), QStringLiteral("Creating preview..."));
    EXPECT_EQ(wait->message(), QStringLiteral("Please wait while Facelister loads..."));
    EXPECT_EQ(form->buildCount(), 0);
    EXPECT_FALSE(child<QPushButton>("CommandPreview")->isEnabled());

    form->TimerRefresh_Timer();
    EXPECT_EQ(form->buildCount(), 1);
    EXPECT_FALSE(timer("TimerRefresh")->isActive());
    EXPECT_FALSE(wait->isVisible());
    EXPECT_EQ(form->progress().value(), 0);
    EXPECT_TRUE(form->preview()->text().startsWith(
        QStringLiteral("Fonts\r\n\r\nArial - Bold, Italic\r\nCourier New - Bold, Italic\r\nSLIM "
                       "JIM   BOLD  ITALIC")));
    EXPECT_TRUE(form->preview()->isVisible());
    EXPECT_TRUE(child<QPushButton>("CommandPreview")->isEnabled());
    EXPECT_TRUE(child<QGroupBox>("Frame1")->isEnabled());
    EXPECT_FALSE(indicatorBold());
    EXPECT_FALSE(busy.windowBusy);
    EXPECT_EQ(form->sampleChoice(), 1);
}

TEST_F(FacelisterWindowTest, TheRealTimerRunsTheBuildOnItsFirstTick)
{
    form->Form_Load();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->buildCount() == 1; }, 5000));
    EXPECT_FALSE(timer("TimerRefresh")->isActive());
}

TEST_F(FacelisterWindowTest, SecondRefreshDuringABuildDoesNothing)
{
    load();
    form->CommandPreview_Click();
    form->CommandPreview_Click();
    QTest::mouseClick(child<QLineEdit>("TextRP"), Qt::LeftButton);
    EXPECT_EQ(form->waitWindow()->message(),
              QStringLiteral("Please wait while preview is refreshed..."));
    form->TimerRefresh_Timer();
    EXPECT_EQ(form->buildCount(), 2);
    EXPECT_FALSE(timer("TimerRefresh")->isActive());
}

TEST_F(FacelisterWindowTest, IndicatorPassesTheFocusOnToTheRefreshButton)
{
    load();
    QApplication::setActiveWindow(form.get());
    child<QLineEdit>("TextRP")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), child<QPushButton>("CommandPreview"));
}

TEST_F(FacelisterWindowTest, PressingTheIndicatorRefreshes)
{
    load();
    QTest::mouseClick(child<QLineEdit>("TextRP"), Qt::LeftButton);
    EXPECT_TRUE(timer("TimerRefresh")->isActive());
}

TEST_F(FacelisterWindowTest, FilterChangeRebuildsTheListBeforeThePreviewAndLeavesItUpToDate)
{
    load();
    auto *symbols = child<QCheckBox>("CheckSF");
    symbols->setChecked(true);
    form->CheckSF_Click();
    EXPECT_TRUE(indicatorBold());
    EXPECT_FALSE(listed().contains(QStringLiteral("Cambria Math")));

    form->CommandPreview_Click();
    EXPECT_TRUE(listed().contains(QStringLiteral("Cambria Math")));
    EXPECT_EQ(listed().count(QStringLiteral("Slim Jim")), 1);
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("7 fonts listed"));
    form->TimerRefresh_Timer();
    EXPECT_TRUE(form->preview()->text().contains(QStringLiteral("Cambria Math - Bold, Italic")));
    EXPECT_FALSE(indicatorBold());
}

TEST_F(FacelisterWindowTest, FilterSwitchedBackMarksThePreviewOnlyOnce)
{
    load();
    auto *system = child<QCheckBox>("CheckSYS");
    const QStringList before = listed();
    system->setChecked(true);
    form->CheckSYS_Click();
    EXPECT_TRUE(timer("TimerFP")->isActive());
    for (int i = 0; i < 3; ++i)
        form->TimerFP_Timer();
    EXPECT_FALSE(timer("TimerFP")->isActive());
    system->setChecked(false);
    form->CheckSYS_Click();
    EXPECT_FALSE(timer("TimerFP")->isActive());
    EXPECT_EQ(listed(), before);
}

TEST_F(FacelisterWindowTest, FlashTurnsRedBlackRedBlackAndStaysBold)
{
    load();
    EXPECT_EQ(indicatorColour(), QColor(Qt::black));
    form->FlashPreview();
    EXPECT_TRUE(indicatorBold());
    EXPECT_TRUE(timer("TimerFP")->isActive());
    QList<QColor> seen{indicatorColour()};
    form->FlashPreview(); // while flashing: only bold again
    EXPECT_EQ(indicatorColour(), seen.first());
    for (int i = 0; i < 3; ++i) {
        form->TimerFP_Timer();
        seen.append(indicatorColour());
    }
    EXPECT_EQ(seen, QList<QColor>({QColor(255, 0, 0), Qt::black, QColor(255, 0, 0), Qt::black}));
    EXPECT_FALSE(timer("TimerFP")->isActive());
    EXPECT_TRUE(indicatorBold());
    EXPECT_EQ(timer("TimerFP")->interval(), 200);
}

TEST_F(FacelisterWindowTest, SampleRuleDisablesAbove22AndRestoresTheUsersChoice)
{
    load();
    auto *size = child<QComboBox>("ComboFS");
    auto *samples = child<QCheckBox>("CheckBI");
    size->setCurrentText(QStringLiteral("23"));
    EXPECT_FALSE(samples->isEnabled());
    EXPECT_FALSE(samples->isChecked());
    EXPECT_TRUE(indicatorBold());
    size->setCurrentText(QStringLiteral("22"));
    EXPECT_TRUE(samples->isEnabled());
    EXPECT_TRUE(samples->isChecked());

    QTest::mouseClick(samples, Qt::LeftButton);
    EXPECT_FALSE(samples->isChecked());
    EXPECT_EQ(form->sampleChoice(), 0);
    size->setCurrentText(QStringLiteral("36"));
    size->setCurrentText(QStringLiteral("22.5"));
    EXPECT_TRUE(samples->isEnabled());
    EXPECT_FALSE(samples->isChecked());
}

TEST_F(FacelisterWindowTest, ASampleCutToItsLimitIsToldOnce)
{
    load();
    auto *sample = child<QLineEdit>("TextSample");
    sample->setText(QString(100000, QLatin1Char('x')));
    sample->setText(QString(100000, QLatin1Char('y')));
    EXPECT_EQ(sample->text().size(), sample->maxLength());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().text.startsWith(
        QString("The sample text holds at most %1 characters").arg(sample->maxLength())));
    sample->setText(QStringLiteral("short"));
    sample->setText(QString(100000, QLatin1Char('z')));
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(FacelisterWindowTest, TypingASizeAppliesTheSampleRuleAtOnce)
{
    load();
    auto *size = child<QComboBox>("ComboFS");
    auto *samples = child<QCheckBox>("CheckBI");
    size->lineEdit()->clear();
    QTest::keyClicks(size->lineEdit(), QStringLiteral("23"));
    EXPECT_FALSE(samples->isEnabled());
    EXPECT_FALSE(samples->isChecked());
    QTest::keyClick(size->lineEdit(), Qt::Key_Backspace);
    EXPECT_TRUE(samples->isEnabled()); // "2"
    EXPECT_TRUE(samples->isChecked());
}

TEST_F(FacelisterWindowTest, BuildNormalisesTheSizeText)
{
    load();
    auto *size = child<QComboBox>("ComboFS");
    size->setCurrentText(QStringLiteral("7"));
    form->CommandPreview_Click();
    form->TimerRefresh_Timer();
    EXPECT_EQ(size->currentText(), QStringLiteral("8"));
    EXPECT_EQ(form->preview()->formatAt(12).size, 8.0);
}

TEST_F(FacelisterWindowTest, RemovingTheLastEntriesDisablesRemoveUntilOneIsSelected)
{
    load();
    auto *remove = child<QPushButton>("CommandRemove");
    selectEntry(QStringLiteral("Verdana"));
    form->CommandRemove_Click();
    EXPECT_EQ(selectedEntry(), QStringLiteral("Tahoma"));
    selectEntry(QStringLiteral("Courier New"));
    form->CommandRemove_Click();
    EXPECT_EQ(selectedEntry(), QStringLiteral("SLIM JIM"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("3 fonts listed"));
    EXPECT_TRUE(indicatorBold());
    form->CommandRemove_Click();
    form->CommandRemove_Click();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Arial")});
    EXPECT_FALSE(remove->isEnabled());
    selectEntry(QStringLiteral("Arial"));
    EXPECT_TRUE(remove->isEnabled());
    form->CommandRemove_Click();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("0 fonts listed"));
    form->mnuEdit_Click();
    EXPECT_FALSE(action("mnuCPlainText")->isEnabled());
}

TEST_F(FacelisterWindowTest, CapitalisingArialKeepsItsPlaceAndTheCount)
{
    load();
    selectEntry(QStringLiteral("Arial"));
    form->CommandCap_Click();
    EXPECT_EQ(listed().first(), QStringLiteral("ARIAL"));
    EXPECT_EQ(listed().size(), 5);
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("5 fonts listed"));
    EXPECT_TRUE(indicatorBold());
    form->CommandPreview_Click();
    form->TimerRefresh_Timer();
    EXPECT_TRUE(form->preview()->text().contains(QStringLiteral("ARIAL   BOLD  ITALIC")));
}

TEST_F(FacelisterWindowTest, RemoveAndCapitaliseWithoutSelectionLeaveTheListAlone)
{
    load();
    form->CommandRL_Click(); // a reset leaves nothing selected
    const QStringList before = listed();
    form->CommandRemove_Click();
    form->CommandCap_Click();
    EXPECT_EQ(listed(), before);
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("5 fonts listed"));
}

TEST_F(FacelisterWindowTest, ClickInThePreviewSelectsThatFontInTheList)
{
    load();
    PreviewView *preview = form->preview();
    const int tahoma = int(preview->text().indexOf(QStringLiteral("Tahoma")));
    preview->select(tahoma + 1, 2);
    form->R_MouseUp();
    form->R_Click();
    EXPECT_EQ(selectedEntry(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(child<QPushButton>("CommandCap")->isEnabled());

    preview->select(tahoma, 25); // on into the line break's face
    form->R_KeyUp();
    EXPECT_EQ(selectedEntry(), QString());
    EXPECT_FALSE(child<QPushButton>("CommandCap")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("CommandRemove")->isEnabled());
}

TEST_F(FacelisterWindowTest, MouseClickOnALineOfThePreviewSelectsItsFont)
{
    load();
    form->resize(700, 900);
    QApplication::processEvents();
    PreviewView *preview = form->preview();
    auto *remove = child<QPushButton>("CommandRemove");
    remove->setEnabled(false);
    const int line = preview->lineOf(int(preview->text().indexOf(QStringLiteral("Tahoma"))));
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, {}, preview->lineRect(line).center());
    EXPECT_EQ(selectedEntry(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(remove->isEnabled());
}

// Every control of the window, by the name it is known by.
const char *const kControls[] = {"TextSearch",     "ListFonts",  "CheckSF",    "CheckSYS",
                                 "CommandRemove",  "CommandCap", "CommandRL",  "Label1",
                                 "Label2",         "Label3",     "ComboFS",    "CheckBI",
                                 "Label4",         "TextSample", "CheckCover", "TextRP",
                                 "CommandPreview", "R",          "CommandHelp"};

TEST_F(FacelisterWindowTest, AtItsSmallestEveryControlIsWholeAndApartAndExtraRoomIsShared)
{
    load();
    form->resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), form->minimumSize());
    EXPECT_TRUE(form->grab().save(QDir::temp().filePath(QStringLiteral("facelister-min.png"))));
    QList<QRect> placed;
    for (const char *name : kControls) {
        auto *control = child<QWidget>(name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->isVisible()) << name;
        const QRect rect(control->mapTo(form.get(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(form->rect().contains(rect)) << name;
        EXPECT_GE(rect.height(), control->minimumSizeHint().height()) << name;
        for (const QRect &other : std::as_const(placed))
            EXPECT_FALSE(rect.intersects(other)) << name;
        placed.append(rect);
    }

    // The list shows six whole rows at the least; extra height goes to the preview.
    auto *list = child<QListWidget>("ListFonts");
    EXPECT_GE(list->viewport()->height(), 6 * list->sizeHintForRow(0));
    const int previewHeight = form->preview()->height();
    form->resize(form->width() + 200, form->height() + 600);
    QApplication::processEvents();
    EXPECT_EQ(form->preview()->height(), previewHeight + 600);
    EXPECT_TRUE(form->grab().save(QDir::temp().filePath(QStringLiteral("facelister-large.png"))));
}

TEST_F(FacelisterWindowTest, SmallestWindowStillShowsTheFirstPreviewLineAndAWholeSize)
{
    load();
    form->resize(form->minimumSizeHint());
    QApplication::processEvents();
    PreviewView *preview = form->preview();
    ASSERT_TRUE(preview->text().mid(preview->lineStart(2)).startsWith(QStringLiteral("Arial")));
    EXPECT_LE(preview->lineRect(2).bottom(), preview->viewport()->height());
    // A size with a fraction, typed in, fits the box.
    QLineEdit *sizeText = child<QComboBox>("ComboFS")->lineEdit();
    EXPECT_GE(sizeText->width(), sizeText->fontMetrics().horizontalAdvance(QStringLiteral("22.5")));
}

TEST_F(FacelisterWindowTest, MenusFollowThePreviewAndTheList)
{
    form->mnuFile_Click();
    form->mnuEdit_Click();
    EXPECT_FALSE(action("mnuSave")->isEnabled());
    EXPECT_FALSE(action("mnuPrint")->isEnabled());
    EXPECT_FALSE(action("mnuCopy")->isEnabled());
    EXPECT_FALSE(action("mnuCPlainText")->isEnabled());
    load();
    form->mnuFile_Click();
    form->mnuEdit_Click();
    EXPECT_TRUE(action("mnuSave")->isEnabled());
    EXPECT_TRUE(action("mnuPrint")->isEnabled());
    EXPECT_TRUE(action("mnuCopy")->isEnabled());
    EXPECT_TRUE(action("mnuCPlainText")->isEnabled());
    EXPECT_EQ(action("mnuOHelp")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(FacelisterWindowTest, EmptyFontListGivesTitleOnlyAndNoPlainTextCopy)
{
    makeWindow({});
    load();
    EXPECT_EQ(form->preview()->text(), QStringLiteral("Fonts\r\n\r\n"));
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("0 fonts available"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("0 fonts listed"));
    form->mnuEdit_Click();
    EXPECT_TRUE(action("mnuCopy")->isEnabled());
    EXPECT_FALSE(action("mnuCPlainText")->isEnabled());
}

TEST_F(FacelisterWindowTest, CopiesThePreviewAsRtfAndHtmlAndTheListAsPlainText)
{
    load();
    form->mnuCopy_Click();
    ASSERT_TRUE(clipboard.rich.has_value());
    EXPECT_TRUE(clipboard.rich->startsWith("{\\rtf"));
    EXPECT_TRUE(clipboard.rich->contains("Courier New"));
    // Browser editors read the HTML flavour.
    ASSERT_TRUE(clipboard.markup.has_value());
    EXPECT_TRUE(clipboard.markup->contains(QLatin1String("font-family:'Courier New'")));
    EXPECT_EQ(
        clipboard.plain,
        QString(form->preview()->text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    form->mnuCPlainText_Click();
    EXPECT_EQ(clipboard.text(),
              QStringLiteral("Arial\r\nCourier New\r\nSLIM JIM\r\nTahoma\r\nVerdana\r\n"));
    EXPECT_EQ(clipboard.clears, 2);
}

TEST_F(FacelisterWindowTest, PreviewAndPdfTakeTheWholePreviewFromItsRichText)
{
    load();
    printer.chosenPdfName = QStringLiteral("/tmp/fonts.pdf");
    form->mnuPdf_Click();
    form->mnuPreview_Click();
    ASSERT_EQ(printer.written.size(), 1);
    ASSERT_EQ(printer.previewed.size(), 1);
    EXPECT_EQ(printer.suggestedNames, QList<QString>{QStringLiteral("Font_List.pdf")});
    for (const PrintJob &job : {printer.written[0], printer.previewed[0]}) {
        QString text;
        for (const RichRun &run : job.runs)
            text += run.text;
        EXPECT_EQ(text, form->preview()->text());
        EXPECT_EQ(job.runs.first().format.face, QStringLiteral("Arial")); // the title
    }
}

TEST_F(FacelisterWindowTest, SaveAsWritesRtfAndCancelWritesNothing)
{
    load();
    const QString path = QDir(files.userCacheFolder()).filePath(QStringLiteral("fonts.rtf"));
    saveDialog.answers = {path};
    form->mnuSave_Click();
    EXPECT_EQ(saveDialog.lastFilter, QStringLiteral("Rich Text format (*.rtf)"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    EXPECT_EQ(saved, form->preview()->rtf() + "\r\n");

    // The dialog offers the earlier name again; cancelling must not overwrite that file.
    selectEntry(QStringLiteral("Arial"));
    form->CommandRemove_Click();
    form->CommandPreview_Click();
    form->TimerRefresh_Timer();
    saveDialog.answers = {QString()};
    form->mnuSave_Click();
    EXPECT_EQ(saveDialog.suggested.last(), path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FacelisterWindowTest, SaveAsThatCannotWriteSaysSoAndNamesTheFile)
{
    load();
    files.setProgramFolderWritable(false); // the program folder is now a plain file
    const QString path = QDir(files.programFolder()).filePath(QStringLiteral("fonts.rtf"));
    saveDialog.answers = {path};
    form->mnuSave_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    const QString text = messages.shown.first().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The font list could not be saved as \"") +
                                QDir::toNativeSeparators(path) + QStringLiteral("\".  ")))
        << text.toStdString();
    // The reason follows as a sentence of its own.
    EXPECT_GT(text.size(), text.indexOf(QStringLiteral("\".  ")) + 4);
    EXPECT_TRUE(text.endsWith(u'.')) << text.toStdString();
    EXPECT_EQ(messages.shown.first().title, QStringLiteral("Facelister"));
}

TEST_F(FacelisterWindowTest, PrintWritesTheFontListBesideTheProgramAndOpensIt)
{
    load();
    messages.answers = {MessageService::Answer::Cancel};
    form->mnuPrint_Click();
    EXPECT_TRUE(shell.documents.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().title, QStringLiteral("Print font list"));

    form->mnuPrint_Click();
    const QString path = QDir(files.programFolder()).filePath(QStringLiteral("Font_List.htm"));
    ASSERT_EQ(shell.documents, QStringList{path});
    EXPECT_EQ(shell.workingFolders, QStringList{QDir(files.programFolder()).absolutePath()});
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    EXPECT_TRUE(html.startsWith("<!--List all the fonts on your computer with Facelister"));
    EXPECT_TRUE(
        html.contains("<font face=\"tahoma\" size=6>Tahoma - <b>Bold,</b> <i>Italic</i></font>"))
        << html.toStdString();
    EXPECT_TRUE(html.contains("</font>\r\n</body>\r\n</html>\r\n"));
    EXPECT_TRUE(html.endsWith("-->\r\n\r\n"));
    EXPECT_TRUE(form->preview()->isVisible());
    EXPECT_EQ(form->preview()->selStart(), 0);
    EXPECT_FALSE(busy.windowBusy);
}

TEST_F(FacelisterWindowTest, PrintGoesToTheUsersDataFolderWhenTheProgramFolderIsReadOnly)
{
    load();
    files.setProgramFolderWritable(false);
    form->mnuPrint_Click();
    ASSERT_EQ(shell.documents.size(), 1);
    EXPECT_EQ(shell.documents.first(),
              QDir(files.userCacheFolder()).filePath(QStringLiteral("Font_List.htm")));
    EXPECT_TRUE(QFile::exists(shell.documents.first()));
}

TEST_F(FacelisterWindowTest, PrintThatCannotWriteThePageSaysWhyAndOpensNothing)
{
    load();
    QDir().mkpath(QDir(files.programFolder()).filePath(QStringLiteral("Font_List.htm")));
    form->mnuPrint_Click();
    EXPECT_TRUE(shell.documents.isEmpty());
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].text.startsWith("The page \""));
    EXPECT_TRUE(messages.shown[1].text.endsWith("could not be written.  It is a folder."));
    EXPECT_FALSE(busy.windowBusy);
}

TEST_F(FacelisterWindowTest, PrintWithEmptyPreviewDoesNothing)
{
    form->mnuPrint_Click();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(shell.documents.isEmpty());
}

TEST_F(FacelisterWindowTest, HelpOpensTheHelpPageAndAboutNamesTheProgram)
{
    form->mnuOHelp_Click();
    QTest::mouseClick(child<QPushButton>("CommandHelp"), Qt::LeftButton);
    ASSERT_EQ(shell.addresses.size(), 2);
    EXPECT_TRUE(shell.addresses.first().endsWith(QStringLiteral("facelister.html")));
    // The build puts the page where the programs find it.
    const QUrl bundled(FacelisterWindow::helpAddress(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(QFile::exists(bundled.toLocalFile())) << bundled.toString().toStdString();
    form->mnuAbout_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().title, QStringLiteral("Facelister"));
    EXPECT_TRUE(messages.shown.first().text.startsWith(QStringLiteral("\n")));
    EXPECT_TRUE(messages.shown.first().text.contains(
        QStringLiteral("We are always looking for suggestions for how to improve our software")));
}

TEST_F(FacelisterWindowTest, PleaseWaitWindowStaysUntilTheBuildEnds)
{
    form->show();
    form->Form_Load();
    PleaseWaitWindow *wait = form->waitWindow();
    QTest::keyClick(wait, Qt::Key_Escape);
    EXPECT_TRUE(wait->isVisible());
    EXPECT_FALSE(wait->close());
    EXPECT_TRUE(wait->isVisible());
    form->TimerRefresh_Timer();
    EXPECT_FALSE(wait->isVisible());
}

TEST_F(FacelisterWindowTest, ExitClosesTheWindows)
{
    form->show();
    form->Form_Load();
    form->mnuX_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->waitWindow()->isVisible());
    EXPECT_FALSE(timer("TimerRefresh")->isActive());
}

// The real save dialog, answered as a user would: a bare name gets the type's extension,
// and the dialog asks before that extended name replaces an existing file.
class SaveDialogTest : public ::testing::Test {
protected:
    // Runs the dialog; typing the name and pressing Save happen once it is open. When a
    // question pops up, it is answered No and the dialog then cancelled.
    QString runDialog(const QString &typedName)
    {
        QtSaveFileDialog dialog;
        QTimer::singleShot(0, [this, typedName] {
            auto *fileDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(fileDialog, nullptr);
            QTimer::singleShot(0, [this, fileDialog] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    asked = true;
                    box->done(QMessageBox::No);
                    QTimer::singleShot(0, fileDialog, &QDialog::reject);
                }
            });
            fileDialog->selectFile(typedName);
            static_cast<QDialog *>(fileDialog)->accept(); // the Save button
        });
        return dialog.saveFileName(QStringLiteral("Save As"), QString(),
                                   QStringLiteral("Rich Text format (*.rtf)"));
    }

    QTemporaryDir folder;
    bool asked = false;
};

TEST_F(SaveDialogTest, BareNameGetsTheRtfExtension)
{
    EXPECT_EQ(runDialog(folder.filePath(QStringLiteral("fonts"))),
              folder.filePath(QStringLiteral("fonts.rtf")));
    EXPECT_FALSE(asked);
}

TEST_F(SaveDialogTest, BareNameOfAnExistingFileAsksBeforeReplacingIt)
{
    QFile existing(folder.filePath(QStringLiteral("fonts.rtf")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    EXPECT_EQ(runDialog(folder.filePath(QStringLiteral("fonts"))), QString());
    EXPECT_TRUE(asked);
}

TEST(FacelisterWindowRealFontsTest, BuildsFromTheInstalledFontsAndTakesAScreenshot)
{
    QtFontCatalog catalog;
    FakeClipboard clipboard;
    FakeMessageService messages;
    FakeShell shell;
    FakeBusyPointer busy;
    FakeFileLocations files;
    FakeSaveDialog saveDialog;
    SystemFontDetails details;
    FacelisterWindow form({catalog, clipboard, messages, shell, busy, files, saveDialog, details});
    form.show();
    form.Form_Load();
    EXPECT_TRUE(form.waitWindow()->grab().save(
        QDir::temp().filePath(QStringLiteral("facelister-wait.png"))));
    form.TimerRefresh_Timer();
    const FontList &list = form.fontList();
    EXPECT_TRUE(list.entries().contains(QStringLiteral("DejaVu Sans")));
    EXPECT_FALSE(list.entries().contains(QStringLiteral("Standard Symbols PS")));
    EXPECT_TRUE(form.preview()->text().contains(QStringLiteral("DejaVu Serif - Bold, Italic")));
    const int line = int(form.preview()->text().indexOf(QStringLiteral("DejaVu Serif")));
    EXPECT_EQ(form.preview()->formatAt(line).face, QStringLiteral("DejaVu Serif"));

    const QString shot = QDir::temp().filePath(QStringLiteral("facelister-window.png"));
    EXPECT_TRUE(form.grab().save(shot));
}

TEST_F(FacelisterWindowTest, RemoveAndCapitaliseLeaveTheListWhereItWasScrolled)
{
    QStringList fonts;
    for (int i = 0; i < 60; ++i)
        fonts.append(QStringLiteral("Font %1").arg(i, 2, 10, QLatin1Char('0')));
    makeWindow(fonts);
    load();
    auto *list = child<QListWidget>("ListFonts");
    for (auto command :
         {&FacelisterWindow::CommandRemove_Click, &FacelisterWindow::CommandCap_Click}) {
        list->scrollToItem(list->item(30), QAbstractItemView::PositionAtTop);
        const int scrolled = list->verticalScrollBar()->value();
        ASSERT_GT(scrolled, 0);
        selectEntry(list->item(31)->text());
        (form.get()->*command)();
        EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
    }
}

TEST_F(FacelisterWindowTest, SearchAndSampleFilterTheListAndTheCountsThroughRemoveAndReset)
{
    catalog.setGlyphs(QStringLiteral("Courier New"), QStringLiteral("ABCabc"));
    load();
    QTest::keyClicks(child<QLineEdit>("TextSearch"), QStringLiteral("IER"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Courier New")});
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("1 font listed"));
    EXPECT_TRUE(indicatorBold());

    child<QLineEdit>("TextSearch")->clear();
    EXPECT_FALSE(child<QCheckBox>("CheckCover")->isEnabled());
    child<QLineEdit>("TextSample")->setText(QStringLiteral("Жук"));
    QTest::mouseClick(child<QCheckBox>("CheckCover"), Qt::LeftButton);
    EXPECT_FALSE(listed().contains(QStringLiteral("Courier New")));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("4 fonts listed"));
    selectEntry(QStringLiteral("Tahoma"));
    form->CommandRemove_Click();
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("3 fonts listed"));
    form->CommandRL_Click();
    EXPECT_EQ(listed(), QStringList({QStringLiteral("Arial"), QStringLiteral("SLIM JIM"),
                                     QStringLiteral("Tahoma"), QStringLiteral("Verdana")}));

    form->CommandPreview_Click();
    form->TimerRefresh_Timer();
    EXPECT_TRUE(form->preview()->text().contains(QStringLiteral("Tahoma: Жук - Bold, Italic")));
    child<QLineEdit>("TextSample")->setText(QStringLiteral("abc"));
    EXPECT_TRUE(listed().contains(QStringLiteral("Courier New")));
}

// Every way the window lists the fonts afresh keeps the user's removal and capitals; only
// Reset list forgets them.
struct RebuildCase {
    const char *label;
    std::function<void(FacelisterWindow &, QWidget &)> rebuild;
};

class PruningKeptTest : public FacelisterWindowTest,
                        public ::testing::WithParamInterface<RebuildCase> {};

TEST_P(PruningKeptTest, RemovalAndCapitalsSurviveTheRebuild)
{
    catalog.setGlyphs(QStringLiteral("Courier New"), QStringLiteral("ABCabc"));
    load();
    selectEntry(QStringLiteral("Tahoma"));
    form->CommandRemove_Click();
    selectEntry(QStringLiteral("Verdana"));
    form->CommandCap_Click();
    const QStringList pruned = {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                                QStringLiteral("SLIM JIM"), QStringLiteral("VERDANA")};
    ASSERT_EQ(listed(), pruned);

    GetParam().rebuild(*form, *form);
    EXPECT_FALSE(listed().contains(QStringLiteral("Tahoma")));
    EXPECT_FALSE(listed().contains(QStringLiteral("Verdana")));
    EXPECT_TRUE(listed().contains(QStringLiteral("VERDANA")));

    form->CommandRL_Click();
    EXPECT_TRUE(listed().contains(QStringLiteral("Tahoma")));
    EXPECT_TRUE(listed().contains(QStringLiteral("Verdana")));
}

INSTANTIATE_TEST_SUITE_P(
    Rebuilds, PruningKeptTest,
    ::testing::Values(
        RebuildCase{"SymbolFontsTickedAndRefreshed",
                    [](FacelisterWindow &form, QWidget &window) {
                        QTest::mouseClick(namedChild<QCheckBox>(&window, QStringLiteral("CheckSF")),
                                          Qt::LeftButton);
                        form.CommandPreview_Click();
                        form.TimerRefresh_Timer();
                    }},
        RebuildCase{"SystemFontsTickedAndRefreshed",
                    [](FacelisterWindow &form, QWidget &window) {
                        QTest::mouseClick(
                            namedChild<QCheckBox>(&window, QStringLiteral("CheckSYS")),
                            Qt::LeftButton);
                        form.CommandPreview_Click();
                        form.TimerRefresh_Timer();
                    }},
        RebuildCase{"SearchTypedAndCleared",
                    [](FacelisterWindow &, QWidget &window) {
                        auto *search = namedChild<QLineEdit>(&window, QStringLiteral("TextSearch"));
                        QTest::keyClicks(search, QStringLiteral("a"));
                        search->clear();
                    }},
        RebuildCase{"SampleCoverageOnAndOff",
                    [](FacelisterWindow &, QWidget &window) {
                        namedChild<QLineEdit>(&window, QStringLiteral("TextSample"))
                            ->setText(QStringLiteral("abc"));
                        auto *cover = namedChild<QCheckBox>(&window, QStringLiteral("CheckCover"));
                        QTest::mouseClick(cover, Qt::LeftButton);
                        QTest::mouseClick(cover, Qt::LeftButton);
                    }}),
    [](const auto &info) { return std::string(info.param.label); });

TEST_F(FacelisterWindowTest, SymbolFontLineLinksItsDefaultFaceNameToItsEntry)
{
    catalog.setSymbolFonts({QStringLiteral("Webdings")});
    makeWindow(kFonts + QStringList{QStringLiteral("Webdings")});
    load();
    child<QCheckBox>("CheckSF")->setChecked(true);
    form->CommandPreview_Click();
    form->TimerRefresh_Timer();
    PreviewView *preview = form->preview();
    const int line = int(preview->text().indexOf(QStringLiteral("Webdings: ABC abc 123 - Bold")));
    ASSERT_GE(line, 0);
    EXPECT_EQ(preview->formatAt(line).face, preview->defaultFormat().face);
    preview->select(line + 2, 3);
    form->R_MouseUp();
    EXPECT_EQ(selectedEntry(), QStringLiteral("Webdings"));
}

TEST(FacelisterRealFontsTest, GlyphFilterKeepsOnlyTheFontsWithCyrillic)
{
    QtFontCatalog catalog;
    FontList list;
    list.build(catalog, true, true);
    const QString withCyrillic = QStringLiteral("DejaVu Sans");
    const QString without = QStringLiteral("DejaVu Math TeX Gyre");
    ASSERT_TRUE(list.entries().contains(without));
    list.setRequiredText(catalog, QStringLiteral("Съешь же ещё"));
    EXPECT_TRUE(list.entries().contains(withCyrillic));
    // A family that several foundries offer is listed without the foundry's name.
    EXPECT_TRUE(list.entries().contains(QStringLiteral("Nimbus Sans")));
    EXPECT_FALSE(list.entries().contains(without));
    list.setRequiredText(catalog, QStringLiteral("Abc"));
    EXPECT_TRUE(list.entries().contains(without));
}

} // namespace

namespace {

// The preview on screen is the preview that formatting a box itself gives: the same runs,
// RTF and HTML font list.
TEST_F(FacelisterWindowTest, PreviewIsTheSameAsFormattingTheBoxItself)
{
    load();
    PreviewView *preview = form->preview();
    RichDocument reference;
    PreviewBuilder::build(reference, form->fontList().entries(), 22, true);
    EXPECT_EQ(preview->runs(0, preview->length()), reference.runs());
    EXPECT_EQ(preview->rtf(), reference.rtf());
    EXPECT_EQ(FontListHtml::pageBytes(*preview, FacelisterWindow::downloadAddress()),
              FontListHtml::pageBytes(reference, FacelisterWindow::downloadAddress()));
}

// Watches the bar's filling, as the user sees it, through a whole start-up.
class BarWatcher : public QObject {
public:
    explicit BarWatcher(ProgressState &state) : m_state(state) {}
    QList<int> widths;
    QList<qint32> values;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            widths.append(m_state.fillWidth());
            values.append(m_state.value());
        }
        return false;
    }

private:
    ProgressState &m_state;
};

TEST_F(FacelisterWindowTest, BarMovesForwardThroughTheWholeBuildToItsEnd)
{
    form->show();
    BarWatcher watcher(form->progress());
    namedChild<QWidget>(form->waitWindow(), QStringLiteral("ShapePB"))
        ->installEventFilter(&watcher);
    form->Form_Load();
    form->TimerRefresh_Timer();
    // The build's last step empties the bar for the next run, behind the closed window.
    ASSERT_GE(watcher.widths.size(), 3);
    EXPECT_EQ(watcher.values.takeLast(), 0);
    watcher.widths.removeLast();
    EXPECT_TRUE(std::is_sorted(watcher.widths.begin(), watcher.widths.end()));
    EXPECT_TRUE(std::is_sorted(watcher.values.begin(), watcher.values.end()));
    EXPECT_EQ(watcher.widths.last(), ProgressState::kFacelisterBarWidth);
    EXPECT_EQ(watcher.values.last(), form->progress().max());
}

} // namespace

namespace {

// A preview long enough to scroll, shown in a window of a fixed size.
class PreviewViewTest : public FacelisterWindowTest {
protected:
    void SetUp() override
    {
        QStringList fonts;
        for (int i = 0; i < 80; ++i)
            fonts.append(QStringLiteral("Font %1").arg(i, 2, 10, QLatin1Char('0')));
        makeWindow(fonts);
        load();
        form->resize(700, 800);
        QApplication::processEvents();
    }
    int lineOfEntry(const QString &entry) const
    {
        return form->preview()->lineOf(
            int(form->preview()->text().indexOf(entry + QStringLiteral(" - "))));
    }
};

TEST_F(PreviewViewTest, AClickOnALineSelectsItsEntryAfterScrolling)
{
    PreviewView *preview = form->preview();
    const int line = lineOfEntry(QStringLiteral("Font 60"));
    ASSERT_GT(preview->lineRect(line).top(), preview->viewport()->height());
    preview->verticalScrollBar()->setValue(preview->verticalScrollBar()->value() +
                                           preview->lineRect(line).top());
    ASSERT_TRUE(preview->viewport()->rect().contains(preview->lineRect(line).center()));
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, {}, preview->lineRect(line).center());
    EXPECT_EQ(selectedEntry(), QStringLiteral("Font 60"));
    EXPECT_EQ(preview->selLength(), 0); // a click selects no text: Copy still copies it all
}

TEST_F(PreviewViewTest, KeysAndTheWheelScroll)
{
    PreviewView *preview = form->preview();
    QScrollBar *bar = preview->verticalScrollBar();
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_PageDown);
    QTest::keyClick(preview, Qt::Key_PageDown);
    const int paged = bar->value();
    EXPECT_GT(paged, 0);
    EXPECT_GT(preview->currentLine(), 2);
    QTest::keyClick(preview, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(preview, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);

    const QPointF at = preview->viewport()->rect().center();
    QWheelEvent wheel(at, preview->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview->viewport(), &wheel);
    EXPECT_GT(bar->value(), 0);
}

TEST_F(PreviewViewTest, LinesSelectedWithShiftAreCopiedInThreeFlavours)
{
    PreviewView *preview = form->preview();
    const int first = lineOfEntry(QStringLiteral("Font 03"));
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, {}, preview->lineRect(first).center());
    QTest::keyClick(preview, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(preview, Qt::Key_C, Qt::ControlModifier);
    const QString lines = QStringLiteral("Font 03 - Bold, Italic\nFont 04 - Bold, Italic");
    ASSERT_TRUE(clipboard.plain.has_value());
    EXPECT_EQ(*clipboard.plain, lines);
    ASSERT_TRUE(clipboard.rich.has_value());
    EXPECT_TRUE(clipboard.rich->contains("Font 04"));
    EXPECT_FALSE(clipboard.rich->contains("Font 05"));
    ASSERT_TRUE(clipboard.markup.has_value());
    EXPECT_TRUE(clipboard.markup->contains(QStringLiteral("font-family:'Font 03'")) ||
                clipboard.markup->contains(QStringLiteral("Font 03")));
    EXPECT_FALSE(clipboard.markup->contains(QStringLiteral("Font 05")));

    // Mixed faces name no entry.
    form->R_KeyUp();
    EXPECT_EQ(selectedEntry(), QString());
}

TEST_F(PreviewViewTest, DraggingSelectsTheLinesBetween)
{
    PreviewView *preview = form->preview();
    const int from = lineOfEntry(QStringLiteral("Font 01"));
    const int to = lineOfEntry(QStringLiteral("Font 03"));
    QTest::mousePress(preview->viewport(), Qt::LeftButton, {}, preview->lineRect(from).center());
    QMouseEvent move(QEvent::MouseMove, QPointF(preview->lineRect(to).center()),
                     preview->viewport()->mapToGlobal(QPointF(preview->lineRect(to).center())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(preview->viewport(), &move);
    QTest::mouseRelease(preview->viewport(), Qt::LeftButton, {}, preview->lineRect(to).center());
    EXPECT_EQ(preview->selText(),
              QStringLiteral("Font 01 - Bold, Italic\r\nFont 02 - Bold, Italic\r\nFont 03 - "
                             "Bold, Italic"));
}

TEST_F(PreviewViewTest, PagingThroughKeepsFewLinesLaidOut)
{
    PreviewView *preview = form->preview();
    preview->setFocus();
    while (preview->currentLine() < preview->lineCount() - 1) {
        QTest::keyClick(preview, Qt::Key_PageDown);
        preview->viewport()->repaint();
    }
    EXPECT_LE(preview->laidOutLines(), PreviewView::kKeptLines + 40);
    EXPECT_GT(preview->laidOutLines(), 0);
}

// How far the ink of the top third of a picture lies right of the bottom third's (pixels),
// and how much ink there is.
struct Slant {
    double shift = 0;
    int ink = 0;
};
Slant slantOf(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    int top = grey.height(), bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            if (qGray(grey.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    Slant slant;
    if (bottom - top < 6)
        return slant;
    const int third = (bottom - top + 1) / 3;
    const auto centre = [&](int from, int to) {
        double sum = 0;
        int count = 0;
        for (int y = from; y < to; ++y) {
            for (int x = 0; x < grey.width(); ++x) {
                if (qGray(grey.pixel(x, y)) < 128) {
                    sum += x;
                    ++count;
                }
            }
        }
        slant.ink += count;
        return count > 0 ? sum / count : 0.0;
    };
    slant.shift = centre(top, top + third) - centre(bottom + 1 - third, bottom + 1);
    centre(top + third, bottom + 1 - third);
    return slant;
}

TEST(PreviewViewSlantTest, ItalicOfAFamilyWithoutOneIsSlantedAsQtSlantsIt)
{
    // A family with an upright face only: the view slants its glyphs itself.
    const QString family = QStringLiteral("DejaVu Math TeX Gyre");
    if (!FontGlyphNames::hasOnlyUprightOutlines(family))
        GTEST_SKIP() << "DejaVu Math TeX Gyre is not installed";
    PreviewView view;
    view.resize(400, 160);
    RichDocument document;
    document.setText(QStringLiteral("IIII"));
    document.select(0, 4);
    document.setSelFontName(family);
    document.setSelFontSize(40);
    document.setSelColour(0);
    document.setSelItalic(true);
    document.select(0, 0);
    view.setDocument(document);
    view.show();
    const Slant drawn = slantOf(view.viewport()->grab().toImage());

    // Qt's own italic of the same family, size and text.
    QImage qt(view.viewport()->size(), QImage::Format_RGB32);
    qt.fill(Qt::white);
    {
        QPainter painter(&qt);
        QFont font(family);
        font.setPointSize(40);
        font.setItalic(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(4, 100), QStringLiteral("IIII"));
    }
    const Slant reference = slantOf(qt);
    ASSERT_GT(reference.shift, 3.0);
    EXPECT_NEAR(drawn.shift, reference.shift, 1.5);
    EXPECT_NEAR(drawn.ink, reference.ink, reference.ink / 5);
}

TEST_F(FacelisterWindowTest, DetailsPanelShowsTheSelectedFontAndItsWaterfall)
{
    load();
    FontDetailsPanel *panel = form->detailsPanel();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(details.asked.isEmpty()); // hidden, it reads nothing
    action("mnuDetails")->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->detailsBox()->toPlainText().contains(QStringLiteral("/fonts/Arial.ttf")));
    EXPECT_EQ(panel->waterfall()->family(), QStringLiteral("Arial"));
    EXPECT_EQ(panel->waterfall()->text(), QStringLiteral("ABC abc 123"));

    selectEntry(QStringLiteral("Tahoma"));
    EXPECT_EQ(details.asked.last(), QStringLiteral("Tahoma"));
    child<QLineEdit>("TextSample")->setText(QStringLiteral("Жук"));
    EXPECT_EQ(panel->waterfall()->text(), QStringLiteral("Жук"));
    EXPECT_EQ(panel->waterfall()->lineFont(72).pointSize(), 72);
    EXPECT_EQ(panel->waterfall()->lineFont(72).family(), QStringLiteral("Tahoma"));

    action("mnuDetails")->trigger();
    EXPECT_FALSE(panel->isVisible());
}

TEST(SystemFontDetailsTest, ReadsDejaVuSansFromItsFile)
{
    const FontDetails details = SystemFontDetails().details(QStringLiteral("DEJAVU SANS"));
    EXPECT_EQ(details.family, QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(std::any_of(details.files.cbegin(), details.files.cend(), [](const QString &file) {
        return file.endsWith(QStringLiteral("/DejaVuSans.ttf"));
    }));
    EXPECT_TRUE(details.version.contains(QStringLiteral("2.3"))) << details.version.toStdString();
    EXPECT_TRUE(details.styles.contains(QStringLiteral("Bold")));
    for (const char *script : {"Latin", "Greek", "Cyrillic"})
        EXPECT_TRUE(details.scripts.contains(QString::fromLatin1(script))) << script;
    EXPECT_TRUE(details.languages.contains(QStringLiteral("ru")));
    EXPECT_FALSE(details.licence.isEmpty());
    EXPECT_TRUE(details.text().contains(QStringLiteral("Scripts: ")));
}

TEST(SystemFontDetailsTest, AFontThatIsNotInstalledHasNoDetails)
{
    EXPECT_TRUE(SystemFontDetails().details(QStringLiteral("No Such Font 123")).isEmpty());
}

} // namespace

namespace {

// For a screen reader and without a mouse: every control named (the search box by its own
// hint, not its frame's title), Tab from the search through the settings to Refresh and the
// preview, the preview's text readable, the please-wait bar a progress bar.
TEST_F(FacelisterWindowTest, EveryControlIsNamedTabFollowsTheWindowAndThePreviewReads)
{
    load();
    action("mnuDetails")->trigger();
    ASSERT_TRUE(form->detailsPanel()->isVisible());
    EXPECT_EQ(AccessibilityWalk::unnamedControls(form.get()).join(u' ').toStdString(), "");
    QAccessibleInterface *search =
        QAccessible::queryAccessibleInterface(child<QLineEdit>("TextSearch"));
    EXPECT_EQ(search->text(QAccessible::Name), QStringLiteral("Find a font by name"));
    const QStringList names = AccessibilityWalk::tabChainNames(form.get());
    EXPECT_TRUE(AccessibilityWalk::inOrder(names, {"TextSearch", "ListFonts", "CheckSF", "ComboFS",
                                                   "TextSample", "CommandPreview", "R",
                                                   "TextDetails", "CommandHelp"}))
        << names.join(u' ').toStdString();

    QAccessibleInterface *preview = QAccessible::queryAccessibleInterface(form->preview());
    ASSERT_NE(preview, nullptr);
    QAccessibleTextInterface *text = preview->textInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_GT(text->characterCount(), 0);
    EXPECT_EQ(text->text(0, text->characterCount()), form->preview()->text());
    EXPECT_TRUE(preview->state().readOnly);
    // The caret is the current line: moving it moves the line, as the arrow keys do.
    const int second = form->preview()->lineStart(1);
    text->setCursorPosition(second + 1);
    EXPECT_EQ(form->preview()->currentLine(), 1);
    EXPECT_EQ(text->cursorPosition(), second);

    auto *wait = form->findChild<PleaseWaitWindow *>();
    ASSERT_NE(wait, nullptr);
    const QList<QAccessibleInterface *> bars = AccessibilityWalk::progressBars(wait);
    ASSERT_EQ(bars.size(), 1);
    EXPECT_NE(bars.first()->valueInterface(), nullptr);
}

} // namespace
