// The rich-text box on screen: see richtextedit.h.
#include "richtextedit.h"

#include "qtclipboard.h"
#include "richdocument.h"
#include "rtfreader.h"
#include "rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <cmath>

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

RichTextEdit::RichTextEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    document()->setDefaultFont(QFont(QString::fromLatin1(RichDocument::kDefaultFace), 12));
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (!m_internal)
            m_selFromModel = false;
    });
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (!m_internal)
            m_selFromModel = false;
    });
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (!m_internal && removed != added)
            m_selFromModel = false;
    });
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (onChange)
            onChange();
    });
}

// --- Positions -------------------------------------------------------------------------

int RichTextEdit::length() const
{
    const QTextDocument *doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

int RichTextEdit::toQt(int position, bool *midBreak) const
{
    if (midBreak)
        *midBreak = false;
    const QTextDocument *doc = document();
    position = std::clamp(position, 0, length());
    const int blocks = doc->blockCount();
    if (blocks == 1)
        return position;
    // The block whose first character is the last one at or before the position: block k
    // starts at Qt position p(k), which the box counts as p(k) + k.
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
    const int offset = position - (block.position() + lo);
    const int textLength = block.length() - 1;
    if (offset > textLength) {
        if (midBreak)
            *midBreak = true;
        return block.position() + textLength;
    }
    return block.position() + offset;
}

int RichTextEdit::toModel(int qtPosition) const
{
    const QTextDocument *doc = document();
    qtPosition = std::clamp(qtPosition, 0, doc->characterCount() - 1);
    return qtPosition + doc->findBlock(qtPosition).blockNumber();
}

int RichTextEdit::modelSelStart() const
{
    return m_selFromModel ? m_selStart : toModel(textCursor().selectionStart());
}

int RichTextEdit::modelSelEnd() const
{
    return m_selFromModel ? m_selStart + m_selLength : toModel(textCursor().selectionEnd());
}

RichTextEdit::Range RichTextEdit::changeRange() const
{
    if (!m_selFromModel) {
        const QTextCursor cursor = textCursor();
        return Range{cursor.selectionStart(), cursor.selectionEnd()};
    }
    const int start = toQt(m_selStart);
    if (m_selLength == 0)
        return Range{start, start};
    bool midBreak = false;
    int end = toQt(m_selStart + m_selLength, &midBreak);
    if (midBreak)
        ++end;
    return Range{start, end};
}

// --- Formats ----------------------------------------------------------------------------

QTextCharFormat RichTextEdit::qtFormat(const CharFormat &format) const
{
    const bool ownSize = RichDocument::isValidSize(format.size);
    const double size = ownSize ? format.size : m_baseSize;
    QTextCharFormat f;
    f.setFontFamilies(QStringList{
        format.face.isEmpty() ? QString::fromLatin1(RichDocument::kDefaultFace) : format.face});
    f.setFontPointSize(size);
    f.setForeground(
        QColor(format.colour & 0xFF, (format.colour >> 8) & 0xFF, (format.colour >> 16) & 0xFF));
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setProperty(kOffsetProperty, format.offset);
    f.setProperty(kOwnSizeProperty, ownSize);
    f.setBaselineOffset(baselinePercent(format.offset, size));
    return f;
}

CharFormat RichTextEdit::modelFormat(const QTextCharFormat &f) const
{
    CharFormat format;
    const QStringList families = f.fontFamilies().toStringList();
    format.face =
        families.isEmpty() ? QString::fromLatin1(RichDocument::kDefaultFace) : families.first();
    const bool ownSize = f.hasProperty(kOwnSizeProperty)
                             ? f.boolProperty(kOwnSizeProperty)
                             : f.hasProperty(QTextFormat::FontPointSize);
    format.size = ownSize ? f.fontPointSize() : m_baseSize;
    if (f.foreground().style() == Qt::NoBrush) {
        format.colour = m_defaultColour;
    } else {
        const QColor c = f.foreground().color();
        format.colour = c.red() | (c.green() << 8) | (c.blue() << 16);
    }
    format.bold = f.fontWeight() > QFont::Normal;
    format.italic = f.fontItalic();
    format.offset = f.hasProperty(kOffsetProperty)
                        ? f.intProperty(kOffsetProperty)
                        : int(std::lround(f.baselineOffset() * format.size * 20 / 100));
    return format;
}

CharFormat RichTextEdit::defaultFormat() const
{
    return CharFormat{QString::fromLatin1(RichDocument::kDefaultFace), m_baseSize, m_defaultColour};
}

// The pieces of equal Qt format that cover a range, line breaks included (the format of
// the separator before a block is that block's character format).
QList<RichTextEdit::Piece> RichTextEdit::pieces(const Range &range) const
{
    QList<Piece> out;
    QTextDocument *doc = document();
    auto add = [&out](int start, int end, const QTextCharFormat &format, QStringView text) {
        if (!out.isEmpty() && out.last().end == start && out.last().format == format) {
            out.last().end = end;
            out.last().text += text;
        } else {
            out.append(Piece{start, end, format, text.toString()});
        }
    };
    if (range.end - range.start <= 16) {
        // Short ranges (the formatter's single characters) without walking the paragraph.
        QTextCursor cursor(doc);
        for (int q = range.start; q < range.end; ++q) {
            const QTextBlock block = doc->findBlock(q);
            if (q == block.position() + block.length() - 1) {
                if (block.next().isValid())
                    add(q, q + 1, block.next().charFormat(), u"\r\n");
                continue;
            }
            cursor.setPosition(q + 1);
            const QChar c = doc->characterAt(q);
            add(q, q + 1, cursor.charFormat(), QStringView(&c, 1));
        }
        return out;
    }
    for (QTextBlock block = doc->findBlock(range.start);
         block.isValid() && block.position() < range.end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), range.start);
            const int end = std::min(fragment.position() + fragment.length(), range.end);
            if (start < end)
                add(start, end, fragment.charFormat(),
                    QStringView(fragment.text()).mid(start - fragment.position(), end - start));
        }
        const int separator = block.position() + block.length() - 1;
        if (block.next().isValid() && separator >= range.start && separator < range.end)
            add(separator, separator + 1, block.next().charFormat(), u"\r\n");
    }
    return out;
}

