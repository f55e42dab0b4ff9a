// The rich-text box on screen: a QTextEdit that implements RichTextBox, so that the
// windows drive it exactly as the headless RichDocument is driven. It shows face, size,
// colour, bold, italic and the raise or lowering (as a baseline offset, recomputed from
// the twips whenever the size changes), and copies and pastes our RTF, never Qt's HTML.
//
// The box keeps its content twice: in a RichDocument, which answers every question the
// interface asks (so reads cost what they cost there), and in the QTextDocument on screen.
// Changes made through the interface go to both; what the user types or pastes is copied
// back from Qt paragraph by paragraph. A line break is CR LF (two positions) in the
// RichDocument and one paragraph separator in Qt; positions translate at this boundary.
//
// Speed: the formatter and the exporters make thousands of single-character changes. Qt
// lays out a changed paragraph at once, which makes such loops quadratic, so changes made
// through this interface suspend the layout until the box is next shown, painted or
// touched, and the on-screen cursor follows the selection at the same time.
#pragma once

#include "richtext/richdocument.h"
#include "richtext/richrun.h"
#include "richtext/richtextbox.h"

#include <QHash>
#include <QTextCharFormat>
#include <QTextEdit>
#include <functional>

class QTextCursor;

size_t qHash(const CharFormat &format, size_t seed = 0);

class RichTextEdit : public QTextEdit, public RichTextBox {
    Q_OBJECT
public:
    explicit RichTextEdit(QWidget *parent = nullptr);

    QString text() const override;
    void setText(const QString &text) override;
    QByteArray rtf() const override;
    // The faces its RTF (saved, copied) marks as symbol fonts.
    void setSymbolFaces(const SymbolFaces &faces) { m_model.setSymbolFaces(faces); }
    void setRtf(const QByteArray &rtf) override;

    int selStart() const override;
    void setSelStart(int start) override;
    int selLength() const override;
    void setSelLength(int length) override;

    QString selText() const override;
    void setSelText(const QString &text) override;
    QByteArray selRtf() const override;
    void setSelRtf(const QByteArray &rtf) override;

    QString selFontName() const override;
    std::optional<double> selFontSize() const override;
    std::optional<qint32> selColour() const override;
    std::optional<bool> selBold() const override;
    std::optional<bool> selItalic() const override;

    void setSelFontName(const QString &face) override;
    void setSelFontSize(double points) override;
    void setSelColour(qint32 colour) override;
    void setSelBold(bool bold) override;
    void setSelItalic(bool italic) override;
    void setSelCharOffset(int twips) override;

    CharFormat formatAt(int position) const override;

    void setBaseFontSize(double points) override;
    CharFormat defaultFormat() const override;

    // The box's own shown-or-hidden flag (not whether a parent hides it).
    bool isVisible() const override { return !isHidden(); }
    void setVisible(bool visible) override;
    QString toolTip() const override { return QWidget::toolTip(); }
    void setToolTip(const QString &text) override { QWidget::setToolTip(text); }

    // Beyond the box's operations, as in RichDocument.
    int length() const;
    std::optional<int> selCharOffset() const;
    RichRuns runs(int start, int length) const;
    RichRuns runs() const { return runs(0, length()); }
    void setRuns(const RichRuns &runs);
    // Like setRuns for a long document on screen: Qt's document is filled a slice of
    // characters at a time with the layout running, so each slice is laid out once, as it
    // arrives. Slices go in at once until the shown box is full (at most `firstChars`); the
    // rest follows between events, so the box shows its beginning at once and stays
    // responsive. `progress` hears the characters loaded and the total after every slice,
    // and both the same once the load is over: finished, or replaced by new content. The
    // box's own document holds everything from the start: every read sees
    // the whole text, and any change, any key and ensureLayout() first load what is still
    // missing.
    using LoadProgress = std::function<void(int done, int total)>;
    static constexpr int kLoadSlice = 250;
    static constexpr int kFirstSlice = 250;
    void loadRuns(const RichRuns &runs, const LoadProgress &progress = {},
                  int firstChars = 4 * kLoadSlice);
    // Whether part of a loaded document is still to go into Qt's document.
    bool isLoading() const { return m_loadRun < m_loadRuns.size(); }
    // For a caller that lays out the whole load itself, between its own events: loads the
    // next slice now and says whether any is left.
    bool loadNextSlice() { return loadSlice(kLoadSlice); }
    // Lays out whatever changes are pending (before measuring or printing).
    void ensureLayout();

    // Called whenever the content or its formatting changes.
    std::function<void()> onChange;

protected:
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int toQt(int position) const;
    int toModel(int qtPosition) const;
    int qtLength(const QString &text) const;
    void takeQtSelection() const;
    QTextCharFormat qtFormat(const CharFormat &format) const;
    CharFormat modelFormat(const QTextCharFormat &format) const;
    RichRuns qtRuns(int from, int to) const;
    void writeToQt(int qtStart, int qtEnd, const RichRuns &runs);
    void formatInQt(const RichDocument::Span &span);
    template <typename Change> void changeSelection(Change change);
    void rebuildQt();
    QTextCharFormat cachedFormat(const CharFormat &format) const;
    void insertRuns(QTextCursor &cursor, const RichRuns &runs) const;
    bool loadSlice(qsizetype chars) const;
    bool screenFilled() const;
    void scheduleLoadSlice();
    void finishLoad() const;
    void cancelLoad();
    void copyUserChange(int position, int removed, int added);
    void setModelSelection(int start, int length);
    void beginChange();
    void endChange();
    void pauseLayout();
    void scheduleResume();
    void resumeLayout();
    void resumeBefore(QEvent *event);
    void syncCursor();
    static int buttonCode(Qt::MouseButton button);

    mutable RichDocument m_model;
    mutable bool m_selFromModel = true; // false once the user moved the cursor
    bool m_cursorPending = false;
    bool m_layoutPaused = false;
    bool m_resumeScheduled = false;
    bool m_internal = false;
    QSizeF m_savedPageSize;
    // A load in progress: the runs, the next run and the characters of it already in Qt.
    mutable RichRuns m_loadRuns;
    mutable qsizetype m_loadRun = 0;
    mutable qsizetype m_loadOffset = 0;
    mutable int m_loadedChars = 0;
    bool m_loadScheduled = false;
    mutable QHash<CharFormat, QTextCharFormat> m_formatCache;
    LoadProgress m_loadProgress;
    mutable bool m_inSlice = false;
    static constexpr qsizetype kFinishSlice = 4 * kLoadSlice;
};
