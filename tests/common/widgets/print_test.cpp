// The print preview and the PDF export: pages and text of a real PDF file (read back with
// poppler's tools), the preview dialog's pages, and the shared commands with a fake printer.
#include "fakes/fakemessageservice.h"
#include "fakes/fakeprintservice.h"
#include "platform/printcommands.h"
#include "widgets/platform/qtprintservice.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Lines "Line 1" to "Line n" in 24-point Liberation Sans: several pages.
PrintJob numberedLines(int n)
{
    PrintJob job;
    job.title = QStringLiteral("Numbered");
    CharFormat format;
    format.face = QStringLiteral("Liberation Sans");
    format.size = 24;
    for (int i = 1; i <= n; ++i)
        job.runs.append({QStringLiteral("Line %1\r\n").arg(i), format});
    return job;
}

// The output of a poppler tool run on the file, or nullopt when the tool is missing.
std::optional<QString> popplerOutput(const QString &tool, QStringList arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdfPath)
{
    const auto info = popplerOutput(QStringLiteral("pdfinfo"), {pdfPath});
    if (!info)
        return -1;
    for (const QString &line : info->split(u'\n')) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return 0;
}

TEST(PdfExport, WritesEveryPageWithSelectableTextInEmbeddedFonts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.pdf"));
    QtPrintService printer;
    ASSERT_TRUE(printer.writePdf(numberedLines(60), path).ok);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";

    // 60 lines of 24 points (about 28 points apart) fill three A4 pages within margins.
    const int pages = pageCount(path);
    EXPECT_EQ(pages, 3);
    const QString all = *popplerOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    for (int i = 1; i <= 60; ++i)
        EXPECT_TRUE(all.contains(QStringLiteral("Line %1\n").arg(i))) << i;
    const QString last =
        *popplerOutput(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(pages), QStringLiteral("-l"),
                        QString::number(pages), path, QStringLiteral("-")});
    EXPECT_FALSE(last.startsWith(QLatin1String("Line 1\n")));
    EXPECT_TRUE(last.contains(QLatin1String("Line 60\n")));

    const QString fonts = *popplerOutput(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QLatin1String("LiberationSans"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QLatin1String(" yes "))) << fonts.toStdString();
}

TEST(PdfExport, AnHtmlPageKeepsItsTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.pdf"));
    PrintJob job;
    job.html = QStringLiteral("<html><body><table border=1><tr><td><font face='Liberation "
                              "Sans'>left</font></td><td>right</td></tr></table></body></html>");
    ASSERT_TRUE(QtPrintService().writePdf(job, path).ok);
    const auto text = popplerOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!text)
        GTEST_SKIP() << "poppler-utils is not installed";
    EXPECT_EQ(pageCount(path), 1);
    EXPECT_TRUE(text->contains(QLatin1String("left")));
    EXPECT_TRUE(text->contains(QLatin1String("right")));
}

TEST(PrintPreview, OpensWithThePagesOfTheWholeDocument)
{
    QtPrintService printer;
    int pagesShown = -1;
    QTimer::singleShot(0, [&pagesShown] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
            pagesShown = view->pageCount();
        dialog->reject();
    });
    printer.preview(numberedLines(60));
    EXPECT_GE(pagesShown, 2);
}

struct PrintCommandsTest : ::testing::Test {
    FakePrintService printer;
    FakeMessageService messages;
    PrintCommands commands{printer, messages, QStringLiteral("Glyphmatch")};
    int jobsBuilt = 0;
    PrintCommands::JobSource job = [this] {
        ++jobsBuilt;
        return numberedLines(3);
    };
};

TEST_F(PrintCommandsTest, ExportWritesTheChosenFileAndReportsAFailure)
{
    printer.chosenPdfName = QStringLiteral("/tmp/out.pdf");
    EXPECT_TRUE(commands.exportPdf(job, QStringLiteral("Table.pdf")));
    EXPECT_EQ(printer.suggestedNames, QList<QString>{QStringLiteral("Table.pdf")});
    EXPECT_EQ(printer.writtenPaths, QList<QString>{QStringLiteral("/tmp/out.pdf")});
    EXPECT_TRUE(messages.shown.isEmpty());

    printer.writeResult = {false, QStringLiteral("The disk is full.")};
    EXPECT_FALSE(commands.exportPdf(job, QStringLiteral("Table.pdf")));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.endsWith(QLatin1String("The disk is full.")));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Glyphmatch"));
}

TEST_F(PrintCommandsTest, CancelledNameBuildsAndWritesNothing)
{
    EXPECT_FALSE(commands.exportPdf(job, QStringLiteral("Table.pdf")));
    EXPECT_TRUE(printer.written.isEmpty());
    EXPECT_EQ(jobsBuilt, 0);
}

TEST_F(PrintCommandsTest, WithoutAPrinterThePdfIsOfferedInstead)
{
    printer.chosenPdfName = QStringLiteral("/tmp/out.pdf");
    messages.answers = {MessageService::Answer::No, MessageService::Answer::Yes};
    EXPECT_TRUE(commands.offerPdfWithoutPrinter(job, QStringLiteral("a.pdf")));
    EXPECT_TRUE(printer.written.isEmpty());
    EXPECT_TRUE(commands.offerPdfWithoutPrinter(job, QStringLiteral("a.pdf")));
    EXPECT_EQ(printer.written.size(), 1);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text, PrintCommands::noPrinterMessage());
    EXPECT_EQ(messages.shown[0].buttons, MessageService::Buttons::YesNo);
}

TEST_F(PrintCommandsTest, WithAPrinterNothingIsOffered)
{
    printer.printerInstalled = true;
    EXPECT_FALSE(commands.offerPdfWithoutPrinter(job, QStringLiteral("a.pdf")));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(jobsBuilt, 0);
}

} // namespace
