// The rich-text box: the operations that the formatter, the exporters, the editing
// commands and the font preview drive. Positions count every line break as two
// characters, CR then LF, whatever an implementation stores inside.
#pragma once

#include "richtext/charformat.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class RichTextBox {
public:
    // Sizes the box accepts; a size outside this range leaves the default size.
    static constexpr double kMinFontSize = 1.0;
    static constexpr double kMaxFontSize = 1638.0;

    virtual ~RichTextBox() = default;

    // Plain text with CR LF line breaks; setting replaces the whole content with text in
    // the box's default formatting.
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;

    // The whole document as RTF. Setting the empty string empties the box; a string that
    // is not RTF goes in as plain text in the default formatting.
    virtual QByteArray rtf() const = 0;
    virtual void setRtf(const QByteArray &rtf) = 0;

    virtual int selStart() const = 0;
    virtual void setSelStart(int start) = 0;
    virtual int selLength() const = 0;
    virtual void setSelLength(int length) = 0;
    void select(int start, int length)
    {
        setSelStart(start);
        setSelLength(length);
    }

    virtual QString selText() const = 0;
    virtual void setSelText(const QString &text) = 0; // replaces the selected characters
    virtual QByteArray selRtf() const = 0;
    virtual void setSelRtf(const QByteArray &rtf) = 0; // replaces the selection (pasting)

    // The value all selected characters share; for a mixed selection the face reads as
    // the empty string and the others as nullopt.
    virtual QString selFontName() const = 0;
    virtual std::optional<double> selFontSize() const = 0;
    virtual std::optional<qint32> selColour() const = 0;
    virtual std::optional<bool> selBold() const = 0;
    virtual std::optional<bool> selItalic() const = 0;

    virtual void setSelFontName(const QString &face) = 0;
    virtual void setSelFontSize(double points) = 0;
    virtual void setSelColour(qint32 colour) = 0;
    virtual void setSelBold(bool bold) = 0;
    virtual void setSelItalic(bool italic) = 0;
    virtual void setSelCharOffset(int twips) = 0;

    // The attributes of one position (0 .. text().size() - 1); both positions of a line
    // break read as the attributes of the break.
    virtual CharFormat formatAt(int position) const = 0;

    // The size of text that carries no size of its own, and the default face.
    virtual void setBaseFontSize(double points) = 0;
    virtual CharFormat defaultFormat() const = 0;

    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual QString toolTip() const = 0;
    virtual void setToolTip(const QString &text) = 0;

    // Events; the button is 1 for left, 2 for right, 4 for middle.
    std::function<void()> onClick;
    std::function<void(int key)> onKeyUp;
    std::function<void(int button)> onMouseDown;
    std::function<void(int button)> onMouseUp;
};
