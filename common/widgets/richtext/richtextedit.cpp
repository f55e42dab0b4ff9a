// The rich-text box on screen: see richtextedit.h.
#include "widgets/richtext/richtextedit.h"

#include "html/htmlfragment.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "widgets/controls/colourref.h"
#include "widgets/platform/qtclipboard.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The offset in twips and whether the size is the character's own travel with the Qt
// format; the baseline offset that Qt shows is derived from them.
constexpr int kOffsetProperty = QTextFormat::UserProperty + 0x4b1;
constexpr int kOwnSizeProperty = QTextFormat::UserProperty + 0x4b2;

double baselinePercent(int twips, double points)
{
    return points > 0 ? twips / 20.0 / points * 100.0 : 0.0;
}

} // namespace

size_t qHash(const CharFormat &format, size_t seed)
{
    return qHashMulti(seed, format.face, format.size, format.colour, format.bold, format.italic,
                      format.offset);
}

RichTextEdit::RichTextEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    document()->setDefaultFont(
        QFont(QString::fromLatin1(RichDocument::kDefaultFace), int(RichDocument::kDefaultSize)));
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (!m_internal)
            m_selFromModel = false;
    });
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (!m_internal)
            m_selFromModel = false;
    });
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                if (!m_internal)
                    copyUserChange(position, removed, added);
            });
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (onChange)
            onChange();
    });
    rebuildQt();
}

// --- Positions -------------------------------------------------------------------------

int RichTextEdit::length() const
{
    return m_model.length();
}

// The Qt position of a box position; a position between CR and LF gives the separator.
int RichTextEdit::toQt(int position) const
{
    // Beyond what a load has brought so far, Qt's document must first have everything.
    if (position > m_loadedChars)
        finishLoad();
    const QTextDocument *doc = document();
    position = std::clamp(position, 0, m_model.length());
    const int blocks = doc->blockCount();
    if (blocks == 1)
        return std::min(position, doc->characterCount() - 1);
    // Block k starts at Qt position p(k), which the box counts as p(k) + k: find the last
    // block that starts at or before the position.
    int lo = 0;
    int hi = blocks - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= position)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int offset = std::min(position - (block.position() + lo), block.length() - 1);
    return block.position() + offset;
}

int RichTextEdit::toModel(int qtPosition) const
{
    const QTextDocument *doc = document();
    qtPosition = std::clamp(qtPosition, 0, doc->characterCount() - 1);
    return qtPosition + doc->findBlock(qtPosition).blockNumber();
}

int RichTextEdit::qtLength(const QString &text) const
{
    return int(text.size() - text.count(QStringLiteral("\r\n")));
}

void RichTextEdit::takeQtSelection() const
{
    if (m_selFromModel)
        return;
    const QTextCursor cursor = textCursor();
    const int start = toModel(cursor.selectionStart());
    m_model.select(start, toModel(cursor.selectionEnd()) - start);
    m_selFromModel = true;
}

// --- Formats ----------------------------------------------------------------------------

QTextCharFormat RichTextEdit::qtFormat(const CharFormat &format) const
{
    const bool ownSize = RichDocument::isValidSize(format.size);
    const double size = ownSize ? format.size : m_model.defaultFormat().size;
    QTextCharFormat f;
    const QString face =
        format.face.isEmpty() ? QString::fromLatin1(RichDocument::kDefaultFace) : format.face;
    f.setFontFamilies(QStringList{face});
    f.setFontPointSize(size);
    f.setForeground(ColourRef::toQColor(format.colour));
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setProperty(kOffsetProperty, format.offset);
    f.setProperty(kOwnSizeProperty, ownSize);
    f.setBaselineOffset(baselinePercent(format.offset, size));
    return f;
}

