// Lets a long QTextDocument go of the platform fonts it holds for text already laid out.
//
// Qt keeps the font of every character format it has laid out, and each paragraph keeps
// the last one it used. With thousands of faces in one document (a preview of every
// installed font), Qt's font cache then holds thousands of live fonts and walks them all
// each time it loads another one, so laying out the document grows with the square of its
// faces. Letting go after each few hundred new formats keeps the live fonts few: the
// layout keeps its measurements, and the paragraphs that are painted later fetch their
// fonts again. Painting holds the fonts of what it shows in the same way, so scrolling
// through the whole document lets go again every few screens.
#pragma once

class QTextDocument;

class LaidOutFontRelease {
public:
    // After this many new formats since the last release, the next check releases.
    static constexpr int kFormatsPerRelease = 128;
    // After the view has moved this many screens since the last release, painting releases.
    static constexpr int kScreensPerRelease = 4;

    // The document was cleared: nothing of it is laid out yet.
    void restart();
    // Called after more of `document` was laid out; releases when enough new formats came.
    void releaseIfMany(QTextDocument *document);
    // Called after painting the view at `position` (scroll bar value) of a screen
    // `screenHeight` high; releases everything when the view has moved far enough.
    void releaseIfScrolled(QTextDocument *document, int position, int screenHeight);
    // Releases the fonts of everything laid out since the last release.
    void release(QTextDocument *document);

private:
    void releaseFrom(QTextDocument *document, int firstBlock);

    int m_formatsAtRelease = 0;
    int m_blockAtRelease = 0;
    int m_positionAtRelease = 0;
};
