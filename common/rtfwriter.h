// Writes rich text as RTF in the one dialect the formatter's splice relies on: a constant
// header ending in \deftab and three digits, then this document's font table and colour
// table, the body, and a constant footer that starts with "\par ". The footer's \par is the
// last paragraph mark; it adds no line break, so text reads back exactly.
//
// The body never contains the header or the footer: every text "{" and "}" is escaped, and
// the body opens no groups, so "\par }" occurs only as the footer.
//
// The font table gives symbol fonts \fcharset2, so that other programs draw their glyphs;
// text in them is written as byte codes, which the reader keeps as they are.
#pragma once

#include "richrun.h"

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
    static QByteArray write(const RunSource &source);
    static QByteArray write(const RichRuns &runs);
    // The bytes of an .rtf file holding a document: the document and a closing CR LF.
    static QByteArray fileBytes(const QByteArray &document);
    // The half-points of \up / \dn for an offset in twips: twips / 10, halves to even.
    static int halfPoints(int twips);

    // The installed symbol fonts, as the font catalog knows them: set once at start-up,
    // before anything is written. Matched without regard to case.
    static void setSymbolFaces(const QStringList &faces);
    static bool isSymbolFace(const QString &face);
};
