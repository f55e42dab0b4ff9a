// A printer that records what it is asked to preview and write.
#pragma once

#include "platform/printservice.h"

#include <QList>

class FakePrintService : public PrintService {
public:
    bool printerInstalled = false;
    QString chosenPdfName; // the answer of the PDF name dialog; empty cancels
    WriteResult writeResult{true, {}};

    QList<PrintJob> previewed;
    QList<QString> suggestedNames;
    QList<QString> writtenPaths;
    QList<PrintJob> written;

    bool hasPrinter() const override { return printerInstalled; }
    void preview(const PrintJob &job) override { previewed.append(job); }
    QString pdfFileName(const QString &suggestedName) override
    {
        suggestedNames.append(suggestedName);
        return chosenPdfName;
    }
    WriteResult writePdf(const PrintJob &job, const QString &path) override
    {
        written.append(job);
        writtenPaths.append(path);
        return writeResult;
    }
};
