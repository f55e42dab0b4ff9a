// The in-memory rich-text box: plain text with per-character attributes, used headless by
// the formatter and the exporters and as the model the tests compare the editor with.
//
// The text is stored as the callers count it: a line break is CR LF and occupies two
// positions, and both positions always carry the same attributes. Attributes are kept per
// character in one small record (face as an index into a table of distinct faces), so that
// formatting a selection costs time in proportion to the selection and formatAt() is
// constant time.
//
// Default format: face "Arial" (present on Windows, and mapped by fontconfig to a metric
// twin on Linux), 12 points, black, neither bold nor italic, no offset. Text that carries
// no size of its own (plain text set or typed in, RTF without \fs) follows the base font
// size; a size given on a selection or read from \fs belongs to the character.
//
// Selections behave like the platform control's: setting the start collapses the
// selection to an insertion point, the length is clamped to the end of the text. A change
// whose range ends or starts in the middle of a CR LF widens to the whole line break.
#pragma once

#include "richtext/richrun.h"
#include "richtext/richtextbox.h"
#include "richtext/symbolfaces.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <vector>

class RichDocument : public RichTextBox {
public:
    static constexpr const char *kDefaultFace = "Arial";
    static constexpr double kDefaultSize = 12.0;

    RichDocument();

    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    QByteArray rtf() const override;
    void setRtf(const QByteArray &rtf) override;

    // The faces its RTF marks as symbol fonts, from the catalog of the program that owns it.
    void setSymbolFaces(const SymbolFaces &faces) { m_symbolFaces = faces; }
    const SymbolFaces &symbolFaces() const { return m_symbolFaces; }

    int selStart() const override { return m_selStart; }
    void setSelStart(int start) override;
    int selLength() const override { return m_selLength; }
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

    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible) override { m_visible = visible; }
    QString toolTip() const override { return m_toolTip; }
    void setToolTip(const QString &text) override { m_toolTip = text; }

    // Beyond the box's operations: the length in positions, the vertical offset of the
    // selection (nullopt when mixed), and the content as runs of equal format (sizes
    // resolved against the base size), for exporters and the editor.
    int length() const { return int(m_text.size()); }
    std::optional<int> selCharOffset() const;
    RichRuns runs(int start, int length) const;
    RichRuns runs() const { return runs(0, length()); }
    // Replaces the whole content; a run's size of 0 means "no size of its own".
    void setRuns(const RichRuns &runs);
    // Reads a whole document of RtfWriter's and appends its content at the end. A series
    // of these gives what one document of all their bodies, each with its own tables,
    // reads as, without the bytes of that document ever being held at once.
    void appendRtf(const QByteArray &rtf);
    // Appends the other document's content exactly as appendRtf(other.rtf()) would: sizes
    // to half points, offsets to what \up and \dn carry, every size the character's own.
    // Ordinary text and faces skip the RTF; anything the reader might read otherwise takes it.
    void appendAsRtf(const RichDocument &other);
    // Makes room for a content of that many positions, so that a long series of appends
    // never holds an old and a new copy at once.
    void reserve(int length);

    // The positions a change of the selection touches: the selection widened to whole
    // line breaks (an insertion point inside one moves before it).
    struct Span {
        int start = 0;
        int end = 0;
    };
    Span editSpan() const;
    // Calls the visitor for each run of equal format from start to start + length.
    void forEachRun(int start, int length, bool resolveSizes,
                    const std::function<void(QStringView, const CharFormat &)> &visit) const;
    // Runs as stored: a size of 0 where the text has no size of its own.
    RichRuns rawRuns(int start, int length) const;
    // Replaces the positions start .. end - 1 by the runs (a size of 0 meaning no size of
    // its own) and leaves an insertion point after them.
    void replaceSpan(int start, int end, const RichRuns &runs);

    // Turns every CR LF, lone CR, lone LF and paragraph separator into CR LF (and Qt's
    // frame markers into U+FFFD), so that both implementations count the same positions.
    static QString normaliseLineBreaks(QStringView text);
    // Whether a size is one the box accepts.
    static bool isValidSize(double points);

private:
    // No default member initialisers: clang needs the nested class complete before it
    // can use them. Always initialise with braces.
    // The size first, so that the record packs into 24 bytes: a long text keeps one per
    // character.
    struct Attr {
        double size; // 0: follows the base size
        int face;    // index into m_faces
        qint32 colour;
        qint32 offset;
        bool bold;
        bool italic;

        friend bool operator==(const Attr &, const Attr &) = default;
    };

    int faceIndex(const QString &face);
    // Whether text and faces read back from RTF as they are, so that appendAsRtf() can
    // copy them.
    bool readsBackAsItIs() const;
    Attr attrFor(const CharFormat &format);
    CharFormat formatOf(const Attr &attr) const;
    RichRuns collectRuns(int start, int length, bool resolveSizes) const;
    Attr insertionAttr(const Span &range) const;
    void replaceRange(const Span &range, const QString &text, const std::vector<Attr> &attrs);
    void insertRuns(const Span &range, const RichRuns &runs);
    template <typename T, typename Get> std::optional<T> shared(Get get) const;
    template <typename Set> void applyToSelection(Set set);

    class Builder;
    friend class Builder;
    void readRtf(const QByteArray &rtf, const Span &span, bool pasting);

    QString m_text;
    std::vector<Attr> m_attrs;
    SymbolFaces m_symbolFaces;
    QStringList m_faces;
    QHash<QString, int> m_faceIndex;
    double m_baseSize = kDefaultSize;
    qint32 m_defaultColour = 0;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_visible = true;
    QString m_toolTip;
};