// The box's format of a Qt format, with a size of 0 where the text has no size of its own.
CharFormat RichTextEdit::modelFormat(const QTextCharFormat &f) const
{
    CharFormat format;
    const QStringList families = f.fontFamilies().toStringList();
    format.face =
        families.isEmpty() ? QString::fromLatin1(RichDocument::kDefaultFace) : families.first();
    const bool ownSize = f.hasProperty(kOwnSizeProperty)
                             ? f.boolProperty(kOwnSizeProperty)
                             : f.hasProperty(QTextFormat::FontPointSize);
    format.size = ownSize ? f.fontPointSize() : 0.0;
    if (f.foreground().style() == Qt::NoBrush) {
        format.colour = m_model.defaultFormat().colour;
    } else {
        format.colour = ColourRef::fromQColor(f.foreground().color());
    }
    format.bold = f.fontWeight() > QFont::Normal;
    format.italic = f.fontItalic();
    const double size = ownSize ? format.size : m_model.defaultFormat().size;
    format.offset = f.hasProperty(kOffsetProperty)
                        ? f.intProperty(kOffsetProperty)
                        : int(std::lround(f.baselineOffset() * size * 20 / 100));
    return format;
}

CharFormat RichTextEdit::defaultFormat() const
{
    return m_model.defaultFormat();
}

CharFormat RichTextEdit::formatAt(int position) const
{
    return m_model.formatAt(position);
}

RichRuns RichTextEdit::runs(int start, int length) const
{
    return m_model.runs(start, length);
}

// What Qt holds from one position to another, line breaks as CR LF with the format of
// their separator (in Qt the character format of the block after it).
RichRuns RichTextEdit::qtRuns(int from, int to) const
{
    RichRuns out;
    auto add = [this, &out](QStringView text, const QTextCharFormat &qt) {
        const CharFormat format = modelFormat(qt);
        if (!out.isEmpty() && out.last().format == format)
            out.last().text += text;
        else
            out.append(RichRun{text.toString(), format});
    };
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (start < end)
                add(QStringView(fragment.text()).mid(start - fragment.position(), end - start),
                    fragment.charFormat());
        }
        const int separator = block.position() + block.length() - 1;
        if (block.next().isValid() && separator >= from && separator < to)
            add(u"\r\n", block.next().charFormat());
    }
    return out;
}

// --- Changes ----------------------------------------------------------------------------

void RichTextEdit::beginChange()
{
    pauseLayout();
    // Changes work on Qt's whole document; with the layout paused, what a load still had
    // to bring goes in without being laid out twice.
    finishLoad();
    m_internal = true;
    document()->setUndoRedoEnabled(false);
}

void RichTextEdit::endChange()
{
    document()->setUndoRedoEnabled(true);
    m_internal = false;
}

void RichTextEdit::pauseLayout()
{
    if (!m_layoutPaused) {
        const QSizeF pageSize = document()->pageSize();
        if (!pageSize.isNull()) {
            // With a null page size Qt's layout only forgets what it had laid out.
            m_savedPageSize = pageSize;
            document()->setPageSize(QSizeF(0, 0));
            m_layoutPaused = true;
        }
    }
    scheduleResume();
}

void RichTextEdit::scheduleResume()
{
    if (!QWidget::isVisible() || m_resumeScheduled)
        return;
    m_resumeScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_resumeScheduled = false;
        if (QWidget::isVisible())
            resumeLayout();
    });
}

void RichTextEdit::resumeLayout()
{
    if (m_layoutPaused) {
        m_layoutPaused = false;
        if (document()->pageSize().isNull())
            document()->setPageSize(m_savedPageSize);
    }
    syncCursor();
}

void RichTextEdit::ensureLayout()
{
    finishLoad();
    resumeLayout();
    document()->documentLayout()->documentSize();
}