QTextCharFormat RichTextEdit::insertionFormat(const Range &range) const
{
    const int characters = document()->characterCount() - 1;
    if (characters == 0)
        return qtFormat(CharFormat{QString(), 0.0, m_defaultColour});
    int q = range.end > range.start ? range.start : std::max(0, range.start - 1);
    q = std::min(q, characters - 1);
    return pieces(Range{q, q + 1}).value(0).format;
}

CharFormat RichTextEdit::formatAt(int position) const
{
    if (position < 0 || position >= length())
        return defaultFormat();
    const int q = toQt(position);
    return modelFormat(pieces(Range{q, q + 1}).value(0).format);
}

RichRuns RichTextEdit::runs(int start, int length) const
{
    start = std::clamp(start, 0, this->length());
    length = std::clamp(length, 0, this->length() - start);
    RichRuns out;
    if (length == 0)
        return out;
    bool startMid = false;
    bool endMid = false;
    const int qs = toQt(start, &startMid);
    int qe = toQt(start + length, &endMid);
    if (endMid)
        ++qe;
    const QList<Piece> list = pieces(Range{qs, qe});
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString text = list[i].text;
        // A range that begins or ends inside a line break takes only its half of it.
        if (i == 0 && startMid && text.startsWith(u'\r'))
            text.remove(0, 1);
        if (i == list.size() - 1 && endMid && text.endsWith(u'\n'))
            text.chop(1);
        const CharFormat format = modelFormat(list[i].format);
        if (!out.isEmpty() && out.last().format == format)
            out.last().text += text;
        else if (!text.isEmpty())
            out.append(RichRun{text, format});
    }
    return out;
}

// --- Changes ----------------------------------------------------------------------------

void RichTextEdit::beginChange()
{
    m_internal = true;
    pauseLayout();
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
            // Without a page size Qt's layout only forgets what it had laid out.
            m_savedPageSize = pageSize;
            document()->setPageSize(QSizeF());
            m_layoutPaused = true;
        }
    }
    if (QWidget::isVisible() && !m_resumeScheduled) {
        m_resumeScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_resumeScheduled = false;
            if (QWidget::isVisible())
                resumeLayout();
        });
    }
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
    m_internal = true;
    QTextCursor cursor(document());
    bool midBreak = false;
    cursor.setPosition(toQt(m_selStart));
    int end = toQt(m_selStart + m_selLength, &midBreak);
    cursor.setPosition(end + (midBreak && m_selLength > 0 ? 1 : 0), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    m_internal = false;
}

