// The print commands every program shares: File > Export as PDF, and the offer of a PDF
// file where a print command finds no printer.
#pragma once

#include <QString>

#include <functional>

class MessageService;
class PrintService;
struct PrintJob;

class PrintCommands {
public:
    // The job is built only once the user has chosen to go on, since building it reads
    // the whole document.
    using JobSource = std::function<PrintJob()>;

    PrintCommands(PrintService &printer, MessageService &messages, QString programName);

    // Asks for the file's name and writes it; a failure is shown. True when written.
    bool exportPdf(const JobSource &job, const QString &suggestedName);
    // Shows the print preview.
    void preview(const JobSource &job);
    // Without a printer, asks whether to save a PDF file instead, and does so when asked;
    // true when there was no printer (the print command then ends).
    bool offerPdfWithoutPrinter(const JobSource &job, const QString &suggestedName);

    static QString noPrinterMessage();

private:
    PrintService &m_printer;
    MessageService &m_messages;
    QString m_programName;
};
