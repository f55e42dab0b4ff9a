// Reads RTF: our own documents, spliced documents (a font table and a colour table in
// front of each piece, each valid for the text after it) and what word processors put on
// the clipboard. Tokens from RtfTokenizer drive a stack of group states; text goes to an
// RtfSink in runs. Unknown control words are ignored, non-text destinations skipped.
//
// 8-bit text is decoded by the code page in force: the font's (\fcharset, \cpg), else the
// document's (\ansicpg, \ansi, \mac, \pc, \pca). Double-byte pages pair bytes across
// raw text and \'hh escapes; a lead byte that a control word, a group or the end cuts
// off is dropped. Symbol fonts keep their byte codes. Hidden text (\v) is not read,
// \caps text reads in capitals.
//
// Bad input never crashes or hangs: time and memory are linear in the input. A font index
// that no table defines gives the default face, a colour index out of range the default
// colour, a size outside what the box accepts no size of its own.
#pragma once

#include "encoding/codepage.h"
#include "richtext/rtfsink.h"
#include "richtext/rtftokenizer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <limits>

class RtfReader {
public:
    // The face and colour that undefined indices give; a size of 0 (no size of its own)
    // is what text without a valid \fs gets.
    explicit RtfReader(const CharFormat &defaults) : m_defaults(defaults) {}

    // Whether the bytes are RTF at all (start with "{\rtf" after blanks); otherwise the
    // box takes them as plain text.
    static bool isRtf(QByteArrayView data);
    // Plain text from bytes that are not RTF: UTF-8 when valid, else Windows-1252.
    static QString plainText(QByteArrayView data);

    // The last paragraph mark of a document ends it and adds no line break, as when a
    // whole document is loaded; text pasted into a document keeps it.
    void setKeepsLastParagraph(bool keep) { m_keepLastParagraph = keep; }
    void read(QByteArrayView data, RtfSink &sink);

private:
    enum class Destination { Text, FontTable, ColourTable, Skip };

    static constexpr int kDefaultFontIndex = std::numeric_limits<int>::min(); // \deff

    struct GroupState {
        Destination destination = Destination::Text;
        int unicodeSkip = 1;
        int font = kDefaultFontIndex;
        int halfPoints = 0;
        int colour = 0;
        int offset = 0;   // twips
        int superSub = 0; // 1 super, -1 sub
        bool bold = false;
        bool italic = false;
        bool hidden = false;
        bool caps = false;
    };

    struct FontEntry {
        QString name;
        const CodePage *page = nullptr; // nullptr: the document's page
    };

    void controlWord(QByteArrayView word, bool hasParam, qint32 param, RtfTokenizer &tokenizer);
    void controlSymbol(char symbol);
    // A byte of text or of a \'hh escape (escaped: a ';' in a font name is part of it).
    void textByte(uchar byte, bool escaped);
    // The characters a byte of a UTF-8 document completes (none while a sequence goes on).
    QString takeUtf8(uchar byte);
    void fontNameByte(uchar byte, bool escaped);
    void character(QChar c);
    void paragraph();
    void addPendingBreak();
    void resetCharacter();
    // The format and code page of text after a change of the character state.
    void refreshFormat();
    void flushRun();
    void finishFontEntry();

    CharFormat m_defaults;
    RtfSink *m_sink = nullptr;
    QList<GroupState> m_stack;
    GroupState m_state;
    int m_skipCount = 0; // fallback characters still to skip after \u
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    QList<qint32> m_colours; // -1: the automatic colour
    int m_fontNumber = 0;
    QString m_fontName;
    const CodePage *m_fontPage = nullptr; // of the font table entry being read
    bool m_fontPageFromCpg = false;       // \cpg wins over \fcharset
    const CodePage *m_documentPage = &CodePage::forNumber(CodePage::kWindows1252);
    const CodePage *m_page = m_documentPage; // of the text, with m_current
    int m_leadByte = -1;                     // a double-byte lead waiting for its trail
    QByteArray m_utf8;                       // a UTF-8 sequence waiting for its end
    bool m_keepLastParagraph = false;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;
    bool m_pendingBreak = false;
    CharFormat m_breakFormat;
    QString m_run;
    CharFormat m_runFormat;
    bool m_formatDirty = true;
    CharFormat m_current;
};
