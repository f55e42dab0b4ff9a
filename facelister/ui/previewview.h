// Facelister's preview on screen: a read-only view of the preview's RichDocument that lays
// out and paints only the lines in view, each with a QTextLayout of its own. A preview in
// thousands of faces so holds the fonts of one screen, and of a few laid-out lines kept for
// scrolling back, rather than those of every line. A line is as tall as its largest size
// asks, reckoned from the sizes alone, so that scrolling needs no font of a line out of view;
// long lines are not wrapped but scroll sideways.
//
// Italic in a family that has no slanted face is drawn as Qt itself would draw it, by slanting
// the upright glyphs, but with the upright font: Qt would load another font for it, and with
// thousands of installed fonts each font loaded costs more than the drawing.
//
// The user scrolls with the keys and the wheel and selects whole lines with the mouse or
// with Shift and the arrow keys; a click puts the current line there without selecting.
// The box's interface reads and changes the document as any rich-text box does, and its
// selection is the one shown.
#pragma once

#include "richtext/richdocument.h"
#include "richtext/richtextbox.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QList>
#include <functional>
#include <memory>
#include <unordered_map>

class QPainter;
class QTextLayout;

class PreviewView : public QAbstractScrollArea, public RichTextBox {
    Q_OBJECT
public:
    // Laid-out lines kept beyond those on screen.
    static constexpr int kKeptLines = 60;

    explicit PreviewView(QWidget *parent = nullptr);
    ~PreviewView() override;

    // Shows the document (the view's own from now on), scrolled to its start.
    void setDocument(RichDocument document);
    // The symbol faces that the view's RTF marks as such, for every document it shows.
    void setSymbolFaces(const SymbolFaces &faces);
    const RichDocument &document() const { return m_document; }
    RichRuns runs(int start, int length) const { return m_document.runs(start, length); }
    int length() const { return m_document.length(); }

    QString text() const override { return m_document.text(); }
    void setText(const QString &text) override;
    QByteArray rtf() const override { return m_document.rtf(); }
    void setRtf(const QByteArray &rtf) override;
    int selStart() const override { return m_document.selStart(); }
    void setSelStart(int start) override;
    int selLength() const override { return m_document.selLength(); }
    void setSelLength(int length) override;
    QString selText() const override { return m_document.selText(); }
    void setSelText(const QString &text) override;
    QByteArray selRtf() const override { return m_document.selRtf(); }
    void setSelRtf(const QByteArray &rtf) override;
    QString selFontName() const override { return m_document.selFontName(); }
    std::optional<double> selFontSize() const override { return m_document.selFontSize(); }
    std::optional<qint32> selColour() const override { return m_document.selColour(); }
    std::optional<bool> selBold() const override { return m_document.selBold(); }
    std::optional<bool> selItalic() const override { return m_document.selItalic(); }
    void setSelFontName(const QString &face) override;
    void setSelFontSize(double points) override;
    void setSelColour(qint32 colour) override;
    void setSelBold(bool bold) override;
    void setSelItalic(bool italic) override;
    void setSelCharOffset(int twips) override;
    CharFormat formatAt(int position) const override { return m_document.formatAt(position); }
    void setBaseFontSize(double points) override;
    CharFormat defaultFormat() const override { return m_document.defaultFormat(); }
    bool isVisible() const override { return !isHidden(); }
    void setVisible(bool visible) override { QAbstractScrollArea::setVisible(visible); }
    QString toolTip() const override { return QWidget::toolTip(); }
    void setToolTip(const QString &text) override { QWidget::setToolTip(text); }

    // Lines of the document (a line break ends each but the last).
    int lineCount() const { return int(m_lines.size()); }
    int lineStart(int line) const { return m_lines.at(line).start; }
    // The line at a height of the viewport, clamped to the document's lines.
    int lineAt(int y) const;
    // The line that holds a position of the text.
    int lineOf(int position) const;
    // Where a line is drawn in the viewport (its top and height).
    QRect lineRect(int line) const;
    int currentLine() const { return m_current; }
    // Makes the line current, selecting from the anchor to it when extending, and scrolls
    // it into view.
    void moveTo(int line, bool extend);
    // Selects the lines from..to (either order); the current line is `to`.
    void selectLines(int from, int to);
    // Laid-out lines held: those painted lately, never many more than a screen's.
    int laidOutLines() const { return int(m_layouts.size()); }

    // Copy asked for with the keyboard (Ctrl+C).
    std::function<void()> onCopy;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Line {
        int start = 0;  // position of the first character
        int length = 0; // without the line break
        int top = 0;    // in pixels from the top of the document
        int height = 0;
        int ascent = 0;
    };
    // A run drawn slanted with the upright font, and its colour.
    struct SlantedRun {
        int start = 0;
        int length = 0;
        QColor colour;
    };
    struct LaidOut {
        std::unique_ptr<QTextLayout> layout;
        QList<SlantedRun> slanted;
    };
    void documentChanged();
    // Tells assistive technology where the current line now starts.
    void announceCaret();
    void measureLines();
    void updateScrollBars();
    LaidOut &layoutOf(int line);
    void drawLine(QPainter &painter, const LaidOut &laidOut, const QPointF &origin, bool selected);
    void dropDistantLayouts(int first, int last);
    bool isSelected(int line) const;
    int linesPerPage() const;
    int lineUnderMouse(const QPoint &at) const;

    RichDocument m_document;
    SymbolFaces m_symbolFaces;
    QList<Line> m_lines;
    int m_documentHeight = 0;
    int m_widest = 0; // widest line laid out so far, for the sideways scroll bar
    int m_current = 0;
    int m_anchor = 0;
    bool m_dragging = false;
    std::unordered_map<int, LaidOut> m_layouts;
};
