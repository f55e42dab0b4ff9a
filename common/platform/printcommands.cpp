// The shared print commands: see printcommands.h.
#include "platform/printcommands.h"

#include "platform/messageservice.h"
#include "platform/printservice.h"

#include <QCoreApplication>
#include <QDir>

PrintCommands::PrintCommands(PrintService &printer, MessageService &messages, QString programName)
    : m_printer(printer), m_messages(messages), m_programName(std::move(programName))
{}

QString PrintCommands::noPrinterMessage()
{
    return QCoreApplication::translate(
        "PrintCommands", "There is no printer.  Do you want to save the document as a PDF file "
                         "instead?  You can print the PDF file later, on any computer.");
}

bool PrintCommands::exportPdf(const JobSource &job, const QString &suggestedName)
{
    const QString path = m_printer.pdfFileName(suggestedName);
    if (path.isEmpty())
        return false;
    const WriteResult result = m_printer.writePdf(job(), path);
    if (!result.ok)
        m_messages.message(QCoreApplication::translate(
                               "PrintCommands", "The PDF file \"%1\" could not be written.  %2")
                               .arg(QDir::toNativeSeparators(path), result.error),
                           m_programName, MessageService::Buttons::Ok,
                           MessageService::Icon::Warning);
    return result.ok;
}

void PrintCommands::preview(const JobSource &job)
{
    m_printer.preview(job());
}

bool PrintCommands::offerPdfWithoutPrinter(const JobSource &job, const QString &suggestedName)
{
    if (m_printer.hasPrinter())
        return false;
    const auto answer =
        m_messages.message(noPrinterMessage(), m_programName, MessageService::Buttons::YesNo,
                           MessageService::Icon::Question);
    if (answer == MessageService::Answer::Yes)
        exportPdf(job, suggestedName);
    return true;
}