void RichTextEdit::syncCursor()
{
    if (!m_cursorPending)
        return;
    m_cursorPending = false;
    if (!m_selFromModel)
        return;
    const int start = m_model.selStart();
    const int end = start + m_model.selLength();
    if (end >= m_loadedChars)
        finishLoad();
    m_internal = true;
    QTextCursor cursor(document());
    cursor.setPosition(toQt(start));
    // A selection that ends inside a line break shows the whole break.
    const bool endInBreak = end > start && end < m_model.length() &&
                            m_model.text()[end - 1] == u'\r' && m_model.text()[end] == u'\n';
    cursor.setPosition(toQt(end) + (endInBreak ? 1 : 0), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    m_internal = false;
}

void RichTextEdit::setModelSelection(int start, int length)
{
    m_model.select(start, length);
    m_selFromModel = true;
    m_cursorPending = true;
    if (!m_layoutPaused)
        scheduleResume();
}

void RichTextEdit::writeToQt(int qtStart, int qtEnd, const RichRuns &runs)
{
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(qtStart);
    cursor.setPosition(qtEnd, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    for (const RichRun &run : runs)
        cursor.insertText(run.text, qtFormat(run.format));
    cursor.endEditBlock();
}

// Copies the formats of a span of the box into Qt.
void RichTextEdit::formatInQt(const RichDocument::Span &span)
{
    const RichRuns runs = m_model.rawRuns(span.start, span.end - span.start);
    QTextCursor cursor(document());
    cursor.beginEditBlock(); // also spares Qt measuring the cursor at every move
    int q = toQt(span.start);
    for (const RichRun &run : runs) {
        const int next = q + qtLength(run.text);
        cursor.setPosition(q);
        cursor.setPosition(next, QTextCursor::KeepAnchor);
        cursor.setCharFormat(qtFormat(run.format));
        q = next;
    }
    cursor.endEditBlock();
}

void RichTextEdit::rebuildQt()
{
    cancelLoad();
    beginChange();
    QTextDocument *doc = document();
    doc->clear();
    const RichRuns runs = m_model.rawRuns(0, m_model.length());
    QTextCursor cursor(doc);
    cursor.setBlockCharFormat(
        qtFormat(runs.isEmpty() ? CharFormat{QString(), 0.0, 0} : runs.first().format));
    cursor.beginEditBlock();
    insertRuns(cursor, runs);
    cursor.endEditBlock();
    m_formatCache.clear();
    endChange();
    setModelSelection(0, 0);
}

void RichTextEdit::loadRuns(const RichRuns &runs, const LoadProgress &progress, int firstChars)
{
    cancelLoad();
    m_model.setRuns(runs);
    m_internal = true;
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    // Unlike the interface's small changes, each slice is laid out as it arrives: once,
    // and without the stretch that laying out the whole document at the end would take.
    m_resumeScheduled = false;
    if (m_layoutPaused) {
        m_layoutPaused = false;
        if (doc->pageSize().isNull())
            doc->setPageSize(m_savedPageSize);
    }
    m_cursorPending = false;
    m_loadRuns = m_model.rawRuns(0, m_model.length());
    QTextCursor(doc).setBlockCharFormat(cachedFormat(
        m_loadRuns.isEmpty() ? CharFormat{QString(), 0.0, 0} : m_loadRuns.first().format));
    doc->setUndoRedoEnabled(true);
    m_internal = false;
    m_loadProgress = progress;
    if (!isLoading())
        cancelLoad(); // nothing to load: over at once
    while (isLoading() && m_loadedChars < firstChars && !screenFilled())
        loadSlice(kFirstSlice);
    setModelSelection(0, 0);
    if (isLoading())
        scheduleLoadSlice();
}

// Whether what is in Qt's document already reaches below the bottom of the box.
bool RichTextEdit::screenFilled() const
{
    if (!QWidget::isVisible() || document()->pageSize().isNull())
        return false;
    const QTextBlock last = document()->lastBlock();
    const QRectF rect = document()->documentLayout()->blockBoundingRect(last);
    return rect.bottom() > verticalScrollBar()->value() + viewport()->height();
}

QTextCharFormat RichTextEdit::cachedFormat(const CharFormat &format) const
{
    // Formats repeat (a face and size per line, a few dozen colours): each is made once.
    auto it = m_formatCache.constFind(format);
    if (it == m_formatCache.constEnd())
        it = m_formatCache.insert(format, qtFormat(format));
    return *it;
}

void RichTextEdit::insertRuns(QTextCursor &cursor, const RichRuns &runs) const
{
    for (const RichRun &run : runs)
        cursor.insertText(run.text, cachedFormat(run.format));
}

// Appends the next characters of the load to Qt's document (a few more where a slice
// would end between CR and LF, which make one Qt paragraph together); false at the end.
bool RichTextEdit::loadSlice(qsizetype chars) const
{
    if (!isLoading())
        return false;
    auto *self = const_cast<RichTextEdit *>(this);
    const bool inOuterSlice = m_inSlice;
    m_inSlice = true;
    self->m_internal = true;
    QTextDocument *doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    while (chars > 0 && isLoading()) {
        const RichRun &run = m_loadRuns.at(m_loadRun);
        qsizetype take = std::min(run.text.size() - m_loadOffset, chars);
        const qsizetype end = m_loadOffset + take;
        if (end < run.text.size() && run.text.at(end - 1) == u'\r' && run.text.at(end) == u'\n')
            ++take;
        cursor.insertText(run.text.mid(m_loadOffset, take), cachedFormat(run.format));
        chars -= take;
        m_loadedChars += int(take);
        m_loadOffset += take;
        if (m_loadOffset >= run.text.size()) {
            ++m_loadRun;
            m_loadOffset = 0;
        }
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    self->m_internal = false;
    if (!isLoading()) {
        self->cancelLoad();
    } else if (m_loadProgress) {
        const LoadProgress progress = m_loadProgress; // it may start another load
        progress(m_loadedChars, m_model.length());
    }
    m_inSlice = inOuterSlice;
    return isLoading();
}

void RichTextEdit::scheduleLoadSlice()
{
    if (m_loadScheduled)
        return;
    m_loadScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_loadScheduled = false;
        // A progress report that lets events run must not start a slice inside another.
        if (m_inSlice || loadSlice(kLoadSlice))
            scheduleLoadSlice();
    });
}

void RichTextEdit::finishLoad() const
{
    // In slices all the same, so that the fonts of what is laid out can be let go between.
    while (loadSlice(kFinishSlice)) {
    }
}

// Ends a load, finished or not; whoever follows it hears that it is over.
void RichTextEdit::cancelLoad()
{
    const LoadProgress progress = std::exchange(m_loadProgress, {});
    m_loadRuns.clear();
    m_loadRun = 0;
    m_loadOffset = 0;
    m_loadedChars = 0;
    m_formatCache.clear();
    if (progress)
        progress(m_model.length(), m_model.length());
}

// What the user typed, deleted or pasted inside Qt: the paragraphs it touched replace
// their counterpart in the box's document. Qt's counts of removed and added characters
// may cover more than what changed, never less, and the text after the change is the same
// in both, so whole paragraphs from the reported position are always enough.
void RichTextEdit::copyUserChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    const QTextDocument *doc = document();
    const int qtChars = doc->characterCount() - 1;
    const QTextBlock first = doc->findBlock(std::clamp(position, 0, qtChars));
    const QTextBlock last = doc->findBlock(std::clamp(position + added, 0, qtChars));
    int qtStart = first.position();
    int qtEnd = last.position() + last.length() - 1;
    int start = qtStart + first.blockNumber();
    const int newLength = qtChars + doc->blockCount() - 1;
    int oldEnd = m_model.length() - (newLength - (qtEnd + last.blockNumber()));
    if (oldEnd < start) {
        // Counts that do not fit: take everything again.
        qtStart = 0;
        qtEnd = qtChars;
        start = 0;
        oldEnd = m_model.length();
    }
    m_model.replaceSpan(start, oldEnd, qtRuns(qtStart, qtEnd));
    m_selFromModel = false;
}

