// Joins RTF documents written by RtfWriter into one: the header (up to "deftab" and its
// three digits) and the footer (from the first "\par ") are taken from a marker document,
// then each piece follows without its own header and footer, so every piece keeps its own
// font and colour tables and the reader resolves each against the tables before it.
#pragma once

#include <QByteArray>
#include <QList>

class RtfSplicer {
public:
    explicit RtfSplicer(const QByteArray &marker);

    // Pieces are added one at a time, so no piece's bytes outlive their turn.
    void append(const QByteArray &document);
    QByteArray finish();

    // The whole splice at once: the same result as appending every piece.
    static QByteArray splice(const QByteArray &marker, const QList<QByteArray> &pieces);

    const QByteArray &header() const { return m_header; }
    const QByteArray &footer() const { return m_footer; }

private:
    QByteArray m_header;
    QByteArray m_footer;
    QByteArray m_result;
};
