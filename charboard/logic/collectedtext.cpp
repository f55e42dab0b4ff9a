// Collected characters and their fonts: see collectedtext.h.
#include "logic/collectedtext.h"

#include "fonts/symbolequivalents.h"

void CollectedText::follow(const QString &text, const QString &font)
{
    const qsizetype oldSize = m_text.size();
    const qsizetype newSize = text.size();
    qsizetype head = 0;
    while (head < oldSize && head < newSize && m_text[head] == text[head])
        ++head;
    qsizetype tail = 0;
    while (tail < oldSize - head && tail < newSize - head &&
           m_text[oldSize - 1 - tail] == text[newSize - 1 - tail])
        ++tail;
    QStringList fonts = m_fonts.mid(0, head);
    for (qsizetype i = head; i < newSize - tail; ++i)
        fonts.append(font);
    fonts.append(m_fonts.mid(oldSize - tail));
    m_fonts = fonts;
    m_text = text;
}

QString CollectedText::unicodeText(const Equivalents &equivalents) const
{
    QString out;
    qsizetype start = 0;
    while (start < m_text.size()) {
        qsizetype end = start + 1;
        while (end < m_text.size() && m_fonts[end] == m_fonts[start])
            ++end;
        const QString run = m_text.mid(start, end - start);
        out += m_fonts[start].isEmpty()
                   ? run
                   : SymbolEquivalents::unicodeText(run, equivalents(m_fonts[start]));
        start = end;
    }
    return out;
}
