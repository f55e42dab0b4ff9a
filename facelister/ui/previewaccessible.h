// What a screen reader learns about Facelister's preview: read-only text whose content is
// the preview document's plain text, with the view's selection and current line as the
// selection and the caret. The view paints only what is in view, so Qt has no text of its
// own to offer for it.
#pragma once

#include <QAccessibleWidget>

class PreviewView;

class PreviewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PreviewAccessible(PreviewView *view);

    // Makes Qt build this interface for every PreviewView; safe to call more than once.
    static void install();

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    PreviewView *view() const;
};
