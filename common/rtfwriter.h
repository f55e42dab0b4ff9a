// Writes rich text as RTF in the one dialect the formatter's splice relies on: a constant
// header ending in \deftab and three digits, then this document's font table and colour
// table, the body, and a constant footer that starts with "\par ". The footer's \par is the
// last paragraph mark; it adds no line break, so text reads back exactly.
//
// The body never contains the header or the footer: every text "{" and "}" is escaped, and
// the body opens no groups, so "\par }" occurs only as the footer.
#pragma once

#include "richrun.h"

#include <QByteArray>

class RtfWriter {
public:
    static QByteArray header();
    static QByteArray footer();
    static QByteArray write(const RichRuns &runs);
    // The half-points of \up / \dn for an offset in twips: twips / 10, halves to even.
    static int halfPoints(int twips);
};
