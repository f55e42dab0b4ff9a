// Writes rich text as RTF in the one dialect the formatter's splice relies on: a constant
// header ending in \deftab and three digits, then this document's font table and colour
// table, the body, and a constant footer that starts with "\par ". The footer's \par is the
// last paragraph mark; it adds no line break, so text reads back exactly.
//
// The body never contains the header or the footer: every text "{" and "}" is escaped, and
// the body opens no groups, so "\par }" occurs only as the footer.
//
// The font table gives the symbol faces it is handed \fcharset2, so that other programs draw
// their glyphs; text in them is written as byte codes, which the reader keeps as they are.
// The faces travel with each call (a document carries its own), never as process state.
#pragma once

#include "richtext/richrun.h"
#include "richtext/symbolfaces.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

class RtfWriter {
public:
    // Calls the visitor once for each run of the content, in order (text with CR LF line
    // breaks; sizes resolved). The writer walks the content twice.
    using RunVisitor = std::function<void(QStringView text, const CharFormat &format)>;
    using RunSource = std::function<void(const RunVisitor &visit)>;

    static QByteArray header();
    static QByteArray footer();
    static QByteArray write(const RunSource &source, const SymbolFaces &symbols = {});
    // The same bytes handed to `sink` a part at a time (parts of about `partSize` bytes,
    // the last one smaller), so that a long document's RTF is never held whole. Stops
    // when the sink answers false; returns whether every part was taken.
    using PartSink = std::function<bool(const QByteArray &part)>;
    static bool write(const RunSource &source, const PartSink &sink, qsizetype partSize,
                      const SymbolFaces &symbols = {});
    static QByteArray write(const RichRuns &runs, const SymbolFaces &symbols = {});
    // The bytes of an .rtf file holding a document: the document and a closing CR LF.
    static QByteArray fileBytes(const QByteArray &document);
    // The half-points of \up / \dn for an offset in twips: twips / 10, halves to even.
    static int halfPoints(int twips);
};
