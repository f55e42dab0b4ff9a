// Printing through Qt Print Support: see qtprintservice.h.
#include "widgets/platform/qtprintservice.h"

#include "widgets/platform/printdocument.h"
#include "widgets/platform/savedialog.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The PDF's layout unit. Text stays vector at any resolution; a low one keeps Qt's font
// cache small, which a result with a face and size per character would otherwise overflow
// and refill for every character.
constexpr int kPdfResolution = 72;
// Margins of every page, in millimetres.
constexpr qreal kMarginMillimetres = 15;

void setUpPages(QPagedPaintDevice &device)
{
    device.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
}

} // namespace

bool QtPrintService::hasPrinter() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void QtPrintService::preview(const PrintJob &job)
{
    const std::unique_ptr<QTextDocument> document = PrintDocument::build(job);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title);
    setUpPages(printer);
    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QCoreApplication::translate("QtPrintService", "Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter *target) { PrintDocument::paint(*document, *target); });
    dialog.exec();
}

QString QtPrintService::pdfFileName(const QString &suggestedName)
{
    SaveDialog dialog(m_parent, QCoreApplication::translate("QtPrintService", "Export as PDF"),
                      suggestedName,
                      QCoreApplication::translate("QtPrintService", "PDF document (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QString path = dialog.run();
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    return path;
}

QByteArray QtPrintService::pdfBytes(const PrintJob &job)
{
    const std::unique_ptr<QTextDocument> document = PrintDocument::build(job);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(job.title);
        writer.setCreator(QStringLiteral("Kerncraft"));
        writer.setResolution(kPdfResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        setUpPages(writer);
        PrintDocument::paint(*document, writer);
    }
    return buffer.data();
}

WriteResult QtPrintService::writePdf(const PrintJob &job, const QString &path)
{
    return TextFile::writeAtomically(path, pdfBytes(job));
}
