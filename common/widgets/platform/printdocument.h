// The document that the print preview and the PDF export paginate: a QTextDocument built
// from a print job's runs (or its HTML page), never from what a box shows on screen.
#pragma once

#include "platform/printservice.h"

#include <QTextDocument>

#include <memory>

namespace PrintDocument {

std::unique_ptr<QTextDocument> build(const PrintJob &job);

// Writes the document's pages to the device (a printer or a PDF writer) as
// QTextDocument::print does, numbered at the bottom right, laid out once for the device.
void paint(QTextDocument &document, QPagedPaintDevice &device);

} // namespace PrintDocument
