// The shared print flow: see printpageflow.h.
#include "platform/printpageflow.h"

#include "files/textfile.h"
#include "platform/busypointer.h"
#include "platform/messageservice.h"
#include "platform/pendingevents.h"
#include "platform/shellservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcPrintPage, "kerncraft.printpage")

PrintPageFlow::PrintPageFlow(MessageService &messages, ShellService &shell, BusyPointer &busy)
    : m_messages(messages), m_shell(shell), m_busy(busy)
{}

QString PrintPageFlow::question(What what, const QString &browserName)
{
    if (browserName.isEmpty())
        return what == What::FontList
                   ? QCoreApplication::translate(
                         "PrintPageFlow",
                         "This will open the font list in your web browser.  You can then "
                         "preview and print the font list with the browser's Print command "
                         "(Ctrl+P), where you can also change the margins and the headers and "
                         "footers.")
                   : QCoreApplication::translate(
                         "PrintPageFlow",
                         "This will open the keyboard table in your web browser.  You can then "
                         "preview and print the keyboard table with the browser's Print command "
                         "(Ctrl+P), where you can also change the margins and the headers and "
                         "footers.");
    return (what == What::FontList
                ? QCoreApplication::translate(
                      "PrintPageFlow",
                      "This will open the font list in %1.  You can then preview and print the "
                      "font list with the browser's Print command (Ctrl+P), where you can also "
                      "change the margins and the headers and footers.")
                : QCoreApplication::translate(
                      "PrintPageFlow",
                      "This will open the keyboard table in %1.  You can then preview and print "
                      "the keyboard table with the browser's Print command (Ctrl+P), where you "
                      "can also change the margins and the headers and footers."))
        .arg(browserName);
}

QString PrintPageFlow::browserName(const ShellService &shell)
{
    const QString name = shell.webBrowserName().trimmed();
    return name;
}

PrintPageFlow::Outcome PrintPageFlow::run(const Page &page, const QString &folder)
{
    const auto answer =
        m_messages.message(question(page.what, browserName(m_shell)), page.title,
                           MessageService::Buttons::OkCancel, MessageService::Icon::Information);
    if (answer != MessageService::Answer::Ok)
        return Outcome::Cancelled;
    m_busy.setBusy(true);
    const QByteArray bytes = page.bytes ? page.bytes() : QByteArray();
    if (folder.isEmpty()) {
        failed(page, page.fileName,
               QCoreApplication::translate("PrintPageFlow",
                                           "Neither the program's folder nor your own data "
                                           "folder can be written to."));
        return Outcome::NotWritten;
    }
    const QString path = QDir(folder).filePath(page.fileName);
    const WriteResult result = TextFile::writeAtomically(path, bytes);
    processPendingEvents();
    if (!result.ok) {
        failed(page, QDir::toNativeSeparators(path), result.error);
        return Outcome::NotWritten;
    }
    const QString working = page.workingFolder ? page.workingFolder(folder) : folder;
    const bool opened = m_shell.openDocument(path, working);
    if (!opened)
        qCWarning(lcPrintPage) << "no handler opened" << path;
    m_busy.setBusy(false);
    return opened ? Outcome::Opened : Outcome::NotOpened;
}

void PrintPageFlow::failed(const Page &page, const QString &path, const QString &reason)
{
    m_busy.setBusy(false);
    m_messages.message(
        QCoreApplication::translate("PrintPageFlow", "The page \"%1\" could not be written.  %2")
            .arg(path, reason),
        page.programName, MessageService::Buttons::Ok, MessageService::Icon::Warning);
}
