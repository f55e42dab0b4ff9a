// The preview's accessible interface: see previewaccessible.h.
#include "ui/previewaccessible.h"

#include "ui/previewview.h"
#include "widgets/controls/accessiblefactory.h"

PreviewAccessible::PreviewAccessible(PreviewView *view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{}

void PreviewAccessible::install()
{
    installAccessibleFactory<PreviewView, PreviewAccessible>();
}

PreviewView *PreviewAccessible::view() const
{
    return static_cast<PreviewView *>(widget());
}

QAccessible::State PreviewAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString PreviewAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return view()->text();
    return QAccessibleWidget::text(t);
}

void *PreviewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void PreviewAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || view()->selLength() <= 0)
        return;
    *startOffset = view()->selStart();
    *endOffset = view()->selStart() + view()->selLength();
}

int PreviewAccessible::selectionCount() const
{
    return view()->selLength() > 0 ? 1 : 0;
}

void PreviewAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void PreviewAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        view()->setSelLength(0);
}

void PreviewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int length = characterCount();
    const int start = qBound(0, qMin(startOffset, endOffset), length);
    const int end = qBound(0, qMax(startOffset, endOffset), length);
    view()->setSelStart(start);
    view()->setSelLength(end - start);
}

int PreviewAccessible::cursorPosition() const
{
    const PreviewView *v = view();
    return v->lineCount() > 0 ? v->lineStart(v->currentLine()) : 0;
}

void PreviewAccessible::setCursorPosition(int position)
{
    view()->moveTo(view()->lineOf(qBound(0, position, characterCount())), false);
}

QString PreviewAccessible::text(int startOffset, int endOffset) const
{
    const int length = characterCount();
    const int start = qBound(0, startOffset, length);
    const int end = qBound(start, endOffset, length);
    return view()->text().mid(start, end - start);
}

int PreviewAccessible::characterCount() const
{
    return view()->length();
}

QRect PreviewAccessible::characterRect(int offset) const
{
    // Lines are laid out only in view; the line's band is the place a character has.
    const PreviewView *v = view();
    if (v->lineCount() == 0)
        return {};
    const QRect line = v->lineRect(v->lineOf(qBound(0, offset, characterCount())));
    return QRect(v->viewport()->mapToGlobal(line.topLeft()), line.size());
}

int PreviewAccessible::offsetAtPoint(const QPoint &point) const
{
    const PreviewView *v = view();
    if (v->lineCount() == 0)
        return -1;
    const QPoint at = v->viewport()->mapFromGlobal(point);
    return v->lineStart(v->lineAt(at.y()));
}

void PreviewAccessible::scrollToSubstring(int startIndex, int)
{
    setCursorPosition(startIndex);
}

QString PreviewAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    Q_UNUSED(offset);
    return {};
}
