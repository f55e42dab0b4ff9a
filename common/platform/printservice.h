// Printing and PDF files of a whole document, paginated by the platform: the print preview
// (from which the user prints) and the PDF export, with selectable text in embedded fonts.
#pragma once

#include "files/textfile.h"
#include "richtext/richrun.h"

#include <QString>

// What is printed: rich-text runs (line breaks as CR LF) or, when there are none, an HTML
// page such as a program's table.
struct PrintJob {
    QString title;
    RichRuns runs;
    QString html;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    virtual bool hasPrinter() const = 0;
    // Shows the print preview of the job until the user closes it.
    virtual void preview(const PrintJob &job) = 0;
    // The name of the PDF file to write, ending in ".pdf"; empty when the user cancels.
    virtual QString pdfFileName(const QString &suggestedName) = 0;
    // Writes the job as a PDF file, atomically.
    virtual WriteResult writePdf(const PrintJob &job, const QString &path) = 0;
};