template <typename Change> void RichTextEdit::changeSelection(Change change)
{
    takeQtSelection();
    const RichDocument::Span span = m_model.editSpan();
    change(m_model);
    if (span.end <= span.start)
        return;
    beginChange();
    formatInQt(span);
    endChange();
}

void RichTextEdit::setText(const QString &text)
{
    m_model.setText(text);
    rebuildQt();
}

void RichTextEdit::setRuns(const RichRuns &runs)
{
    m_model.setRuns(runs);
    rebuildQt();
}

QString RichTextEdit::text() const
{
    return m_model.text();
}

QByteArray RichTextEdit::rtf() const
{
    return m_model.rtf();
}

void RichTextEdit::setRtf(const QByteArray &rtf)
{
    m_model.setRtf(rtf);
    rebuildQt();
}

int RichTextEdit::selStart() const
{
    takeQtSelection();
    return m_model.selStart();
}

void RichTextEdit::setSelStart(int start)
{
    setModelSelection(start, 0);
}

int RichTextEdit::selLength() const
{
    takeQtSelection();
    return m_model.selLength();
}

void RichTextEdit::setSelLength(int length)
{
    takeQtSelection();
    setModelSelection(m_model.selStart(), length);
}

QString RichTextEdit::selText() const
{
    takeQtSelection();
    return m_model.selText();
}

