// Releasing the fonts of laid-out text: see laidoutfontrelease.h.
#include "laidoutfontrelease.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtGui/private/qtextdocument_p.h>
#include <QtGui/private/qtextformat_p.h>
#include <algorithm>
#include <cstdlib>

namespace {

QTextFormatCollection *formatsOf(QTextDocument *document)
{
    return QTextDocumentPrivate::get(document)->formatCollection();
}

} // namespace

void LaidOutFontRelease::restart()
{
    m_formatsAtRelease = 0;
    m_blockAtRelease = 0;
    m_positionAtRelease = 0;
}

void LaidOutFontRelease::releaseIfMany(QTextDocument *document)
{
    if (formatsOf(document)->numFormats() >= m_formatsAtRelease + kFormatsPerRelease)
        release(document);
}

void LaidOutFontRelease::releaseIfScrolled(QTextDocument *document, int position, int screenHeight)
{
    if (std::abs(position - m_positionAtRelease) < kScreensPerRelease * std::max(1, screenHeight))
        return;
    // Painting may have drawn any paragraph since: all of them let go.
    releaseFrom(document, 0);
    m_positionAtRelease = position;
}

void LaidOutFontRelease::release(QTextDocument *document)
{
    releaseFrom(document, m_blockAtRelease);
}

void LaidOutFontRelease::releaseFrom(QTextDocument *document, int firstBlock)
{
    // Setting a paragraph layout's own font again clears the font it kept from the last
    // shaping or drawing, without touching its lines.
    for (QTextBlock block = document->findBlockByNumber(firstBlock); block.isValid();
         block = block.next()) {
        if (QTextLayout *layout = block.layout())
            layout->setFont(layout->font());
    }
    // Re-resolving every format against the same default font gives each a fresh font
    // object, unloaded until it is next drawn; the formats themselves do not change, so
    // nothing is laid out again. Qt's public setDefaultFont would lay out the whole
    // document anew, which is what this avoids.
    QTextFormatCollection *formats = formatsOf(document);
    formats->setDefaultFont(formats->defaultFont());
    m_formatsAtRelease = formats->numFormats();
    m_blockAtRelease = std::max(0, document->blockCount() - 1);
}