void RichTextEdit::setModelSelection(int start, int length)
{
    const int total = this->length();
    m_selStart = std::clamp(start, 0, total);
    m_selLength = std::clamp(length, 0, total - m_selStart);
    m_selFromModel = true;
    m_cursorPending = true;
    if (m_layoutPaused || !QWidget::isVisible())
        return;
    if (!m_resumeScheduled) {
        m_resumeScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_resumeScheduled = false;
            if (QWidget::isVisible())
                resumeLayout();
        });
    }
}

void RichTextEdit::replaceRange(const Range &range, const RichRuns &runs)
{
    beginChange();
    QTextCursor cursor(document());
    cursor.setPosition(range.start);
    cursor.setPosition(range.end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    for (const RichRun &run : runs)
        cursor.insertText(RichDocument::normaliseLineBreaks(run.text), qtFormat(run.format));
    const int end = cursor.position();
    endChange();
    setModelSelection(toModel(end), 0);
}

void RichTextEdit::setText(const QString &text)
{
    setRuns(RichRuns{RichRun{text, CharFormat{QString(), 0.0, m_defaultColour}}});
}

void RichTextEdit::setRuns(const RichRuns &runs)
{
    beginChange();
    document()->clear();
    QTextCursor cursor(document());
    cursor.setBlockCharFormat(qtFormat(runs.isEmpty() ? CharFormat{QString(), 0.0, m_defaultColour}
                                                      : runs.first().format));
    for (const RichRun &run : runs)
        cursor.insertText(RichDocument::normaliseLineBreaks(run.text), qtFormat(run.format));
    endChange();
    setModelSelection(0, 0);
}

QString RichTextEdit::text() const
{
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return raw;
}

QByteArray RichTextEdit::rtf() const
{
    return RtfWriter::write(runs());
}

void RichTextEdit::setRtf(const QByteArray &rtf)
{
    setRuns(RtfReader::readRuns(rtf, CharFormat{QString(), 0.0, m_defaultColour}));
}

int RichTextEdit::selStart() const
{
    return modelSelStart();
}

void RichTextEdit::setSelStart(int start)
{
    setModelSelection(start, 0);
}

int RichTextEdit::selLength() const
{
    return modelSelEnd() - modelSelStart();
}

void RichTextEdit::setSelLength(int length)
{
    setModelSelection(modelSelStart(), length);
}

QString RichTextEdit::selText() const
{
    const int start = modelSelStart();
    return text().mid(start, modelSelEnd() - start);
}

void RichTextEdit::setSelText(const QString &text)
{
    const Range range = changeRange();
    replaceRange(range, RichRuns{RichRun{text, modelFormat(insertionFormat(range))}});
}

QByteArray RichTextEdit::selRtf() const
{
    const int start = modelSelStart();
    return RtfWriter::write(runs(start, modelSelEnd() - start));
}

void RichTextEdit::setSelRtf(const QByteArray &rtf)
{
    replaceRange(changeRange(),
                 RtfReader::readRuns(rtf, CharFormat{QString(), 0.0, m_defaultColour}));
}

template <typename Get>
auto RichTextEdit::shared(Get get) const -> std::optional<decltype(get(CharFormat()))>
{
    const Range range = changeRange();
    if (range.end == range.start)
        return get(modelFormat(insertionFormat(range)));
    const QList<Piece> list = pieces(range);
    if (list.isEmpty())
        return get(defaultFormat());
    const auto first = get(modelFormat(list.first().format));
    for (qsizetype i = 1; i < list.size(); ++i) {
        if (!(get(modelFormat(list[i].format)) == first))
            return std::nullopt;
    }
    return first;
}

QString RichTextEdit::selFontName() const
{
    return shared([](const CharFormat &f) { return f.face; }).value_or(QString());
}

std::optional<double> RichTextEdit::selFontSize() const
{
    return shared([](const CharFormat &f) { return f.size; });
}

std::optional<qint32> RichTextEdit::selColour() const
{
    return shared([](const CharFormat &f) { return f.colour; });
}

std::optional<bool> RichTextEdit::selBold() const
{
    return shared([](const CharFormat &f) { return f.bold; });
}

std::optional<bool> RichTextEdit::selItalic() const
{
    return shared([](const CharFormat &f) { return f.italic; });
}

std::optional<int> RichTextEdit::selCharOffset() const
{
    return shared([](const CharFormat &f) { return f.offset; });
}

void RichTextEdit::applyToSelection(const std::function<void(QTextCharFormat &)> &change)
{
    const Range range = changeRange();
    if (range.end <= range.start)
        return;
    const QList<Piece> list = pieces(range);
    beginChange();
    QTextCursor cursor(document());
    for (const Piece &piece : list) {
        QTextCharFormat format = piece.format;
        change(format);
        cursor.setPosition(piece.start);
        cursor.setPosition(piece.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    endChange();
}

void RichTextEdit::setSelFontName(const QString &face)
{
    if (face.isEmpty())
        return;
    applyToSelection([&face](QTextCharFormat &f) { f.setFontFamilies(QStringList{face}); });
}

void RichTextEdit::setSelFontSize(double points)
{
    if (!RichDocument::isValidSize(points))
        return;
    applyToSelection([points](QTextCharFormat &f) {
        f.setFontPointSize(points);
        f.setProperty(kOwnSizeProperty, true);
        f.setBaselineOffset(baselinePercent(f.intProperty(kOffsetProperty), points));
    });
}

void RichTextEdit::setSelColour(qint32 colour)
{
    const QColor c(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    applyToSelection([&c](QTextCharFormat &f) { f.setForeground(c); });
}

void RichTextEdit::setSelBold(bool bold)
{
    applyToSelection(
        [bold](QTextCharFormat &f) { f.setFontWeight(bold ? QFont::Bold : QFont::Normal); });
}

void RichTextEdit::setSelItalic(bool italic)
{
    applyToSelection([italic](QTextCharFormat &f) { f.setFontItalic(italic); });
}

void RichTextEdit::setSelCharOffset(int twips)
{
    applyToSelection([this, twips](QTextCharFormat &f) {
        f.setProperty(kOffsetProperty, twips);
        f.setBaselineOffset(baselinePercent(twips, modelFormat(f).size));
    });
}

void RichTextEdit::setBaseFontSize(double points)
{
    if (!RichDocument::isValidSize(points))
        return;
    m_baseSize = points;
    QFont font = document()->defaultFont();
    font.setPointSizeF(points);
    document()->setDefaultFont(font);
    // Text without a size of its own follows the new base size.
    const QList<Piece> list = pieces(Range{0, document()->characterCount() - 1});
    beginChange();
    QTextCursor cursor(document());
    for (const Piece &piece : list) {
        if (piece.format.boolProperty(kOwnSizeProperty))
            continue;
        QTextCharFormat format = piece.format;
        format.setFontPointSize(points);
        format.setBaselineOffset(baselinePercent(format.intProperty(kOffsetProperty), points));
        cursor.setPosition(piece.start);
        cursor.setPosition(piece.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
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
    const RichRuns selected = runs(start, toModel(cursor.selectionEnd()) - start);
    QString plain;
    for (const RichRun &run : selected)
        plain += run.text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto *data = new QMimeData;
    data->setData(QtClipboard::rtfMimeType(), RtfWriter::write(selected));
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
    const QTextCursor cursor = textCursor();
    const Range range{cursor.selectionStart(), cursor.selectionEnd()};
    for (const QString &type : QtClipboard::rtfMimeTypes()) {
        if (!source->hasFormat(type))
            continue;
        const QByteArray data = source->data(type);
        if (!RtfReader::isRtf(data))
            continue;
        replaceRange(range, RtfReader::readRuns(data, CharFormat{QString(), 0.0, m_defaultColour}));
        resumeLayout();
        return;
    }
    if (source->hasText()) {
        replaceRange(range, RichRuns{RichRun{source->text(), modelFormat(insertionFormat(range))}});
        resumeLayout();
    }
}

// --- Events -----------------------------------------------------------------------------

bool RichTextEdit::event(QEvent *event)
{
    if ((m_layoutPaused || m_cursorPending) && QWidget::isVisible() &&
        event->type() != QEvent::Timer && event->type() != QEvent::MetaCall)
        resumeLayout();
    return QTextEdit::event(event);
}

bool RichTextEdit::viewportEvent(QEvent *event)
{
    if ((m_layoutPaused || m_cursorPending) && QWidget::isVisible())
        resumeLayout();
    return QTextEdit::viewportEvent(event);
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
