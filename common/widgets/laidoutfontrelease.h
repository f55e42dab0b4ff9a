// Lets a long QTextDocument go of the platform fonts it holds for text already laid out.
//
// Qt keeps the font of every character format it has laid out, and each paragraph keeps
// the last one it used. With thousands of faces in one document (a preview of every
// installed font), Qt's font cache then holds thousands of live fonts and walks them all
// each time it loads another one, so laying out the document grows with the square of its
// faces. Letting go after each few hundred new formats keeps the live fonts few: the
// layout keeps its measurements, and the paragraphs that are painted later fetch their
// fonts again.
#pragma once

class QTextDocument;

class LaidOutFontRelease {
public:
    // After this many new formats since the last release, the next check releases.
    static constexpr int kFormatsPerRelease = 128;

    // The document was cleared: nothing of it is laid out yet.
    void restart();
    // Called after more of `document` was laid out; releases when enough new formats came.
    // Returns whether it released.
    bool releaseIfMany(QTextDocument *document);
    // Releases the fonts of everything laid out since the last release.
    void release(QTextDocument *document);

private:
    int m_formatsAtRelease = 0;
    int m_blockAtRelease = 0;
};