void RichTextEdit::setSelText(const QString &text)
{
    takeQtSelection();
    const RichDocument::Span span = m_model.editSpan();
    const int qtStart = toQt(span.start);
    const int qtEnd = toQt(span.end);
    m_model.setSelText(text);
    const int end = m_model.selStart();
    beginChange();
    writeToQt(qtStart, qtEnd, m_model.rawRuns(span.start, end - span.start));
    endChange();
    setModelSelection(end, 0);
}

QByteArray RichTextEdit::selRtf() const
{
    takeQtSelection();
    return m_model.selRtf();
}

void RichTextEdit::setSelRtf(const QByteArray &rtf)
{
    takeQtSelection();
    const RichDocument::Span span = m_model.editSpan();
    const int qtStart = toQt(span.start);
    const int qtEnd = toQt(span.end);
    m_model.setSelRtf(rtf);
    const int end = m_model.selStart();
    beginChange();
    writeToQt(qtStart, qtEnd, m_model.rawRuns(span.start, end - span.start));
    endChange();
    setModelSelection(end, 0);
}

QString RichTextEdit::selFontName() const
{
    takeQtSelection();
    return m_model.selFontName();
}

std::optional<double> RichTextEdit::selFontSize() const
{
    takeQtSelection();
    return m_model.selFontSize();
}

std::optional<qint32> RichTextEdit::selColour() const
{
    takeQtSelection();
    return m_model.selColour();
}

std::optional<bool> RichTextEdit::selBold() const
{
    takeQtSelection();
    return m_model.selBold();
}

std::optional<bool> RichTextEdit::selItalic() const
{
    takeQtSelection();
    return m_model.selItalic();
}

std::optional<int> RichTextEdit::selCharOffset() const
{
    takeQtSelection();
    return m_model.selCharOffset();
}

void RichTextEdit::setSelFontName(const QString &face)
{
    changeSelection([&face](RichDocument &doc) { doc.setSelFontName(face); });
}

void RichTextEdit::setSelFontSize(double points)
{
    changeSelection([points](RichDocument &doc) { doc.setSelFontSize(points); });
}

void RichTextEdit::setSelColour(qint32 colour)
{
    changeSelection([colour](RichDocument &doc) { doc.setSelColour(colour); });
}

void RichTextEdit::setSelBold(bool bold)
{
    changeSelection([bold](RichDocument &doc) { doc.setSelBold(bold); });
}

void RichTextEdit::setSelItalic(bool italic)
{
    changeSelection([italic](RichDocument &doc) { doc.setSelItalic(italic); });
}

void RichTextEdit::setSelCharOffset(int twips)
{
    changeSelection([twips](RichDocument &doc) { doc.setSelCharOffset(twips); });
}

void RichTextEdit::setBaseFontSize(double points)
{
    if (!RichDocument::isValidSize(points))
        return;
    m_model.setBaseFontSize(points);
    QFont font = document()->defaultFont();
    font.setPointSizeF(points);
    document()->setDefaultFont(font);
    beginChange();
    formatInQt(RichDocument::Span{0, m_model.length()});
    endChange();
}

void RichTextEdit::setVisible(bool visible)
{
    QTextEdit::setVisible(visible);
}

