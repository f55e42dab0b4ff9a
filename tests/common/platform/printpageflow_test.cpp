// The print flow Facelister and Glyphmatch share: the question names the browser and its
// print command, and a page that cannot be written is reported with the reason.
#include "fakes/fakebusypointer.h"
#include "fakes/fakemessageservice.h"
#include "fakes/fakeshell.h"
#include "platform/printpageflow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Flow {
    FakeMessageService messages;
    FakeShell shell;
    FakeBusyPointer busy;
    QTemporaryDir dir;
    PrintPageFlow::Page page{PrintPageFlow::What::KeyboardTable,
                             QStringLiteral("Print keyboard table"),
                             QStringLiteral("Glyphmatch"),
                             QStringLiteral("page.htm"),
                             [] { return QByteArrayLiteral("<html></html>"); },
                             {}};

    PrintPageFlow::Outcome run(const QString &folder)
    {
        return PrintPageFlow(messages, shell, busy).run(page, folder);
    }
};

} // namespace

TEST(PrintPageFlow, QuestionNamesTheBrowserAndItsPrintCommand)
{
    Flow f;
    f.shell.browser = QStringLiteral("Firefox ESR");
    f.messages.answers = {MessageService::Answer::Cancel};
    EXPECT_EQ(f.run(f.dir.path()), PrintPageFlow::Outcome::Cancelled);
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown[0].text,
              QStringLiteral("This will open the keyboard table in Firefox ESR.  You can then "
                             "preview and print the keyboard table with the browser's Print "
                             "command (Ctrl+P), where you can also change the margins and the "
                             "headers and footers."));
    EXPECT_EQ(f.messages.shown[0].title, QStringLiteral("Print keyboard table"));
    EXPECT_FALSE(QFile::exists(QDir(f.dir.path()).filePath(QStringLiteral("page.htm"))));

    f.shell.browser = QStringLiteral("  ");
    EXPECT_TRUE(PrintPageFlow::browserName(f.shell).isEmpty());
    const QString unnamed =
        PrintPageFlow::question(PrintPageFlow::What::FontList, PrintPageFlow::browserName(f.shell));
    EXPECT_TRUE(unnamed.startsWith(QStringLiteral("This will open the font list in your web "
                                                  "browser.  You can then preview and print the "
                                                  "font list")))
        << unnamed.toStdString();
}

TEST(PrintPageFlow, WritesThePageAndOpensItInItsWorkingFolder)
{
    Flow f;
    f.page.workingFolder = [](const QString &folder) { return folder + QStringLiteral("/x"); };
    EXPECT_EQ(f.run(f.dir.path()), PrintPageFlow::Outcome::Opened);
    const QString path = QDir(f.dir.path()).filePath(QStringLiteral("page.htm"));
    EXPECT_EQ(f.shell.documents, QStringList{path});
    EXPECT_EQ(f.shell.workingFolders, QStringList{f.dir.path() + QStringLiteral("/x")});
    EXPECT_FALSE(f.busy.windowBusy);
}

// No folder can hold the page, or the file cannot be written: a message says why, nothing
// opens, and the pointer is normal again.
TEST(PrintPageFlow, PageThatCannotBeWrittenIsReportedWithTheReason)
{
    struct Case {
        const char *name;
        bool folderGiven;
        const char *reason;
    };
    const Case cases[] = {
        {"NoFolder", false,
         "Neither the program's folder nor your own data folder can be written to."},
        {"PathIsAFolder", true, "It is a folder."},
    };
    for (const Case &c : cases) {
        Flow f;
        QDir().mkpath(QDir(f.dir.path()).filePath(QStringLiteral("page.htm")));
        EXPECT_EQ(f.run(c.folderGiven ? f.dir.path() : QString()),
                  PrintPageFlow::Outcome::NotWritten)
            << c.name;
        ASSERT_EQ(f.messages.shown.size(), 2) << c.name;
        EXPECT_EQ(f.messages.shown[1].title, QStringLiteral("Glyphmatch")) << c.name;
        EXPECT_TRUE(f.messages.shown[1].text.startsWith(QStringLiteral("The page \"")));
        EXPECT_TRUE(f.messages.shown[1].text.endsWith(QStringLiteral("could not be written.  ") +
                                                      QString::fromLatin1(c.reason)))
            << f.messages.shown[1].text.toStdString();
        EXPECT_TRUE(f.shell.documents.isEmpty()) << c.name;
        EXPECT_FALSE(f.busy.windowBusy) << c.name;
    }
}
