// Facelister's preview on screen: see previewview.h.
#include "ui/previewview.h"

#include "ui/previewaccessible.h"
#include "widgets/controls/colourref.h"
#include "widgets/fonts/drawnfamily.h"
#include "widgets/fonts/fontglyphnames.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <cmath>

namespace {

// Room a line gives its largest size: most faces rise about an em above the baseline and
// fall a quarter below it; tall scripts get a little more.
constexpr double kLineFactor = 1.45;
constexpr double kAscentFactor = 1.1;
constexpr int kMargin = 4; // left of the text, in pixels
constexpr int kScrollStep = 20;
// FreeType's oblique, with which Qt slants a family that has no italic face: x grows by this
// much of the height above the baseline.
constexpr double kObliqueShear = 0x0366A / 65536.0;

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// A face that is not installed (the default face, mostly) is drawn as Qt would draw it, but
// named as installed, which spares Qt ranking every installed family for it.
QString drawnFamily(const CharFormat &format)
{
    const QString face =
        format.face.isEmpty() ? QString::fromLatin1(RichDocument::kDefaultFace) : format.face;
    return DrawnFamily::of(face, format.italic ? QFont::StyleItalic : QFont::StyleNormal);
}

// Whether Qt would slant the upright glyphs for the run's italic (see previewview.h); the
// bold italic of such a family is left to Qt, as is everything when Qt is told not to slant.
bool slantsUpright(const CharFormat &format)
{
    static const bool qtSlants = !qEnvironmentVariableIsSet("QT_NO_SYNTHESIZED_ITALIC");
    return qtSlants && format.italic && !format.bold &&
           FontGlyphNames::hasOnlyUprightOutlines(drawnFamily(format));
}

QTextCharFormat qtFormat(const CharFormat &format, double defaultSize)
{
    const double size = RichDocument::isValidSize(format.size) ? format.size : defaultSize;
    QTextCharFormat f;
    f.setFontFamilies(QStringList{drawnFamily(format)});
    f.setFontPointSize(size);
    f.setForeground(ColourRef::toQColor(format.colour));
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    // The offset is in twips, a twentieth of a point; Qt takes a percentage of the size.
    if (format.offset != 0)
        f.setBaselineOffset(format.offset / 20.0 / size * 100.0);
    return f;
}

} // namespace

PreviewView::PreviewView(QWidget *parent) : QAbstractScrollArea(parent)
{
    PreviewAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(kScrollStep);
    horizontalScrollBar()->setSingleStep(kScrollStep);
    documentChanged();
}

PreviewView::~PreviewView() = default;

void PreviewView::setSymbolFaces(const SymbolFaces &faces)
{
    m_symbolFaces = faces;
    m_document.setSymbolFaces(faces);
}