// --- Clipboard --------------------------------------------------------------------------

QMimeData *RichTextEdit::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    const int start = toModel(cursor.selectionStart());
    const RichRuns selected = m_model.runs(start, toModel(cursor.selectionEnd()) - start);
    QString plain;
    for (const RichRun &run : selected)
        plain += run.text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // The same three flavours as the programs' Copy commands, so that keys, the box's own
    // menu and the Edit menu paste alike.
    auto *data = new QMimeData;
    data->setData(QtClipboard::rtfMimeType(), RtfWriter::write(selected, m_model.symbolFaces()));
    data->setHtml(HtmlFragment::fromRuns(selected));
    data->setText(plain);
    return data;
}

bool RichTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    if (!source)
        return false;
    for (const QString &type : QtClipboard::rtfMimeTypes()) {
        if (source->hasFormat(type))
            return true;
    }
    return source->hasText();
}

void RichTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source)
        return;
    m_selFromModel = false;
    for (const QString &type : QtClipboard::rtfMimeTypes()) {
        if (!source->hasFormat(type))
            continue;
        const QByteArray data = source->data(type);
        if (!RtfReader::isRtf(data))
            continue;
        setSelRtf(data);
        resumeLayout();
        return;
    }
    if (source->hasText()) {
        setSelText(source->text());
        resumeLayout();
    }
}

// --- Events -----------------------------------------------------------------------------

bool RichTextEdit::event(QEvent *event)
{
    resumeBefore(event);
    return QTextEdit::event(event);
}

bool RichTextEdit::viewportEvent(QEvent *event)
{
    resumeBefore(event);
    return QTextEdit::viewportEvent(event);
}

// Whatever the user does, and any painting (also render() and grab() of a hidden box),
// needs the layout; painting must not move the cursor or scroll, so the cursor follows
// later.
void RichTextEdit::resumeBefore(QEvent *event)
{
    const QEvent::Type type = event->type();
    // What the user types, drops or picks from the menu changes Qt's document, whose
    // changes are copied back on the assumption that it holds the whole text.
    if (isLoading() && (type == QEvent::KeyPress || type == QEvent::InputMethod ||
                        type == QEvent::Drop || type == QEvent::ContextMenu))
        finishLoad();
    if (!m_layoutPaused && !m_cursorPending)
        return;
    if (type == QEvent::Timer || type == QEvent::MetaCall)
        return;
    if (type == QEvent::Paint) {
        if (m_layoutPaused) {
            m_layoutPaused = false;
            if (document()->pageSize().isNull())
                document()->setPageSize(m_savedPageSize);
        }
        scheduleResume();
        return;
    }
    if (QWidget::isVisible())
        resumeLayout();
}

void RichTextEdit::showEvent(QShowEvent *event)
{
    QTextEdit::showEvent(event);
    resumeLayout();
}

void RichTextEdit::keyPressEvent(QKeyEvent *event)
{
    // Shift+Enter would insert a line separator inside the paragraph, a break that the box
    // could not count as CR LF: it makes a paragraph like Enter.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), ushort(event->count()));
        QTextEdit::keyPressEvent(&plain);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextEdit::keyReleaseEvent(QKeyEvent *event)
{
    QTextEdit::keyReleaseEvent(event);
    if (onKeyUp)
        onKeyUp(event->key());
}

int RichTextEdit::buttonCode(Qt::MouseButton button)
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

void RichTextEdit::mousePressEvent(QMouseEvent *event)
{
    QTextEdit::mousePressEvent(event);
    if (onMouseDown)
        onMouseDown(buttonCode(event->button()));
}

void RichTextEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (onMouseUp)
        onMouseUp(buttonCode(event->button()));
    if (event->button() == Qt::LeftButton && onClick)
        onClick();
}

void RichTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The viewport asks for the menu; the box's own policy decides, so that a window that
    // pops up its own menu on the right button can switch this one off.
    if (contextMenuPolicy() == Qt::NoContextMenu) {
        event->ignore();
        return;
    }
    QTextEdit::contextMenuEvent(event);
}
