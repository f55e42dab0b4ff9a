// Printing through Qt Print Support: the preview dialog over the default printer, and PDF
// files written by Qt's PDF engine (vector text, fonts embedded as subsets).
#pragma once

#include "platform/printservice.h"

class QWidget;

class QtPrintService : public PrintService {
public:
    explicit QtPrintService(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    bool hasPrinter() const override;
    void preview(const PrintJob &job) override;
    QString pdfFileName(const QString &suggestedName) override;
    WriteResult writePdf(const PrintJob &job, const QString &path) override;

    // The PDF file's bytes.
    static QByteArray pdfBytes(const PrintJob &job);

private:
    QWidget *m_parent = nullptr;
};