void PreviewView::setDocument(RichDocument document)
{
    document.setSymbolFaces(m_symbolFaces);
    m_document = std::move(document);
    documentChanged();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void PreviewView::documentChanged()
{
    m_layouts.clear();
    m_widest = 0;
    measureLines();
    m_current = qBound(0, m_current, int(m_lines.size()) - 1);
    m_anchor = qBound(0, m_anchor, int(m_lines.size()) - 1);
    updateScrollBars();
    viewport()->update();
}

void PreviewView::measureLines()
{
    m_lines.clear();
    const double pixelsPerPoint = logicalDpiY() / 72.0;
    const double defaultSize = m_document.defaultFormat().size;
    Line line;
    double largest = 0;
    int top = 0;
    const auto close = [&](int length) {
        line.length = length;
        const double em = (largest > 0 ? largest : defaultSize) * pixelsPerPoint;
        line.top = top;
        line.height = int(std::ceil(em * kLineFactor));
        line.ascent = int(std::ceil(em * kAscentFactor));
        top += line.height;
        m_lines.append(line);
    };
    int position = 0;
    m_document.forEachRun(
        0, m_document.length(), true, [&](QStringView text, const CharFormat &format) {
            const double size = RichDocument::isValidSize(format.size) ? format.size : defaultSize;
            qsizetype from = 0;
            while (from <= text.size()) {
                const qsizetype lf = text.indexOf(u'\n', from);
                if (from < text.size() || lf >= 0)
                    largest = std::max(largest, size);
                if (lf < 0)
                    break;
                // The CR before the LF belongs to the break.
                const int end = position + int(lf) - 1;
                close(end - line.start);
                line = Line{};
                line.start = position + int(lf) + 1;
                largest = 0;
                from = lf + 1;
            }
            position += int(text.size());
        });
    close(position - line.start);
    m_documentHeight = top;
}

void PreviewView::updateScrollBars()
{
    QScrollBar *vertical = verticalScrollBar();
    vertical->setPageStep(viewport()->height());
    vertical->setRange(0, std::max(0, m_documentHeight - viewport()->height()));
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setPageStep(viewport()->width());
    horizontal->setRange(0, std::max(0, m_widest + 2 * kMargin - viewport()->width()));
}

int PreviewView::lineAt(int y) const
{
    const int target = y + verticalScrollBar()->value();
    const auto after = std::upper_bound(m_lines.cbegin(), m_lines.cend(), target,
                                        [](int at, const Line &line) { return at < line.top; });
    return std::max(0, int(after - m_lines.cbegin()) - 1);
}

int PreviewView::lineOf(int position) const
{
    const auto after = std::upper_bound(m_lines.cbegin(), m_lines.cend(), position,
                                        [](int at, const Line &line) { return at < line.start; });
    return std::max(0, int(after - m_lines.cbegin()) - 1);
}

QRect PreviewView::lineRect(int line) const
{
    const Line &l = m_lines.at(line);
    return {0, l.top - verticalScrollBar()->value(), viewport()->width(), l.height};
}

PreviewView::LaidOut &PreviewView::layoutOf(int line)
{
    auto found = m_layouts.find(line);
    if (found != m_layouts.end())
        return found->second;
    const Line &l = m_lines.at(line);
    const double defaultSize = m_document.defaultFormat().size;
    QString text;
    QList<QTextLayout::FormatRange> formats;
    QList<SlantedRun> slanted;
    m_document.forEachRun(l.start, l.length, true, [&](QStringView part, const CharFormat &format) {
        const int start = int(text.size());
        if (slantsUpright(format)) {
            // Laid out upright, where the slanted glyphs go (the slant keeps the advances),
            // and left unpainted there: drawLine slants them.
            CharFormat upright = format;
            upright.italic = false;
            QTextCharFormat unpainted = qtFormat(upright, defaultSize);
            unpainted.setForeground(Qt::transparent);
            formats.append({start, int(part.size()), unpainted});
            slanted.append({start, int(part.size()), ColourRef::toQColor(format.colour)});
        } else {
            formats.append({start, int(part.size()), qtFormat(format, defaultSize)});
        }
        text += part;
    });
    auto layout = std::make_unique<QTextLayout>(text, font(), viewport());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->setFormats(formats);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine textLine = layout->createLine();
    if (textLine.isValid())
        textLine.setLineWidth(std::max(1.0, 1e6));
    layout->endLayout();
    if (textLine.isValid()) {
        const int width = int(std::ceil(textLine.naturalTextWidth()));
        if (width > m_widest) {
            m_widest = width;
            updateScrollBars();
        }
    }
    return m_layouts.emplace(line, LaidOut{std::move(layout), std::move(slanted)}).first->second;
}

void PreviewView::drawLine(QPainter &painter, const LaidOut &laidOut, const QPointF &origin,
                           bool selected)
{
    QTextLayout &layout = *laidOut.layout;
    if (layout.lineCount() == 0)
        return;
    QList<QTextLayout::FormatRange> selection;
    if (selected) {
        // The slanted runs stay out of the selection, which would paint them upright.
        QTextCharFormat highlighted;
        highlighted.setBackground(palette().brush(QPalette::Highlight));
        highlighted.setForeground(palette().brush(QPalette::HighlightedText));
        int from = 0;
        for (const SlantedRun &run : laidOut.slanted) {
            selection.append({from, run.start - from, highlighted});
            from = run.start + run.length;
        }
        selection.append({from, int(layout.text().size()) - from, highlighted});
    }
    layout.draw(&painter, origin, selection);
    if (laidOut.slanted.isEmpty())
        return;
    const QTextLine textLine = layout.lineAt(0);
    const double baseline = origin.y() + textLine.y() + textLine.ascent();
    painter.save();
    painter.translate(0, baseline);
    painter.shear(-kObliqueShear, 0);
    painter.translate(0, -baseline);
    for (const SlantedRun &run : laidOut.slanted) {
        painter.setPen(selected ? palette().color(QPalette::HighlightedText) : run.colour);
        for (const QGlyphRun &glyphs : layout.glyphRuns(run.start, run.length))
            painter.drawGlyphRun(origin, glyphs);
    }
    painter.restore();
}

void PreviewView::dropDistantLayouts(int first, int last)
{
    if (int(m_layouts.size()) <= last - first + 1 + kKeptLines)
        return;
    for (auto it = m_layouts.begin(); it != m_layouts.end();) {
        if (it->first < first - kKeptLines / 2 || it->first > last + kKeptLines / 2)
            it = m_layouts.erase(it);
        else
            ++it;
    }
}

bool PreviewView::isSelected(int line) const
{
    if (m_document.selLength() == 0)
        return false;
    return line >= lineOf(m_document.selStart()) &&
           line <= lineOf(m_document.selStart() + m_document.selLength());
}

void PreviewView::paintEvent(QPaintEvent *event)
{
    if (m_lines.isEmpty())
        return;
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int first = lineAt(area.top());
    const int last = lineAt(area.bottom());
    const int x = kMargin - horizontalScrollBar()->value();
    for (int i = first; i <= last; ++i) {
        const QRect rect = lineRect(i);
        const LaidOut &laidOut = layoutOf(i);
        const bool selected = isSelected(i);
        if (selected)
            painter.fillRect(rect, palette().brush(QPalette::Highlight));
        if (laidOut.layout->lineCount() > 0) {
            const QTextLine textLine = laidOut.layout->lineAt(0);
            const double top = rect.top() + m_lines.at(i).ascent - textLine.ascent();
            drawLine(painter, laidOut, QPointF(x, top), selected);
        }
        if (i == m_current && hasFocus()) {
            QPen pen(palette().color(QPalette::Text), 1, Qt::DotLine);
            painter.setPen(pen);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        }
    }
    dropDistantLayouts(first, last);
}

void PreviewView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PreviewView::scrollContentsBy(int, int)
{
    viewport()->update();
}

int PreviewView::linesPerPage() const
{
    const int first = lineAt(0);
    return std::max(1, lineAt(viewport()->height() - 1) - first);
}

void PreviewView::moveTo(int line, bool extend)
{
    if (m_lines.isEmpty())
        return;
    line = qBound(0, line, int(m_lines.size()) - 1);
    if (extend) {
        selectLines(m_anchor, line);
    } else {
        m_anchor = m_current = line;
        m_document.select(m_lines.at(line).start, 0);
    }
    const QRect rect = lineRect(line);
    QScrollBar *vertical = verticalScrollBar();
    if (rect.top() < 0)
        vertical->setValue(vertical->value() + rect.top());
    else if (rect.bottom() >= viewport()->height())
        vertical->setValue(vertical->value() + rect.bottom() - viewport()->height() + 1);
    viewport()->update();
    announceCaret();
}

void PreviewView::announceCaret()
{
    // Without a screen reader listening, Qt drops the event at once.
    if (m_lines.isEmpty())
        return;
    QAccessibleTextCursorEvent event(this, m_lines.at(m_current).start);
    QAccessible::updateAccessibility(&event);
}

void PreviewView::selectLines(int from, int to)
{
    if (m_lines.isEmpty())
        return;
    const int last = int(m_lines.size()) - 1;
    m_anchor = qBound(0, from, last);
    m_current = qBound(0, to, last);
    const Line &first = m_lines.at(std::min(m_anchor, m_current));
    const Line &end = m_lines.at(std::max(m_anchor, m_current));
    m_document.select(first.start, end.start + end.length - first.start);
    viewport()->update();
}

void PreviewView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        if (onCopy)
            onCopy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectLines(0, int(m_lines.size()) - 1);
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Up:
        moveTo(m_current - 1, extend);
        break;
    case Qt::Key_Down:
        moveTo(m_current + 1, extend);
        break;
    case Qt::Key_PageUp:
        moveTo(m_current - linesPerPage(), extend);
        break;
    case Qt::Key_PageDown:
        moveTo(m_current + linesPerPage(), extend);
        break;
    case Qt::Key_Home:
        moveTo(0, extend);
        break;
    case Qt::Key_End:
        moveTo(int(m_lines.size()) - 1, extend);
        break;
    case Qt::Key_Left:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void PreviewView::keyReleaseEvent(QKeyEvent *event)
{
    QAbstractScrollArea::keyReleaseEvent(event);
    if (onKeyUp)
        onKeyUp(event->key());
}

int PreviewView::lineUnderMouse(const QPoint &at) const
{
    return lineAt(at.y());
}

void PreviewView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton && !m_lines.isEmpty()) {
        moveTo(lineUnderMouse(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
        m_dragging = true;
    }
    if (onMouseDown)
        onMouseDown(buttonCode(event->button()));
}

void PreviewView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const int line = lineUnderMouse(event->position().toPoint());
    if (line != m_current || m_document.selLength() > 0)
        moveTo(line, true);
}

