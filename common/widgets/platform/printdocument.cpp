// The printed document: see printdocument.h.
#include "widgets/platform/printdocument.h"

#include "widgets/controls/colourref.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextCursor>
#include <QTextFrame>

#include <algorithm>
#include <cmath>
#include <vector>

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

// The resolution of the layout's own units (a frame's margins), which the layout scales
// to the device: the screen's, as Qt's default.
int layoutDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 100;
}

// Qt's own print margins: two centimetres inside the device's page, in whole layout
// units.
int innerMargin()
{
    return int(2 / 2.54 * layoutDpi());
}

// One font for each format the document uses, loaded for the device and held until the
// last page is drawn. Qt's font cache lets go of fonts nobody holds once it holds a few
// hundred, and a result with a face and size per character would otherwise have its fonts
// loaded again (through fontconfig) for nearly every character it lays out and draws.
std::vector<QFont> loadedFonts(const QTextDocument &document, QPaintDevice &device)
{
    std::vector<QFont> fonts;
    for (const QTextFormat &format : document.allFormats()) {
        if (!format.isCharFormat())
            continue;
        fonts.emplace_back(format.toCharFormat().font(), &device);
        // A font loads its engine when first measured.
        (void)QFontMetricsF(fonts.back(), &device).ascent();
    }
    return fonts;
}

// One page as Qt's print loop draws it: the document's slice, clipped, and the page's
// number at the bottom right.
void paintPage(QPainter &painter, const QTextDocument &document, int index, const QSizeF &body,
               const QPointF &numberAt)
{
    painter.save();
    painter.translate(0, -index * body.height());
    const QRectF view(0, index * body.height(), body.width(), body.height());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    // The system's text colour may be light; paper wants black.
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.setClipping(false);
    painter.setFont(document.defaultFont());
    const QString number = QString::number(index + 1);
    painter.drawText(qRound(numberAt.x() - painter.fontMetrics().horizontalAdvance(number)),
                     qRound(numberAt.y() + view.top()), number);
    painter.restore();
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
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    // Laid out once, for the device itself: QTextDocument::print would lay the document
    // out for the screen first and then again in a copy for the device. A document without
    // a page size is not laid out, so the layout waits for the page's size, set last.
    document.setPageSize(QSizeF(0, 0));
    const int inner = innerMargin();
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setLeftMargin(inner);
    frame.setRightMargin(inner);
    frame.setTopMargin(inner);
    frame.setBottomMargin(inner);
    document.rootFrame()->setFrameFormat(frame);
    document.documentLayout()->setPaintDevice(&device);
    const std::vector<QFont> fonts = loadedFonts(document, device);
    const QSizeF body(device.width(), device.height());
    document.setPageSize(body);
    const qreal margin = qreal(inner) * device.logicalDpiY() / layoutDpi();
    const QPointF numberAt(body.width() - margin,
                           body.height() - margin +
                               QFontMetrics(document.defaultFont(), &device).ascent() +
                               5 * device.logicalDpiY() / 72.0);
    // A printer brings the range the user chose in the print dialog, if any.
    int first = 0;
    int last = document.pageCount() - 1;
    if (const auto *printer = dynamic_cast<const QPrinter *>(&device);
        printer && printer->fromPage() > 0) {
        first = std::max(first, printer->fromPage() - 1);
        last = std::min(last, printer->toPage() - 1);
    }
    for (int i = first; i <= last; ++i) {
        if (i > first && !device.newPage())
            return;
        paintPage(painter, document, i, body, numberAt);
    }
}

} // namespace PrintDocument
