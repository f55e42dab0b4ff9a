// Splicing RTF documents: see rtfsplicer.h.
#include "richtext/rtfsplicer.h"

#include <QByteArrayView>

RtfSplicer::RtfSplicer(const QByteArray &marker)
{
    const QByteArray lower = marker.toLower();
    const qsizetype deftab = lower.indexOf("deftab");
    // p is 1-based: the header is the first p + 8 characters, "deftab" and three digits.
    if (deftab >= 0)
        m_header = marker.left(deftab + 1 + 8);
    const qsizetype par = lower.indexOf("\\par ");
    if (par >= 0)
        m_footer = marker.mid(par);
    m_result = m_header;
}

void RtfSplicer::append(const QByteArray &document)
{
    // The usual piece holds the header once at its start and the footer once at its end;
    // anything else takes the general removal.
    QByteArrayView rest(document);
    bool usual = true;
    if (!m_header.isEmpty()) {
        usual = rest.startsWith(m_header) && rest.indexOf(m_header, m_header.size()) < 0;
        if (usual)
            rest = rest.sliced(m_header.size());
    }
    if (usual && !m_footer.isEmpty()) {
        usual = rest.indexOf(m_footer) == rest.size() - m_footer.size();
        if (usual)
            rest.chop(m_footer.size());
    }
    if (usual) {
        m_result += rest;
        return;
    }
    QByteArray piece = document;
    if (!m_header.isEmpty())
        piece.replace(m_header, QByteArray());
    if (!m_footer.isEmpty())
        piece.replace(m_footer, QByteArray());
    m_result += piece;
}

QByteArray RtfSplicer::finish()
{
    m_result += m_footer;
    return std::move(m_result);
}

QByteArray RtfSplicer::splice(const QByteArray &marker, const QList<QByteArray> &pieces)
{
    RtfSplicer splicer(marker);
    for (const QByteArray &piece : pieces)
        splicer.append(piece);
    return splicer.finish();
}