void PreviewView::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (onMouseUp)
        onMouseUp(buttonCode(event->button()));
    if (event->button() == Qt::LeftButton && onClick)
        onClick();
}

// The current line is framed only while the view has the focus.
void PreviewView::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void PreviewView::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// Changes through the box's interface: the document changes, and so may every line.

void PreviewView::setText(const QString &text)
{
    m_document.setText(text);
    documentChanged();
}

void PreviewView::setRtf(const QByteArray &rtf)
{
    m_document.setRtf(rtf);
    documentChanged();
}

void PreviewView::setSelStart(int start)
{
    m_document.setSelStart(start);
    viewport()->update();
}

void PreviewView::setSelLength(int length)
{
    m_document.setSelLength(length);
    viewport()->update();
}

void PreviewView::setSelText(const QString &text)
{
    m_document.setSelText(text);
    documentChanged();
}

void PreviewView::setSelRtf(const QByteArray &rtf)
{
    m_document.setSelRtf(rtf);
    documentChanged();
}

void PreviewView::setSelFontName(const QString &face)
{
    m_document.setSelFontName(face);
    documentChanged();
}

void PreviewView::setSelFontSize(double points)
{
    m_document.setSelFontSize(points);
    documentChanged();
}

void PreviewView::setSelColour(qint32 colour)
{
    m_document.setSelColour(colour);
    documentChanged();
}

void PreviewView::setSelBold(bool bold)
{
    m_document.setSelBold(bold);
    documentChanged();
}

void PreviewView::setSelItalic(bool italic)
{
    m_document.setSelItalic(italic);
    documentChanged();
}

void PreviewView::setSelCharOffset(int twips)
{
    m_document.setSelCharOffset(twips);
    documentChanged();
}

void PreviewView::setBaseFontSize(double points)
{
    m_document.setBaseFontSize(points);
    documentChanged();
}
