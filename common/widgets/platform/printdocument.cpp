// The printed document: see printdocument.h.
#include "widgets/platform/printdocument.h"

#include "widgets/controls/colourref.h"

#include <QPagedPaintDevice>
#include <QTextCursor>

#include <algorithm>
#include <cmath>

namespace PrintDocument {

namespace {

QTextCharFormat charFormat(const CharFormat &format)
{
    QTextCharFormat out;
    if (!format.face.isEmpty())
        out.setFontFamilies({format.face});
    // Half points, as the saved RTF has them: every other size would load a font of its own,
    // and thousands of those make the layout crawl.
    if (format.size > 0)
        out.setFontPointSize(std::max(0.5, std::round(format.size * 2) / 2));
    out.setForeground(ColourRef::toQColor(format.colour));
    out.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(format.italic);
    // Offsets are twips (a twentieth of a point); Qt raises by a share of the font's height.
    if (format.offset != 0 && format.size > 0)
        out.setBaselineOffset(format.offset / 20.0 / format.size * 100.0);
    return out;
}

void insertRuns(QTextCursor &cursor, const RichRuns &runs)
{
    for (const RichRun &run : runs) {
        const QTextCharFormat format = charFormat(run.format);
        const QStringList lines = QString(run.text)
                                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                      .replace(u'\r', u'\n')
                                      .split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), format);
            if (!lines[i].isEmpty())
                cursor.insertText(lines[i], format);
        }
    }
}

} // namespace

std::unique_ptr<QTextDocument> build(const PrintJob &job)
{
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setMetaInformation(QTextDocument::DocumentTitle, job.title);
    if (job.runs.isEmpty()) {
        document->setHtml(job.html);
        return document;
    }
    QTextCursor cursor(document.get());
    cursor.beginEditBlock();
    insertRuns(cursor, job.runs);
    cursor.endEditBlock();
    return document;
}

void paint(QTextDocument &document, QPagedPaintDevice &device)
{
    document.print(&device);
}

} // namespace PrintDocument
